#include "faketarget.h"
#include "floatingpointerror.h"
#include "render.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Call = FakeTarget::Call;
using Event = FakeTarget::Event;

RenderSummary render(FakeTarget &target, const ViewParameters &p, RenderMode mode,
                     bool detailed = false, bool keep = false)
{
    return runRender(p, RenderSwitches{mode, detailed, keep}, target);
}

TEST(RenderFrame, PrologueAndEpilogueOrder)
{
    for (const bool keep : {false, true}) {
        FakeTarget target;
        render(target, ViewParameters{}, RenderMode::Mandelbrot, false, keep);
        const std::vector<Event> calls = target.callsExceptPixels();
        ASSERT_GE(calls.size(), 6u);
        const std::vector<Event> prologue(calls.begin(), calls.begin() + 5);
        const std::vector<Event> expectedPrologue = {
            {Call::KeptVisible, keep}, {Call::DrawEnabled, false},
            {Call::ProgressPosition, 0}, {Call::ProgressMaximum, 100},
            {Call::ProgressPosition, 1}};
        EXPECT_EQ(prologue, expectedPrologue) << "keep " << keep;

        std::vector<Event> expectedEpilogue = {{Call::Flush}, {Call::DrawEnabled, true}};
        if (keep)
            expectedEpilogue.insert(expectedEpilogue.begin() + 1, {Call::SaveEnabled, true});
        const std::vector<Event> epilogue(calls.end() - expectedEpilogue.size(), calls.end());
        EXPECT_EQ(epilogue, expectedEpilogue) << "keep " << keep;
        EXPECT_EQ(target.count(Call::SaveEnabled), keep ? 1 : 0);
    }
}

TEST(RenderFrame, ProgressStepsOncePerColumnForEveryVariant)
{
    for (const RenderMode mode :
         {RenderMode::Mandelbrot, RenderMode::Julia, RenderMode::Transcendental}) {
        for (const bool detailed : {false, true}) {
            FakeTarget target;
            render(target, ViewParameters{}, mode, detailed);
            const int columns = detailed ? 201 : 101;
            std::vector<Event> progress;
            for (const Event &e : target.callsExceptPixels())
                if (e.call == Call::ProgressPosition || e.call == Call::ProgressMaximum)
                    progress.push_back(e);
            std::vector<Event> expected = {{Call::ProgressPosition, 0},
                                           {Call::ProgressMaximum, columns - 1}};
            for (int p = 1; p <= columns; ++p)
                expected.push_back({Call::ProgressPosition, p});
            EXPECT_EQ(progress, expected) << int(mode) << " detailed " << detailed;
            EXPECT_EQ(target.count(Call::Flush), columns);
        }
    }
}

