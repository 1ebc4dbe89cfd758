#pragma once

#include <cstdint>

// Red in bits 0-7, green 8-15, blue 16-23; a negative value names a system
// colour by its low byte.
using TColor = std::int32_t;

// EscapeCount x ColorNumber x 61501, wrapping like 32-bit hardware would.
constexpr TColor sampleColor(std::int32_t escapeCount, std::int32_t colorNumber)
{
    const std::uint32_t v = static_cast<std::uint32_t>(escapeCount)
        * static_cast<std::uint32_t>(colorNumber) * 61501u;
    return static_cast<TColor>(v);
}
