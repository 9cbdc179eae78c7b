#pragma once
// Marks that land on the pixel row of the mark drawn before them add nothing
// to the picture: a ruler of tens of thousands of lines over a pane of a few
// hundred rows draws each row once.

#include "platform/SurfaceRegion.h"

#include <QPoint>

#include <limits>

namespace quotechart {

class PixelRowOnce {
public:
    explicit PixelRowOnce(const platform::SurfaceRegion &surface) : surface_(surface) {}

    // True when y (twips) lands on another pixel row than the last y that
    // returned true; positions off every row (far away) count as one row.
    bool takes(double y)
    {
        QPoint pixel;
        const int row = surface_.toPixel(0, y, pixel) ? pixel.y() : OffEveryRow;
        if (any_ && row == row_)
            return false;
        any_ = true;
        row_ = row;
        return true;
    }

private:
    static constexpr int OffEveryRow = std::numeric_limits<int>::min();
    const platform::SurfaceRegion &surface_;
    bool any_ = false;
    int row_ = 0;
};

}   // namespace quotechart
