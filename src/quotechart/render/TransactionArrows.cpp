#include "render/TransactionArrows.h"

#include "platform/SurfaceRegion.h"
#include "render/Arrow.h"
#include "render/ArrowTip.h"

namespace quotechart {

namespace {

constexpr double HiddenBuyRise = 200;   // arrow tips above the bottom when the chart is hidden
constexpr double HiddenSellRise = 50;

}   // namespace

void drawDayArrow(platform::SurfaceRegion &pane, const PriceAxis &prices, const PriceHistory &history, double x,
                  int16_t day, bool isBuy)
{
    float px = float(x / pane.twipsPerPixelX());
    float py = float(arrowTipY(prices, history, day, isBuy) / pane.twipsPerPixelY());
    DrawArrow(px, py, pane, isBuy);
}

void drawArrowAboveBottom(platform::SurfaceRegion &pane, double x, double rise, bool isBuy)
{
    float px = float(x / pane.twipsPerPixelX());
    float py = float((pane.scaleHeight() - rise) / pane.twipsPerPixelY());
    DrawArrow(px, py, pane, isBuy);
}

void drawArrowsOfHiddenChart(platform::SurfaceRegion &pane, const DayAxis &days, const TransactionTables &t,
                             int16_t buys, int16_t sells)
{
    for (int i = 1; i <= buys && i <= TransactionTables::capacity; ++i)
        drawArrowAboveBottom(pane, days.x(t.buy_days[std::size_t(i)]), HiddenBuyRise, true);
    for (int i = 1; i <= sells && i <= TransactionTables::capacity; ++i)
        drawArrowAboveBottom(pane, days.x(t.sell_days[std::size_t(i)]), HiddenSellRise, false);
}

}   // namespace quotechart
