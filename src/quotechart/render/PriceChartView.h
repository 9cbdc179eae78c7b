#pragma once
// What the price pane's drawing routines read: the history, the visible days
// and the scales, with the day and price mapping they share.

#include "chart/ChartState.h"
#include "quotechart/PriceHistory.h"
#include "render/DayGeometry.h"

#include <cstdint>

namespace quotechart {

struct PriceChartView {
    const PriceHistory &history;
    int16_t s;           // newest visible day
    int16_t e;           // oldest visible day
    const PriceScale &scale;
    double width;        // of the price pane, twips
    double height;

    double x(int k) const { return dayX(width, k, s, scale.day_width); }
    double y(double price) const { return priceY(price, height, scale); }
    bool loaded(int k) const { return k >= 1 && k <= history.record_count; }
};

} // namespace quotechart
