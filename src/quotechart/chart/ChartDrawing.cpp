// REvuved's price pane: the rulers, the chart with its overlays and the
// transaction arrows, and the price range services.

#include "chart/ChartPrivate.h"
#include "chart/OverlayParameters.h"
#include "platform/ErrorCodes.h"
#include "platform/PictureBox.h"
#include "render/DateRuler.h"
#include "render/Overlays.h"
#include "render/PriceBars.h"
#include "render/PriceChartView.h"
#include "render/PriceRange.h"
#include "render/PriceRuler.h"
#include "transactions/Arrow.h"

namespace quotechart {

namespace {

const QColor MA10Colour(200, 0, 0);
const QColor MA50Colour(0, 200, 0);
const QColor MA200Colour(0, 0, 200);
const QColor CustomMAColour(0, 128, 255);
constexpr double HiddenBuyRise = 200;   // arrow tips above the bottom when the chart is hidden
constexpr double HiddenSellRise = 50;
constexpr double SellTipRise = 100;     // a sell tip stands this far above the day's high

void drawOverlays(platform::Surface &pane, const PriceChartView &view, const DrawingSwitches &on)
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

} // namespace

void REvuved::DrawPriceRuler(int16_t &starting_date, int16_t &ending_date)
{
    starting_date_local = starting_date;
    ending_date_local = ending_date;
    ChartWidgets &w = d->widgets;
    drawPriceRuler(w.PriceRuler->surface(), w.Picture1->surface(), MinimumPrice(), MaximumPrice(),
                   d->state.switches.horizontal_grid_flag, d->state.scale);
}

void REvuved::DrawDateRuler(int16_t &starting_date, int16_t &ending_date)
{
    ChartWidgets &w = d->widgets;
    drawDateRuler(w.DateRuler->surface(), w.Picture1->surface(), *d->history, d->dates, starting_date, ending_date,
                  d->state.switches.vertical_grid_flag);
}

void REvuved::DisplayChart(int16_t &starting_date, int16_t &ending_date)
{
    if (d->state.switches.hide_chart_flag) {
        drawHiddenChartArrows();
        return;
    }
    const PriceHistory &h = *d->history;
    if (ending_date > h.record_count)
        ending_date = h.record_count;
    platform::PictureBox &picture = *d->widgets.Picture1;
    const std::optional<float> slot = daySlotWidth(picture.scaleWidth(), starting_date, ending_date);
    if (!slot)
        throw ControlError(platform::DivisionByZero);
    d->state.scale.day_width = *slot;
    starting_date_local = starting_date;
    ending_date_local = ending_date;

    platform::Surface &pane = picture.surface();
    pane.setForeColor(Qt::black);
    const PriceChartView view{h, starting_date, ending_date, d->state.scale, picture.scaleWidth(),
                              picture.scaleHeight()};
    if (d->state.switches.high_low_close_flag)
        drawPriceBars(pane, view);
    else
        drawCloseLine(pane, view);
    drawOverlays(pane, view, d->state.switches);
    pane.setForeColor(Qt::black);

    const TransactionTables &t = d->state.transactions;
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
    platform::PictureBox &picture = *d->widgets.Picture1;
    d->widgets.PriceRuler->surface().clear();
    picture.surface().clear();
    const TransactionTables &t = d->state.transactions;
    const double W = picture.scaleWidth(), H = picture.scaleHeight();
    platform::Surface &dc = picture.surface();
    auto draw = [&](int16_t day, double rise, bool isBuy) {
        float x = float(dayX(W, day, starting_date_local, d->state.scale.day_width) / dc.twipsPerPixelX());
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
    platform::PictureBox &picture = *d->widgets.Picture1;
    const std::optional<int16_t> day = dayUnderX(x, picture.scaleWidth(), starting_date_local, ending_date_local);
    if (!day || *day < 1 || *day > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
    const PriceScale &scale = d->state.scale;
    const PriceHistory &h = *d->history;
    const double foot = double(scale.ruler_low_ticks) * scale.price_tick;
    const double H = picture.scaleHeight();
    const double tipY = isBuy ? H - (h.low_array[*day] - foot) * scale.price_scale
                              : H - (h.high_array[*day] - foot) * scale.price_scale - SellTipRise;
    platform::Surface &dc = picture.surface();
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

} // namespace quotechart
