#pragma once
// The pane's layout tables, in twips: where the bar goes for each alignment
// and which part of the pane it leaves free. Pure calculations.

#include "DockEdge.h"

#include <optional>

namespace splitbay6 {

// The pane's own scale rectangle (left0, top0, width0, height0).
struct ScaleRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// The bar's place: the position along the pane's edge and its length, and
// the position across it, which depends on the bar's actual thickness.
struct BarAlong {
    double start = 0;    // Left for top/bottom panes, Top for left/right ones
    double length = 0;   // Width or Height
};
std::optional<BarAlong> barAlong(int alignment, const ScaleRect &pane);
// Top for top/bottom panes, Left for left/right ones.
std::optional<double> barAcross(int alignment, const ScaleRect &pane, double barThickness);

// The free area, in the order it is stored.
struct FreeArea {
    double ScaleHeight = 0;
    double ScaleLeft = 0;
    double ScaleTop = 0;
    double ScaleWidth = 0;
};
std::optional<FreeArea> freeAreaFor(int alignment, const ScaleRect &pane, double barWidth, double barHeight);

}   // namespace splitbay6
