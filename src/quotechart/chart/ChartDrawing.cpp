// REvuved's price pane: the rulers, the chart with its overlays and the
// transaction arrows, and the price range services.

#include "chart/ChartPrivate.h"
#include "platform/ErrorCodes.h"
#include "platform/PictureBox.h"
#include "render/DateRuler.h"
#include "render/PriceChartView.h"
#include "render/PricePane.h"
#include "render/PriceRange.h"
#include "render/PriceRuler.h"
#include "render/PriceScaleMath.h"
#include "render/Arrow.h"

namespace quotechart {

namespace {

// The days of the price pane as its last normal drawing placed them.
DayAxis paneDays(platform::SurfaceRegion &pane, ChartModel &model)
{
    return DayAxis::singleSlot(pane.scaleWidth(), model.newestDay(), model.oldestDay(), model.scale().day_width);
}

// The arrow for the day under x (twips of the price pane): a buy's tip under
// the day's low, a sell's over its high. A day outside the arrays fails.
void drawArrowUnder(REvuved::Private &d, float x, bool isBuy)
{
    platform::SurfaceRegion &pane = d.widgets.pricePane->surface();
    const std::optional<int16_t> day = paneDays(pane, d.model).dayAt(x);
    if (!day || *day < 1 || *day > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
    drawDayArrow(pane, PriceAxis(pane.scaleHeight(), d.model.scale()), d.model.history(), x, *day, isBuy);
}

}   // namespace

void REvuved::DrawPriceRuler(int16_t &starting_date, int16_t &ending_date)
{
    ChartModel &model = d->model;
    model.setRange({starting_date, ending_date});
    platform::SurfaceRegion &ruler = d->widgets.priceRuler->surface();
    model.scale() = fixPriceScale(ruler.scaleHeight(), MinimumPrice(), MaximumPrice(), model.scale());
    drawPriceRuler(ruler, d->widgets.pricePane->surface(), PriceAxis(ruler.scaleHeight(), model.scale()),
                   model.switches().horizontal_grid_flag);
}

void REvuved::DrawDateRuler(int16_t &starting_date, int16_t &ending_date)
{
    ChartModel &model = d->model;
    platform::SurfaceRegion &ruler = d->widgets.dateRuler->surface();
    drawDateRuler(ruler, d->widgets.pricePane->surface(), model.history(), model.dates(),
                  DayAxis::doubleSlot(ruler.scaleWidth(), starting_date, ending_date),
                  model.switches().vertical_grid_flag);
}

void REvuved::DisplayChart(int16_t &starting_date, int16_t &ending_date)
{
    ChartModel &model = d->model;
    platform::SurfaceRegion &pane = d->widgets.pricePane->surface();
    if (model.switches().hide_chart_flag) {
        d->widgets.priceRuler->surface().clear();
        pane.clear();
        drawArrowsOfHiddenChart(pane, paneDays(pane, model), model.tables(), model.buyCount(), model.sellCount());
        return;
    }
    const PriceHistory &h = model.history();
    if (ending_date > h.record_count)
        ending_date = h.record_count;
    const std::optional<float> slot = DayAxis::singleSlotWidth(pane.scaleWidth(), starting_date, ending_date);
    if (!slot)
        throw ControlError(platform::DivisionByZero);
    model.scale().day_width = *slot;
    model.setRange({starting_date, ending_date});

    const PriceChartView view{h, starting_date, ending_date,
                              DayAxis::singleSlot(pane.scaleWidth(), starting_date, ending_date, *slot),
                              PriceAxis(pane.scaleHeight(), model.scale())};
    drawPricePane(pane, view, model.switches(), model.overlays(), ScreenPriceLook);

    const TransactionTables &t = model.tables();
    for (int i = 1; i <= model.buyCount() && i <= TransactionTables::capacity; ++i) {
        float x = float(view.x(t.buy_days[std::size_t(i)]));
        DrawBuy(x);
    }
    for (int i = 1; i <= model.sellCount() && i <= TransactionTables::capacity; ++i) {
        float x = float(view.x(t.sell_days[std::size_t(i)]));
        DrawSell(x);
    }
}

void REvuved::DrawBuy(float &x) { drawArrowUnder(*d, x, true); }
void REvuved::DrawSell(float &x) { drawArrowUnder(*d, x, false); }

float REvuved::MaximumPrice() const { return highestHigh(d->model.history(), starting_date_local, ending_date_local); }

float REvuved::MinimumPrice() const { return lowestLow(d->model.history(), starting_date_local, ending_date_local); }

float REvuved::GetMaximumPrice(int16_t &starting_date, int16_t &ending_date)
{
    return highestHigh(d->model.history(), starting_date, ending_date);
}

float REvuved::GetMinimumPrice(int16_t &starting_date, int16_t &ending_date)
{
    return lowestLow(d->model.history(), starting_date, ending_date);
}

}   // namespace quotechart
