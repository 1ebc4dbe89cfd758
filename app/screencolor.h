#pragma once

#include "tcolor.h"

#include <QPalette>
#include <QRgb>

// The colour a TColor stands for on this screen: a non-negative value by its
// low three bytes (red lowest), a negative one as the system colour of its
// low byte, taken from the palette.
QRgb screenColor(TColor color, const QPalette &palette);
