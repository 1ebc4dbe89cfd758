#pragma once

#include "floatingpointerror.h"

#include <cmath>
#include <cstdint>

// Escape counts: the iteration index k at which a sample's loop stopped,
// 1 ... limit, or limit + 1 when it never did. Every step is plain IEEE
// double arithmetic, each operation rounded on its own, so counts are the
// same on every machine. Inputs are finite; the first step whose result is
// not throws FloatingPointError, so no error ever goes unnoticed.

// z -> z^2 + c from z = (re, im); stops once |z|^2 >= 10 before a step.
inline std::int32_t quadraticEscapeCount(double re, double im, double cr, double ci,
                                         std::int32_t limit)
{
    std::int64_t k = 1;
    for (; k <= limit; ++k) {
        const double sr = re * re;
        const double si = im * im;
        const double newRe = (sr - si) + cr;
        const double newIm = (2.0 * re) * im + ci;
        const double magnitude = sr + si;
        // Finite inputs can only turn infinite (or NaN via an infinity), and
        // every intermediate feeds one of these three.
        if (!std::isfinite(newRe) || !std::isfinite(newIm) || !std::isfinite(magnitude))
            [[unlikely]] raiseFloatingPointError(FloatingPointError::Kind::Overflow);
        re = newRe;
        im = newIm;
        if (magnitude >= 10.0)
            break;
    }
    return static_cast<std::int32_t>(k);
}

// 1/e, computed the same way for every render.
inline double transcendentalLambda() { return 1.0 / std::exp(1.0); }

// The truncation test of the exponential map: the new im truncated to a
// 64-bit integer, its low 32 bits read as a signed value whose magnitude
// (-2^31 staying negative) must not exceed 50.
inline bool imaginaryPartEscaped(double im)
{
    // Converting a double outside the int64 range is undefined, so the range
    // is the invalid-operation check itself (NaN fails both comparisons).
    if (!(im >= -0x1p63 && im < 0x1p63)) [[unlikely]]
        raiseFloatingPointError(FloatingPointError::Kind::InvalidOperation);
    const auto n = static_cast<std::int32_t>(
        static_cast<std::uint32_t>(static_cast<std::int64_t>(im)));
    const std::int32_t magnitude = (n < 0 && n != INT32_MIN) ? -n : n;
    return magnitude > 50;
}

// z -> lambda * e^z + c from z = 0; stops when re > 35 before a step or when
// the new im truncates beyond +-50.
inline std::int32_t exponentialEscapeCount(double cr, double ci, double lambda,
                                           std::int32_t limit)
{
    double re = 0.0;
    double im = 0.0;
    std::int64_t k = 1;
    for (; k <= limit; ++k) {
        if (re > 35.0)
            break;
        // e^re is needed twice with the same argument; once gives the same bits.
        const double t = std::exp(re) * lambda;
        const double newRe = std::cos(im) * t + cr;
        const double newIm = std::sin(im) * t + ci;
        if (!std::isfinite(newRe) || !std::isfinite(newIm)) [[unlikely]]
            raiseFloatingPointError(FloatingPointError::Kind::Overflow);
        re = newRe;
        im = newIm;
        if (imaginaryPartEscaped(im))
            break;
    }
    return static_cast<std::int32_t>(k);
}
