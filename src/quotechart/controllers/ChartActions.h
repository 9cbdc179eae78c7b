#pragma once
// What a controller may ask of the chart widget beyond the pieces it was
// given: erasing the price pane and the rulers, the window redraw, and
// telling the host what happened.

#include <functional>

namespace quotechart {

struct ChartActions {
    std::function<void()> clear;    // the price pane and the rulers, not the indicator panes
    std::function<void()> redraw;   // the whole window over the visible range
    std::function<void()> timeRangeRequested;   // the user chose "Time Range"
};

}   // namespace quotechart
