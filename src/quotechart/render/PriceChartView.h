#pragma once
// What the price pane's drawing routines read: the history, the visible days
// and the two axes that place days and prices on the pane.

#include "quotechart/PriceHistory.h"
#include "render/DayAxis.h"
#include "render/PriceAxis.h"

#include <cstdint>

namespace quotechart {

struct PriceChartView {
    const PriceHistory &history;
    int16_t s;   // newest visible day
    int16_t e;   // oldest visible day
    DayAxis days;
    PriceAxis prices;

    double x(int k) const { return days.x(k); }
    double y(double price) const { return prices.y(price); }
    // Empty for a price the scale cannot place (0 or below on a logarithmic
    // scale): whatever needs it is skipped.
    std::optional<double> yOf(double price) const { return prices.yOf(price); }
    double slotWidth() const { return days.slotWidth(); }
    bool loaded(int k) const { return k >= 1 && k <= history.record_count; }
};

}   // namespace quotechart
