#pragma once

#include "tcolor.h"

// What a render needs of the window. Pixel coordinates are always inside the
// 200 x 200 picture: the render drops the parts of edge blocks that fall off.
class RenderTarget {
public:
    virtual ~RenderTarget() = default;

    virtual void setPaintBoxPixel(int x, int y, TColor color) = 0;
    // The kept picture, created white on first use.
    virtual void setKeptPixel(int x, int y, TColor color) = 0;
    virtual void setKeptPictureVisible(bool visible) = 0;

    virtual void setDrawEnabled(bool enabled) = 0;
    virtual void setSaveEnabled(bool enabled) = 0;

    virtual void setProgressMaximum(int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    virtual int progressPosition() const = 0;

    // A column is complete (or the render stopped): show what was drawn.
    virtual void flush() {}
};
