#pragma once
// The chart's private state, for its tests.

#include "chart/ChartPrivate.h"
#include "chart/OverlayParameters.h"

namespace quotechart {

struct TestAccess {
    static ChartState &state(REvuved &chart) { return chart.d->state; }
    static PriceHistory &history(REvuved &chart) { return *chart.d->history; }
    static void redraw(REvuved &chart) { chart.redraw(); }
};

} // namespace quotechart
