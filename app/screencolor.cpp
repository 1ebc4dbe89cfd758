#include "screencolor.h"

namespace {

struct SystemColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indices of the classic system colour table, each mapped to the palette
// entry that plays the same part.
bool systemColor(int index, SystemColor &out)
{
    using P = QPalette;
    switch (index) {
    case 0: case 10: case 11: case 15: out = {P::Active, P::Button}; return true;
    case 1: case 12: case 16: out = {P::Active, P::Dark}; return true;
    case 2: case 13: case 27: case 29: out = {P::Active, P::Highlight}; return true;
    case 3: case 28: out = {P::Active, P::Mid}; return true;
    case 4: case 30: out = {P::Active, P::Window}; return true;
    case 5: out = {P::Active, P::Base}; return true;
    case 6: case 21: out = {P::Active, P::Shadow}; return true;
    case 7: out = {P::Active, P::WindowText}; return true;
    case 8: out = {P::Active, P::Text}; return true;
    case 9: case 14: out = {P::Active, P::HighlightedText}; return true;
    case 17: out = {P::Disabled, P::Text}; return true;
    case 18: out = {P::Active, P::ButtonText}; return true;
    case 19: out = {P::Disabled, P::WindowText}; return true;
    case 20: out = {P::Active, P::Light}; return true;
    case 22: out = {P::Active, P::Midlight}; return true;
    case 23: out = {P::Active, P::ToolTipText}; return true;
    case 24: out = {P::Active, P::ToolTipBase}; return true;
    case 26: out = {P::Active, P::Link}; return true;
    default: return false;
    }
}

} // namespace

QRgb screenColor(TColor color, const QPalette &palette)
{
    const auto bits = static_cast<quint32>(color);
    if (color < 0) {
        SystemColor entry;
        if (!systemColor(static_cast<int>(bits & 0xFF), entry))
            return qRgb(0, 0, 0);
        return palette.color(entry.group, entry.role).rgb();
    }
    return qRgb(bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF);
}
