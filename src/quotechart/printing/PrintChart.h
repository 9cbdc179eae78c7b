#pragma once
// The whole chart drawn again on one page: frame and bands, title, price and
// date rulers on the paper's scale, bars, moving averages, transaction
// arrows, the three indicator panes through the screen's pane routines, and
// the legend. Ends the page's batch (the print job).

#include "document/ChartDocument.h"
#include "history/DayDates.h"
#include "quotechart/PriceHistory.h"
#include "document/PriceScale.h"

namespace platform {
class Surface;
}

namespace quotechart {

struct PrintInput {
    const ChartDocument &document;
    const PriceHistory &history;
    DayDates &dates;
    const PriceScale &scale;   // the screen ruler's lines, which the paper ruler keeps
    int16_t custom_ma_period;
};

void PrintChart(platform::Surface &page, const PrintInput &input);

}   // namespace quotechart
