// REvuved's price pane: the rulers, the chart with its overlays and the
// transaction arrows, and the price range services.

#include "chart/ChartPrivate.h"
#include "document/OverlayParameters.h"
#include "platform/ErrorCodes.h"
#include "platform/PictureBox.h"
#include "render/DateRuler.h"
#include "render/Overlays.h"
#include "render/PriceBars.h"
#include "render/PriceChartView.h"
#include "render/PriceRange.h"
#include "render/PriceRuler.h"
#include "render/PriceScaleMath.h"
#include "render/Arrow.h"
#include "render/ArrowTip.h"

namespace quotechart {

namespace {

const QColor MA10Colour(200, 0, 0);
const QColor MA50Colour(0, 200, 0);
const QColor MA200Colour(0, 0, 200);
const QColor CustomMAColour(0, 128, 255);
constexpr double HiddenBuyRise = 200;   // arrow tips above the bottom when the chart is hidden
constexpr double HiddenSellRise = 50;

void drawOverlays(platform::SurfaceRegion &pane, const PriceChartView &view, const DrawingSwitches &on)
{
    const OverlayParameters &p = overlayParameters();
    if (on.ma10_flag)
        drawMovingAverage(pane, view, 10, MA10Colour);
    if (on.ma50_flag)
        drawMovingAverage(pane, view, 50, MA50Colour);
    if (on.ma200_flag)
        drawMovingAverage(pane, view, 200, MA200Colour);
    if (on.macustom_flag)
        drawMovingAverage(pane, view, p.custom_ma_period, CustomMAColour);
    if (on.envelopes_flag)
        drawEnvelopes(pane, view, p.envelope_period, p.envelope_percent);
    if (on.bollinger_flag)
        drawBollingerBands(pane, view, p.bollinger_period, p.bollinger_width);
}

}   // namespace

void REvuved::DrawPriceRuler(int16_t &starting_date, int16_t &ending_date)
{
    starting_date_local = starting_date;
    ending_date_local = ending_date;
    platform::SurfaceRegion &ruler = d->widgets.PriceRuler->surface();
    d->scale = fixPriceScale(ruler.scaleHeight(), MinimumPrice(), MaximumPrice(), d->scale);
    drawPriceRuler(ruler, d->widgets.Picture1->surface(), PriceAxis(ruler.scaleHeight(), d->scale),
                   d->document.switches.horizontal_grid_flag);
}

void REvuved::DrawDateRuler(int16_t &starting_date, int16_t &ending_date)
{
    platform::SurfaceRegion &ruler = d->widgets.DateRuler->surface();
    drawDateRuler(ruler, d->widgets.Picture1->surface(), *d->history, d->dates,
                  DayAxis::doubleSlot(ruler.scaleWidth(), starting_date, ending_date),
                  d->document.switches.vertical_grid_flag);
}

void REvuved::DisplayChart(int16_t &starting_date, int16_t &ending_date)
{
    if (d->document.switches.hide_chart_flag) {
        drawHiddenChartArrows();
        return;
    }
    const PriceHistory &h = *d->history;
    if (ending_date > h.record_count)
        ending_date = h.record_count;
    platform::SurfaceRegion &pane = d->widgets.Picture1->surface();
    const std::optional<float> slot = DayAxis::singleSlotWidth(pane.scaleWidth(), starting_date, ending_date);
    if (!slot)
        throw ControlError(platform::DivisionByZero);
    d->scale.day_width = *slot;
    starting_date_local = starting_date;
    ending_date_local = ending_date;

    pane.setForeColor(Qt::black);
    const PriceChartView view{h, starting_date, ending_date,
                              DayAxis::singleSlot(pane.scaleWidth(), starting_date, ending_date, *slot),
                              PriceAxis(pane.scaleHeight(), d->scale)};
    if (d->document.switches.high_low_close_flag)
        drawPriceBars(pane, view);
    else
        drawCloseLine(pane, view);
    drawOverlays(pane, view, d->document.switches);
    pane.setForeColor(Qt::black);

    const TransactionTables &t = d->document.transactions;
    for (int i = 1; i <= buy_number && i <= TransactionTables::capacity; ++i) {
        float x = float(view.x(t.buy_days[i]));
        DrawBuy(x);
    }
    for (int i = 1; i <= sell_number && i <= TransactionTables::capacity; ++i) {
        float x = float(view.x(t.sell_days[i]));
        DrawSell(x);
    }
}

// With the price drawing suppressed only the arrows show, along the bottom of
// the pane, placed with the days and slot width of the last normal drawing.
void REvuved::drawHiddenChartArrows()
{
    platform::SurfaceRegion &dc = d->widgets.Picture1->surface();
    d->widgets.PriceRuler->surface().clear();
    dc.clear();
    const TransactionTables &t = d->document.transactions;
    const double H = dc.scaleHeight();
    const DayAxis days =
        DayAxis::singleSlot(dc.scaleWidth(), starting_date_local, ending_date_local, d->scale.day_width);
    auto draw = [&](int16_t day, double rise, bool isBuy) {
        float x = float(days.x(day) / dc.twipsPerPixelX());
        float y = float((H - rise) / dc.twipsPerPixelY());
        DrawArrow(x, y, dc, isBuy);
    };
    for (int i = 1; i <= buy_number && i <= TransactionTables::capacity; ++i)
        draw(t.buy_days[i], HiddenBuyRise, true);
    for (int i = 1; i <= sell_number && i <= TransactionTables::capacity; ++i)
        draw(t.sell_days[i], HiddenSellRise, false);
}

void REvuved::DrawBuy(float &x) { drawTransactionArrow(x, true); }
void REvuved::DrawSell(float &x) { drawTransactionArrow(x, false); }

// The arrow for the day under x: a buy's tip 50 twips under the day's low, a
// sell's 50 twips over its high (the prices are mapped without the ruler's
// 50-twip foot, which leaves that gap between bar and arrow).
void REvuved::drawTransactionArrow(float x, bool isBuy)
{
    platform::SurfaceRegion &dc = d->widgets.Picture1->surface();
    const DayAxis days =
        DayAxis::singleSlot(dc.scaleWidth(), starting_date_local, ending_date_local, d->scale.day_width);
    const std::optional<int16_t> day = days.dayAt(x);
    if (!day || *day < 1 || *day > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
    drawArrowForDay(x, *day, isBuy);
}

// The arrow for a day (1 to the capacity) at x, whatever day lies under x.
void REvuved::drawArrowForDay(float x, int16_t day, bool isBuy)
{
    platform::SurfaceRegion &dc = d->widgets.Picture1->surface();
    const PriceHistory &h = *d->history;
    const PriceAxis prices(dc.scaleHeight(), d->scale);
    const double tipY = arrowTipY(prices, h, day, isBuy);
    float px = float(x / dc.twipsPerPixelX());
    float py = float(tipY / dc.twipsPerPixelY());
    DrawArrow(px, py, dc, isBuy);
}

float REvuved::MaximumPrice() const { return highestHigh(*d->history, starting_date_local, ending_date_local); }
float REvuved::MinimumPrice() const { return lowestLow(*d->history, starting_date_local, ending_date_local); }

float REvuved::GetMaximumPrice(int16_t &starting_date, int16_t &ending_date)
{
    return highestHigh(*d->history, starting_date, ending_date);
}

float REvuved::GetMinimumPrice(int16_t &starting_date, int16_t &ending_date)
{
    return lowestLow(*d->history, starting_date, ending_date);
}

}   // namespace quotechart
