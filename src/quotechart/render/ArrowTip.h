#pragma once
// Where a transaction's arrow points, on the screen's price pane and on paper
// alike: a buy's tip 50 twips under the day's low, a sell's 50 twips over its
// high (the prices are mapped without the pane's bottom margin, which leaves
// that gap between bar and arrow).

#include "quotechart/PriceHistory.h"
#include "render/PriceAxis.h"

namespace quotechart {

inline constexpr double SellTipRise = 100;   // a sell tip stands this far above the buy rule's place

// `day` must be a day of the arrays (1 .. capacity).
inline double arrowTipY(const PriceAxis &prices, const PriceHistory &h, int day, bool isBuy)
{
    return isBuy ? prices.yOverBottomEdge(h.low_array[day]) : prices.yOverBottomEdge(h.high_array[day]) - SellTipRise;
}

}   // namespace quotechart
