#pragma once
// What a controller may ask of the chart widget beyond the pieces it was
// given: erasing the price pane and the rulers, and the window redraw.

#include <functional>

namespace quotechart {

struct ChartActions {
    std::function<void()> clear;    // the price pane and the rulers, not the indicator panes
    std::function<void()> redraw;   // the whole window over the visible range
};

}   // namespace quotechart
