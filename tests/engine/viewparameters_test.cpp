#include "floatingpointerror.h"
#include "viewparameters.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(ViewParameters, DefaultsOfEachMode)
{
    struct Case {
        RenderMode mode;
        double x, y, w;
    } cases[] = {
        {RenderMode::Mandelbrot, -0.5, 0.0, 1.8},
        {RenderMode::Julia, -0.745, 0.113, 1.5},
        {RenderMode::Transcendental, 0.0, 0.0, 1.0},
    };
    for (const Case &c : cases) {
        ViewParameters p;
        p.x = 3;
        p.y = 4;
        p.w = 5;
        p.IterationLimit = 260;
        p.ColorNumber = 77;
        resetToDefaults(p, c.mode);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.w, c.w);
        EXPECT_EQ(p.IterationLimit, 100);
        EXPECT_EQ(p.ColorNumber, 77) << "the colour number is not a default";
    }
    // Start-up values are the Mandelbrot defaults with colour number 1.
    const ViewParameters start;
    ViewParameters reset = start;
    resetToDefaults(reset, RenderMode::Mandelbrot);
    EXPECT_EQ(start.x, reset.x);
    EXPECT_EQ(start.y, reset.y);
    EXPECT_EQ(start.w, reset.w);
    EXPECT_EQ(start.ColorNumber, 1);
}

TEST(ViewParameters, CheckedResultRejectsOverflow)
{
    const double big = std::numeric_limits<double>::max();
    EXPECT_EQ(checkedResult(big * 0.5 + big * 0.5), big);
    EXPECT_THROW(checkedResult(big + big), FloatingPointError);
    EXPECT_THROW(checkedResult(-big - big), FloatingPointError);
    EXPECT_EQ(checkedResult(0x1p-1074 * 0.5), 0.0);  // underflow passes silently
}

} // namespace