TEST(RenderFrame, KeptPictureFirstThenPaintBoxEachWithItsMirror)
{
    FakeTarget target;
    render(target, ViewParameters{}, RenderMode::Mandelbrot, false, true);
    std::vector<Event> pixels;
    for (const Event &e : target.events)
        if (e.call == Call::PaintPixel || e.call == Call::KeptPixel)
            pixels.push_back(e);
    ASSERT_GE(pixels.size(), 24u);
    const auto at = [&](size_t n) { return std::pair(pixels[n].x, pixels[n].y); };
    const auto kind = [&](size_t n) { return pixels[n].call; };

    // Sample (-50, -50): its block (0..1, 200..201) is off the picture, its
    // mirror is the top-left block.
    const std::pair<int, int> firstMirror[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    for (size_t n = 0; n < 4; ++n) {
        EXPECT_EQ(kind(n), Call::KeptPixel) << n;
        EXPECT_EQ(at(n), firstMirror[n]) << n;
        EXPECT_EQ(kind(n + 4), Call::PaintPixel) << n;
        EXPECT_EQ(at(n + 4), firstMirror[n]) << n;
    }
    // Sample (-50, -49): block at rows 198..199, then mirror at rows 2..3.
    const std::pair<int, int> second[] = {{0, 198}, {1, 198}, {0, 199}, {1, 199},
                                          {0, 2},   {1, 2},   {0, 3},   {1, 3}};
    for (size_t n = 0; n < 8; ++n) {
        EXPECT_EQ(kind(8 + n), Call::KeptPixel) << n;
        EXPECT_EQ(at(8 + n), second[n]) << n;
        EXPECT_EQ(kind(16 + n), Call::PaintPixel) << n;
        EXPECT_EQ(at(16 + n), second[n]) << n;
    }
}

TEST(RenderFrame, DetailedPixelAndMirror)
{
    FakeTarget target;
    render(target, ViewParameters{}, RenderMode::Mandelbrot, true);
    // (-100, -100) lands on row 200, off the picture; its mirror is (0, 0).
    // (-100, -99) is (0, 199) and its mirror (0, 1).
    ASSERT_GE(target.events.size(), 8u);
    std::vector<std::pair<int, int>> first;
    for (const Event &e : target.events)
        if (e.call == Call::PaintPixel && first.size() < 3)
            first.emplace_back(e.x, e.y);
    const std::vector<std::pair<int, int>> expected = {{0, 0}, {0, 199}, {0, 1}};
    EXPECT_EQ(first, expected);
}

TEST(RenderFrame, SampleCounts)
{
    struct Case {
        RenderMode mode;
        bool detailed;
        double y;
        std::int64_t samples;
    } cases[] = {
        {RenderMode::Mandelbrot, false, 0.0, 101 * 51},    // rows up to the middle, mirrored
        {RenderMode::Mandelbrot, false, 0.1, 101 * 101},
        {RenderMode::Julia, false, -0.0, 101 * 51},        // -0 == 0
        {RenderMode::Mandelbrot, true, 0.0, 201 * 201},    // detailed computes every row
        {RenderMode::Julia, true, 0.1, 201 * 201},
        {RenderMode::Transcendental, false, 0.0, 101 * 51},
        {RenderMode::Transcendental, true, 0.0, 201 * 101}, // mirrors when detailed too
        {RenderMode::Transcendental, true, 0.1, 201 * 201},
    };
    for (const Case &c : cases) {
        FakeTarget target;
        ViewParameters p;
        p.y = c.y;
        p.IterationLimit = 20;
        EXPECT_EQ(render(target, p, c.mode, c.detailed).samples, c.samples)
            << int(c.mode) << " detailed " << c.detailed << " y " << c.y;
    }
}

TEST(RenderFrame, EveryPixelIsSetByEachVariant)
{
    for (const RenderMode mode :
         {RenderMode::Mandelbrot, RenderMode::Julia, RenderMode::Transcendental}) {
        for (const bool detailed : {false, true}) {
            for (const double y : {0.0, 0.25}) {
                FakeTarget target;
                ViewParameters p;
                p.y = y;
                p.ColorNumber = 3;  // no escape count gives the unset marker
                render(target, p, mode, detailed, true);
                int unsetPaint = 0, unsetKept = 0;
                for (int r = 0; r < 200; ++r)
                    for (int c = 0; c < 200; ++c) {
                        unsetPaint += target.paintBox[r][c] == FakeTarget::kUnset;
                        unsetKept += target.kept[r][c] == FakeTarget::kUnset;
                    }
                EXPECT_EQ(unsetPaint, 0) << int(mode) << " " << detailed << " " << y;
                EXPECT_EQ(unsetKept, 0) << int(mode) << " " << detailed << " " << y;
                EXPECT_EQ(target.paintBox, target.kept);
            }
        }
    }
}

TEST(RenderFrame, StartUpCentreSample)
{
    // c = -0.5 never escapes: k = 101, drawn as the block (100..101, 100..101).
    FakeTarget target;
    render(target, ViewParameters{}, RenderMode::Mandelbrot);
    for (int r = 100; r <= 101; ++r)
        for (int c = 100; c <= 101; ++c)
            EXPECT_EQ(target.paintBox[r][c], 101 * 61501) << c << "," << r;
}

TEST(RenderFrame, ZeroWidthDrawsTheCentreEverywhere)
{
    ViewParameters p;
    p.w = 0.0;
    FakeTarget target;
    render(target, p, RenderMode::Mandelbrot, true);
    for (int r = 0; r < 200; ++r)
        for (int c = 0; c < 200; ++c)
            ASSERT_EQ(target.paintBox[r][c], 101 * 61501) << c << "," << r;
}

TEST(RenderFrame, JuliaViewIsCentredOnTheOriginWhateverTheConstant)
{
    // With c = 1000 + 0.1i every start with |z0|^2 < 10 escapes at k = 2 (z1 is
    // beyond 990) and every other at k = 1. Were the view centred on c, all
    // starts would be huge and give 1.
    ViewParameters p;
    p.x = 1000.0;
    p.y = 0.1;
    p.w = 4.0;
    FakeTarget target;
    render(target, p, RenderMode::Julia);
    int ones = 0, twos = 0;
    for (int i = -50; i < 50; ++i)
        for (int j = -49; j <= 50; ++j) {
            const double a = i * 4.0 / 50, b = j * 4.0 / 50;
            const int k = a * a + b * b >= 10 ? 1 : 2;
            (k == 1 ? ones : twos)++;
            EXPECT_EQ(target.paintBox[100 - 2 * j][100 + 2 * i], k * 61501) << i << "," << j;
        }
    EXPECT_GT(ones, 0);
    EXPECT_GT(twos, 0);
}

TEST(RenderFrame, RenderLeavesTheParametersAlone)
{
    ViewParameters p;
    p.x = 0.25;
    p.y = -0.125;
    p.w = 0.5;
    p.IterationLimit = 40;
    p.ColorNumber = 7;
    const ViewParameters before = p;
    FakeTarget target;
    render(target, p, RenderMode::Transcendental, false, true);
    EXPECT_EQ(p.x, before.x);
    EXPECT_EQ(p.y, before.y);
    EXPECT_EQ(p.w, before.w);
    EXPECT_EQ(p.IterationLimit, before.IterationLimit);
    EXPECT_EQ(p.ColorNumber, before.ColorNumber);
}

ViewParameters zoomedOut(int steps)
{
    ViewParameters p;
    for (int n = 0; n < steps; ++n)
        p.w = p.w + p.w;
    return p;
}

TEST(RenderErrors, FiveHundredTenthZoomOutStillRenders)
{
    FakeTarget target;
    EXPECT_EQ(render(target, zoomedOut(510), RenderMode::Mandelbrot).samples, 101 * 51);
    EXPECT_EQ(render(target, zoomedOut(510), RenderMode::Julia).samples, 101 * 51);
}

TEST(RenderErrors, FiveHundredEleventhZoomOutOverflowsAtTheFirstSample)
{
    for (const RenderMode mode : {RenderMode::Mandelbrot, RenderMode::Julia}) {
        FakeTarget target;
        try {
            render(target, zoomedOut(511), mode, false, true);
            ADD_FAILURE() << "no error";
        } catch (const FloatingPointError &e) {
            EXPECT_EQ(e.kind(), FloatingPointError::Kind::Overflow);
        }
        EXPECT_EQ(target.count(Call::PaintPixel), 0);
        EXPECT_EQ(target.count(Call::KeptPixel), 0);
        EXPECT_EQ(target.count(Call::SaveEnabled), 0);  // Save is left as it was
        ASSERT_FALSE(target.events.empty());
        EXPECT_EQ(target.events.back(), (Event{Call::DrawEnabled, true}));
    }
}

TEST(RenderErrors, ErrorMidRenderKeepsTheEarlierColumns)
{
    // x = w = 1e154 with y = 0.1: column i has cr = (1 + i/50) * 1e154 and the
    // bottom row ci ~ -1e154. (2 cr) ci and cr^2 + ci^2 pass the double range
    // first at i = -5 (cr = 9e153: 1.8e308 > 1.797e308). Columns -50 ... -6
    // are drawn: picture columns 0 ... 89.
    ViewParameters p;
    p.x = 1e154;
    p.y = 0.1;
    p.w = 1e154;
    FakeTarget target;
    EXPECT_THROW(render(target, p, RenderMode::Mandelbrot), FloatingPointError);
    for (int c = 0; c < 200; ++c) {
        int set = 0;
        for (int r = 0; r < 200; ++r)
            set += target.paintBox[r][c] != FakeTarget::kUnset;
        EXPECT_EQ(set, c < 90 ? 200 : 0) << "column " << c;
    }
    EXPECT_EQ(target.position, 46);  // the failing column had already stepped
    const std::vector<Event> tail(target.events.end() - 2, target.events.end());
    const std::vector<Event> expectedTail = {{Call::Flush}, {Call::DrawEnabled, true}};
    EXPECT_EQ(tail, expectedTail);
}

TEST(RenderErrors, ErrorKinds)
{
    struct Case {
        const char *name;
        RenderMode mode;
        double x, y, w;
        FloatingPointError::Kind kind;
    } cases[] = {
        // First sample: ci = 1e19 - 1, beyond the int64 range at k = 1.
        {"exponential map with a huge ci", RenderMode::Transcendental, 0, 1e19, 1,
         FloatingPointError::Kind::InvalidOperation},
        // -50 * 1e308 is beyond the double range before any iteration.
        {"grid offset beyond range", RenderMode::Transcendental, 0, 0, 1e308,
         FloatingPointError::Kind::Overflow},
        // x + a = 1.7e308 + 1.7e308.
        {"centre plus offset beyond range", RenderMode::Mandelbrot, 1.7e308, 0.1, 1.7e308,
         FloatingPointError::Kind::Overflow},
    };
    for (const Case &c : cases) {
        ViewParameters p;
        p.x = c.x;
        p.y = c.y;
        p.w = c.w;
        FakeTarget target;
        try {
            render(target, p, c.mode);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const FloatingPointError &e) {
            EXPECT_EQ(e.kind(), c.kind) << c.name;
        }
        EXPECT_EQ(target.count(Call::PaintPixel), 0) << c.name;
        EXPECT_EQ(target.events.back(), (Event{Call::DrawEnabled, true})) << c.name;
    }
}

} // namespace
