// Time of whole renders of each variant against a target that only stores
// pixels, so the figure is the engine's own cost.
#include "render.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

class PixelSink : public RenderTarget {
public:
    void setPaintBoxPixel(int x, int y, TColor c) override { paint[y * 200 + x] = c; }
    void setKeptPixel(int x, int y, TColor c) override { kept[y * 200 + x] = c; }
    void setKeptPictureVisible(bool) override {}
    void setDrawEnabled(bool) override {}
    void setSaveEnabled(bool) override {}
    void setProgressMaximum(int) override {}
    void setProgressPosition(int p) override { position = p; }
    int progressPosition() const override { return position; }

    std::vector<TColor> paint = std::vector<TColor>(200 * 200);
    std::vector<TColor> kept = std::vector<TColor>(200 * 200);
    int position = 0;
};

void renderVariant(benchmark::State &state, RenderMode mode, bool detailed)
{
    ViewParameters params;
    resetToDefaults(params, mode);
    params.IterationLimit = static_cast<int>(state.range(0));
    PixelSink sink;
    std::int64_t samples = 0;
    std::int64_t steps = 0;
    for (auto _ : state) {
        const RenderSummary summary = runRender(params, {mode, detailed, true}, sink);
        samples += summary.samples;
        steps += summary.escapeCountSum;
        benchmark::DoNotOptimize(sink.paint.data());
    }
    state.counters["samples/s"] = benchmark::Counter(double(samples), benchmark::Counter::kIsRate);
    state.counters["steps/s"] = benchmark::Counter(double(steps), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK_CAPTURE(renderVariant, mandelbrot_coarse, RenderMode::Mandelbrot, false)->Arg(100)->Arg(1000);
BENCHMARK_CAPTURE(renderVariant, mandelbrot_detailed, RenderMode::Mandelbrot, true)->Arg(100)->Arg(1000);
BENCHMARK_CAPTURE(renderVariant, julia_coarse, RenderMode::Julia, false)->Arg(100)->Arg(1000);
BENCHMARK_CAPTURE(renderVariant, julia_detailed, RenderMode::Julia, true)->Arg(100)->Arg(1000);
BENCHMARK_CAPTURE(renderVariant, transcendental_coarse, RenderMode::Transcendental, false)->Arg(100)->Arg(1000);
BENCHMARK_CAPTURE(renderVariant, transcendental_detailed, RenderMode::Transcendental, true)->Arg(100)->Arg(1000);
