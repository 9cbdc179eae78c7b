#pragma once
// The chart's private state, for its tests.

#include "chart/ChartPrivate.h"
#include "document/OverlayParameters.h"

namespace quotechart {

struct TestAccess {
    static DocumentState &document(REvuved &chart) { return chart.d->document; }
    static InteractionState &interaction(REvuved &chart) { return chart.d->interaction; }
    static PriceScale &scale(REvuved &chart) { return chart.d->scale; }
    static PriceHistory &history(REvuved &chart) { return *chart.d->history; }
    static void redraw(REvuved &chart) { chart.redraw(); }
};

}   // namespace quotechart
