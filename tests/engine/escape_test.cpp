#include "escape.h"
#include "tcolor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct QuadraticCase {
    const char *name;
    double re, im, cr, ci;
    int limit;
    int expected;
};

// Hand-iterated orbits; k is the index of the step whose starting |z|^2 >= 10.
const QuadraticCase kQuadraticCases[] = {
    // 0 -> -0.5 -> -0.25 -> ... settles on a fixed point: never escapes.
    {"mandelbrot centre never escapes", 0, 0, -0.5, 0, 100, 101},
    {"limit 20 gives 21", 0, 0, 0, 0, 20, 21},
    // 0 -> -2 -> 2 -> 2 ...: |z|^2 stays 4.
    {"tip of the set stays bounded", 0, 0, -2, 0, 50, 51},
    // 0 -> 1 -> 2 -> 5: |z3|^2 = 25 is first seen at k = 4.
    {"c = 1 escapes at 4", 0, 0, 1, 0, 100, 4},
    // 0 -> 10: a Mandelbrot sample never stops before k = 2.
    {"c = 10 escapes at 2", 0, 0, 10, 0, 100, 2},
    // Julia starts: 3^2 + 1^2 is exactly 10, and the test is not strict.
    {"sum of exactly 10 stops", 3, 1, 0, 0, 100, 1},
    {"sum of exactly 10 stops, swapped", 1, 3, 0.3, -0.2, 100, 1},
    // 9 + 0.99980001 < 10 goes on; z1 = (8.0002, 5.9994) then stops.
    {"sum just below 10 goes on", 3, 0.9999, 0, 0, 100, 2},
    {"julia start outside radius", 4, 0, -0.745, 0.113, 100, 1},
};

class QuadraticEscape : public testing::TestWithParam<QuadraticCase> {};

TEST_P(QuadraticEscape, Count)
{
    const QuadraticCase &c = GetParam();
    EXPECT_EQ(quadraticEscapeCount(c.re, c.im, c.cr, c.ci, c.limit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, QuadraticEscape, testing::ValuesIn(kQuadraticCases),
                         [](const auto &info) {
                             std::string n = info.param.name;
                             for (char &ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(QuadraticEscape, ProductBeyondRangeOverflows)
{
    // 2 * 1e154 * 1e154 = 2e308 exceeds the largest double; the squares do not.
    try {
        quadraticEscapeCount(1e154, 1e154, 0, 0, 10);
        FAIL() << "no error";
    } catch (const FloatingPointError &e) {
        EXPECT_EQ(e.kind(), FloatingPointError::Kind::Overflow);
        EXPECT_STREQ(e.what(), "浮動小数点ｴﾗｰ: ｵｰﾊﾞｰﾌﾛｰ");
    }
}

struct ExponentialCase {
    const char *name;
    double cr, ci;
    int limit;
    int expected;
};

const double kLambda = transcendentalLambda();

// z1 = (lambda + cr, ci) since e^0 = 1, cos 0 = 1, sin 0 = 0.  With limit 1 a
// sample that goes on reports 2, one that stops reports 1.
const ExponentialCase kExponentialCases[] = {
    // The orbit of 0 under e^(z-1) creeps up to the fixed point 1.
    {"origin never escapes", 0, 0, 100, 101},
    {"im 51 stops", 0, 51, 1, 1},
    {"im -51 stops", 0, -51, 1, 1},
    {"im 50 goes on", 0, 50, 1, 2},
    {"im 50.9 truncates to 50 and goes on", 0, 50.9, 1, 2},
    {"im -50.9 truncates to -50 and goes on", 0, -50.9, 1, 2},
    // Only the low 32 bits of the 64-bit truncation are compared.
    {"2^32 + 5 reads as 5", 0, 4294967301.0, 1, 2},
    {"2^32 + 51 reads as 51", 0, 4294967347.0, 1, 1},
    {"2^31 reads as -2^31 which stays negative", 0, 2147483648.0, 1, 2},
    {"2^31 + 51 reads as a large negative", 0, 2147483699.0, 1, 1},
    {"-2^63 is the last valid value and reads as 0", 0, -0x1p63, 1, 2},
    // re = 35 exactly at z1 is not > 35: one more step, then z2 has re ~ 5.8e14.
    {"re of exactly 35 goes on", 35.0 - kLambda, 0, 10, 3},
    {"re just above 35 stops", std::nextafter(35.0 - kLambda, 100.0), 0, 10, 2},
};

class ExponentialEscape : public testing::TestWithParam<ExponentialCase> {};

TEST_P(ExponentialEscape, Count)
{
    const ExponentialCase &c = GetParam();
    EXPECT_EQ(exponentialEscapeCount(c.cr, c.ci, kLambda, c.limit), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ExponentialEscape, testing::ValuesIn(kExponentialCases),
                         [](const auto &info) {
                             std::string n = info.param.name;
                             for (char &ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return n;
                         });

TEST(ExponentialEscape, PreconditionsOfTheTable)
{
    EXPECT_EQ(kLambda + (35.0 - kLambda), 35.0);
    EXPECT_GT(kLambda + std::nextafter(35.0 - kLambda, 100.0), 35.0);
}

TEST(ExponentialEscape, ImaginaryPartBeyondInt64IsInvalid)
{
    for (double ci : {0x1p63, 1e19, -1e19, -0x1p64}) {
        try {
            exponentialEscapeCount(0, ci, kLambda, 10);
            ADD_FAILURE() << "no error for " << ci;
        } catch (const FloatingPointError &e) {
            EXPECT_EQ(e.kind(), FloatingPointError::Kind::InvalidOperation) << ci;
            EXPECT_STREQ(e.what(), "無効な浮動小数点操作");
        }
    }
}

TEST(SampleColor, Values)
{
    struct Case {
        int k, colorNumber;
        TColor expected;
    } cases[] = {
        {1, 1, 0xF03D},                   // red 0x3D, green 0xF0
        {101, 1, 101 * 61501},            // the centre of the start-up view
        {2, 1, 0xF03D * 2},               // carries from red into green
        {50, 0, 0},                       // ColorNumber 0 is black
        {273, 1, 273 * 61501},            // first value with a top byte: 0x0100317D
        {116, 299, 2133100684},           // 34684 * 61501, still below 2^31
        {117, 299, -2143477813},          // 34983 * 61501 = 2151489483 - 2^32
        {INT32_MAX, INT32_MAX, 61501},    // (2^31 - 1)^2 = 1 mod 2^32
    };
    for (const Case &c : cases)
        EXPECT_EQ(sampleColor(c.k, c.colorNumber), c.expected) << c.k << " x " << c.colorNumber;
}

} // namespace
