#pragma once
// A transaction's arrow on the price pane, placed by its day or, with the
// price drawing suppressed, along the pane's bottom. Positions are twips of
// the pane; the arrow itself is drawn in device pixels (DrawArrow).

#include "document/TransactionTables.h"
#include "quotechart/PriceHistory.h"
#include "render/DayAxis.h"
#include "render/PriceAxis.h"

#include <cstdint>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

// At x, its tip under the day's low (a buy) or over its high (a sell).
// `day` must be a day of the arrays (1 .. capacity).
void drawDayArrow(platform::SurfaceRegion &pane, const PriceAxis &prices, const PriceHistory &history, double x,
                  int16_t day, bool isBuy);
// At x, its tip `rise` twips above the pane's bottom.
void drawArrowAboveBottom(platform::SurfaceRegion &pane, double x, double rise, bool isBuy);
// With the price drawing suppressed only the arrows show, along the bottom of
// the pane on its erased drawing, placed on these days (the last normal
// drawing's): the counted buys and sells of the tables.
void drawArrowsOfHiddenChart(platform::SurfaceRegion &pane, const DayAxis &days, const TransactionTables &tables,
                             int16_t buys, int16_t sells);

}   // namespace quotechart
