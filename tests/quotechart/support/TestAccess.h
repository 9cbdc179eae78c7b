#pragma once
// The chart's private state, for its tests.

#include "chart/ChartPrivate.h"
#include "document/OverlayParameters.h"

namespace quotechart {

struct TestAccess {
    static DocumentState &document(REvuved &chart) { return chart.d->model.state(); }
    static const PointerPosition &interaction(REvuved &chart) { return chart.d->crosshair->pointer(); }
    static PriceScale &scale(REvuved &chart) { return chart.d->model.scale(); }
    static PriceHistory &history(REvuved &chart) { return chart.d->model.history(); }
    static void redraw(REvuved &chart) { chart.d->redraw(); }
};

}   // namespace quotechart
