#pragma once

#include "rendertarget.h"
#include "viewparameters.h"

#include <cstdint>

// The window's switches, as they stood when Draw was clicked.
struct RenderSwitches {
    RenderMode mode = RenderMode::Mandelbrot;
    bool detailed = false;  // 201 x 201 single pixels instead of 101 x 101 blocks
    bool keep = false;      // also draw into the kept picture
};

struct RenderSummary {
    std::int64_t samples = 0;
    std::int64_t escapeCountSum = 0;
};

// One whole render of the picture onto the target, column by column. A
// floating-point error stops it at the failing sample, which is not plotted;
// Draw is enabled again before the error propagates.
RenderSummary runRender(const ViewParameters &params, const RenderSwitches &switches,
                        RenderTarget &target);
