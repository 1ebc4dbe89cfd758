#include "render.h"

#include "escape.h"

namespace {

constexpr int kPictureSize = 200;

bool insidePicture(int x, int y)
{
    return x >= 0 && x < kPictureSize && y >= 0 && y < kPictureSize;
}

class Plotter {
public:
    Plotter(RenderTarget &target, bool coarse, bool mirror, bool keep)
        : target_(target), coarse_(coarse), mirror_(mirror), keep_(keep)
    {
    }

    // Kept picture first, then the paint box; on each, the sample's block and
    // then, with y = 0, its mirror image.
    void plot(int i, int j, TColor color)
    {
        if (keep_)
            plotOn(&RenderTarget::setKeptPixel, i, j, color);
        plotOn(&RenderTarget::setPaintBoxPixel, i, j, color);
    }

private:
    using SetPixel = void (RenderTarget::*)(int, int, TColor);

    void plotOn(SetPixel set, int i, int j, TColor color)
    {
        if (coarse_) {
            const int c0 = 100 + 2 * i;
            const int r0 = 100 - 2 * j;
            block(set, c0, r0, color);
            if (mirror_)
                block(set, c0, 200 - r0, color);
        } else {
            pixel(set, 100 + i, 100 - j, color);
            if (mirror_)
                pixel(set, 100 + i, 100 + j, color);
        }
    }

    void block(SetPixel set, int c0, int r0, TColor color)
    {
        pixel(set, c0, r0, color);
        pixel(set, c0 + 1, r0, color);
        pixel(set, c0, r0 + 1, color);
        pixel(set, c0 + 1, r0 + 1, color);
    }

    void pixel(SetPixel set, int x, int y, TColor color)
    {
        if (insidePicture(x, y))
            (target_.*set)(x, y, color);
    }

    RenderTarget &target_;
    bool coarse_;
    bool mirror_;
    bool keep_;
};

// (i * w) / N with the product rounded first; an offset beyond the double
// range is an overflow like any other.
double gridOffset(int index, double w, int n)
{
    return checkedResult((static_cast<double>(index) * w) / n);
}

RenderSummary renderColumns(const ViewParameters &p, const RenderSwitches &s,
                            RenderTarget &target)
{
    const int n = s.detailed ? 100 : 50;
    const int rowBound = p.y != 0.0 ? n : 0;
    // The detailed quadratic variants compute every row; the others stop at
    // the middle row when y = 0 and mirror it.
    const bool allRows = s.detailed && s.mode != RenderMode::Transcendental;
    const int lastRow = allRows ? n : rowBound;
    const bool mirror = p.y == 0.0;
    const double lambda = transcendentalLambda();

    Plotter plotter(target, !s.detailed, mirror, s.keep);
    RenderSummary summary;

    target.setProgressMaximum(2 * n);
    for (int i = -n; i <= n; ++i) {
        const double a = gridOffset(i, p.w, n);
        const double cr = s.mode == RenderMode::Julia ? p.x : checkedResult(p.x + a);
        target.setProgressPosition(target.progressPosition() + 1);

        for (int j = -n; j <= lastRow; ++j) {
            const double b = gridOffset(j, p.w, n);
            std::int32_t k;
            switch (s.mode) {
            case RenderMode::Mandelbrot:
                k = quadraticEscapeCount(0.0, 0.0, cr, checkedResult(p.y + b),
                                         p.IterationLimit);
                break;
            case RenderMode::Julia:
                k = quadraticEscapeCount(a, b, p.x, p.y, p.IterationLimit);
                break;
            case RenderMode::Transcendental:
            default:
                k = exponentialEscapeCount(cr, checkedResult(p.y + b), lambda,
                                           p.IterationLimit);
                break;
            }
            ++summary.samples;
            summary.escapeCountSum += k;
            plotter.plot(i, j, sampleColor(k, p.ColorNumber));
        }
        target.flush();
    }
    return summary;
}

} // namespace

RenderSummary runRender(const ViewParameters &params, const RenderSwitches &switches,
                        RenderTarget &target)
{
    target.setKeptPictureVisible(switches.keep);
    target.setDrawEnabled(false);
    target.setProgressPosition(0);

    RenderSummary summary;
    try {
        summary = renderColumns(params, switches, target);
    } catch (...) {
        // What was drawn stays; Draw must come back or the program is stuck.
        target.flush();
        target.setDrawEnabled(true);
        throw;
    }

    if (switches.keep)
        target.setSaveEnabled(true);
    target.setDrawEnabled(true);
    return summary;
}
