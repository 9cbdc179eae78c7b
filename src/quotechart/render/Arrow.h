#pragma once
// The buy and sell arrows: their shape, drawn in device pixels on a surface's
// device context (a buy arrow hangs below its tip and points up in green, a
// sell arrow stands above its tip and points down in red), and where a
// transaction's arrow stands on the price pane, on the screen and on paper
// alike: a buy's tip 50 twips under the day's low, a sell's 50 twips over its
// high (the prices are mapped without the pane's bottom margin, which leaves
// that gap between bar and arrow), or, with the price drawing suppressed,
// along the pane's bottom.

#include "document/TransactionTables.h"
#include "quotechart/PriceHistory.h"
#include "render/DayAxis.h"
#include "render/PriceAxis.h"

#include <cstdint>
#include <optional>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

// Draws one arrow with its tip at (x, y) pixels: a shaft three pixels wide and
// twelve long, and a head widening from one pixel at the tip to nine pixels
// four rows away. Each coordinate is rounded after its offset is added.
void DrawArrow(float &x, float &y, platform::SurfaceRegion &dc, bool is_buy);

inline constexpr double SellTipRise = 100;   // a sell tip stands this far above the buy rule's place

// The tip's y (twips) on these prices; empty when the scale cannot place the
// day's low (high), and the arrow is left out. `day` must be a day of the
// arrays (1 .. capacity).
inline std::optional<double> arrowTipY(const PriceAxis &prices, const PriceHistory &h, int day, bool isBuy)
{
    if (isBuy)
        return prices.yOverBottomEdgeOf(h.low_array[day]);
    const std::optional<double> overHigh = prices.yOverBottomEdgeOf(h.high_array[day]);
    return overHigh ? std::optional<double>(*overHigh - SellTipRise) : std::nullopt;
}

// At x (twips of the pane), its tip under the day's low (a buy) or over its
// high (a sell). `day` must be a day of the arrays.
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
