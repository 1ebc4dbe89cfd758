#pragma once

#include <cstdint>

// Which map a render draws; read from the mode radio buttons at the click.
enum class RenderMode { Mandelbrot, Julia, Transcendental };

// The view shared by every command and render. In the Julia mode (x, y) is
// the map's constant and the view stays centred on the origin.
struct ViewParameters {
    double x = -0.5;
    double y = 0.0;
    double w = 1.8;  // half the side of the square view
    std::int32_t IterationLimit = 100;
    std::int32_t ColorNumber = 1;
};

// The Defaults command: centre and size of the mode, and the iteration limit.
// ColorNumber is left alone.
void resetToDefaults(ViewParameters &params, RenderMode mode);
