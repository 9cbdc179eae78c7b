#pragma once
// What REvuved keeps behind its public interface.

#include "chart/ChartState.h"
#include "chart/ChartWidgets.h"
#include "history/DayDates.h"
#include "quotechart/PriceHistory.h"
#include "quotechart/REvuved.h"

#include <memory>

namespace quotechart {

struct REvuved::Private {
    ChartWidgets widgets;
    ChartState state;
    std::unique_ptr<PriceHistory> history = std::make_unique<PriceHistory>();
    DayDates dates;   // the history's dates, read as they are needed
};

} // namespace quotechart
