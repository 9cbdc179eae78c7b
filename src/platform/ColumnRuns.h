#pragma once
// Vertical runs of one colour waiting to be written: a chart of thousands of
// days on a pane a few hundred pixels wide draws many bars into each pixel
// column, and bars of one colour that overlap in a column need writing only
// once as their union. Copy mode only, where the order of same-coloured
// pixels does not matter.

#include "platform/RasterLine.h"

#include <vector>

namespace platform {

class ColumnRuns {
public:
    bool empty() const { return touched_.empty(); }
    QRgb colour() const { return colour_; }

    // Starts collecting runs of `colour` for a target of that width.
    void start(QRgb colour, int width);
    // Adds the run from `top` to `bottom` (inclusive, clipped to the target)
    // in column x; a run that does not touch the column's pending one sends
    // that one to the target first.
    void add(const RasterTarget &target, int x, int top, int bottom);
    // Adds the pixels rasterLine paints from `from` to `to`, a run for each
    // column the segment crosses: for steep segments, whose columns hold
    // runs of several pixels.
    void addSegment(const RasterTarget &target, QPoint from, QPoint to);
    // Writes every pending run.
    void writeAll(const RasterTarget &target);

private:
    void write(const RasterTarget &target, int x);

    QRgb colour_ = 0;
    std::vector<int> top_;   // per column; top_ > bottom_ means none pending
    std::vector<int> bottom_;
    std::vector<int> touched_;   // columns with a pending run
};

}   // namespace platform
