#include "render/Arrow.h"

#include "platform/Rounding.h"
#include "platform/SurfaceRegion.h"

#include <QColor>

#include <cmath>

namespace quotechart {

namespace {

struct Segment {
    int fromX, fromY, toX, toY;   // offsets; y offsets grow away from the tip
};

// The shaft's centre and sides, then the three rows of the head.
constexpr Segment ArrowSegments[] = {
    {0, 0, 0, 12}, {-1, 1, -1, 12}, {1, 1, 1, 12}, {2, 2, -3, 2}, {3, 3, -4, 3}, {4, 4, -5, 4},
};

int at(float base, int offset) { return int(platform::roundHalfEven(double(base) + offset)); }

constexpr double HiddenBuyRise = 200;   // arrow tips above the bottom when the chart is hidden
constexpr double HiddenSellRise = 50;

}   // namespace

void DrawArrow(float &x, float &y, platform::SurfaceRegion &dc, bool is_buy)
{
    // Far outside any device (a transaction well outside the visible days):
    // nothing would show, and the pixel maths must not overflow.
    constexpr float FarAway = 1.0e6f;
    if (!(std::fabs(x) < FarAway) || !(std::fabs(y) < FarAway))
        return;
    const int s = is_buy ? 1 : -1;
    platform::PixelPen pen(dc, is_buy ? QColor(0, 180, 0) : QColor(180, 0, 0));
    for (const Segment &segment : ArrowSegments) {
        pen.moveTo(at(x, segment.fromX), at(y, s * segment.fromY));
        pen.lineTo(at(x, segment.toX), at(y, s * segment.toY));
    }
}

void drawDayArrow(platform::SurfaceRegion &pane, const PriceAxis &prices, const PriceHistory &history, double x,
                  int16_t day, bool isBuy)
{
    const std::optional<double> tip = arrowTipY(prices, history, day, isBuy);
    if (!tip)
        return;
    float px = float(x / pane.twipsPerPixelX());
    float py = float(*tip / pane.twipsPerPixelY());
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
