#include "render/ChartContent.h"

#include "document/ChartModel.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/ErrorCodes.h"
#include "platform/SurfaceRegion.h"
#include "quotechart/ControlError.h"
#include "render/Arrow.h"
#include "render/DateRuler.h"
#include "render/Legend.h"
#include "render/PriceChartView.h"
#include "render/PricePane.h"
#include "render/PriceRange.h"
#include "render/PriceRuler.h"
#include "render/PriceScaleMath.h"

namespace quotechart {

void drawPriceRulerStep(const ChartRegions &r, const ChartModel &model, int16_t s, int16_t e, PriceScale &scale)
{
    const PriceHistory &h = model.history();
    const double height = r.priceRuler.scaleHeight();
    scale = model.switches().logarithmic_scale_flag
        ? fixLogPriceScale(height, lowestPositiveLow(h, s, e), highestHigh(h, s, e), scale)
        : fixPriceScale(height, lowestLow(h, s, e), highestHigh(h, s, e), scale);
    drawPriceRuler(r.priceRuler, r.pricePane, PriceAxis(r.priceRuler.scaleHeight(), scale),
                   model.switches().horizontal_grid_flag);
}

void drawDateRulerStep(const ChartRegions &r, ChartModel &model, int16_t s, int16_t e)
{
    drawDateRuler(r.dateRuler, r.pricePane, model.history(), model.dates(),
                  DayAxis::doubleSlot(r.dateRuler.scaleWidth(), s, e), model.switches().vertical_grid_flag);
}

void drawArrowUnder(platform::SurfaceRegion &pane, const ChartModel &model, const PriceScale &scale, float x,
                    bool isBuy)
{
    const VisibleRange range = model.range();
    const std::optional<int16_t> day = DayAxis::singleSlot(pane.scaleWidth(), range.s, range.e, scale.day_width).dayAt(x);
    if (!day || *day < 1 || *day > PriceHistory::capacity)
        throw ControlError(platform::SubscriptOutOfRange);
    drawDayArrow(pane, PriceAxis(pane.scaleHeight(), scale), model.history(), x, *day, isBuy);
}

void drawPricePaneStep(const ChartRegions &r, const ChartModel &model, int16_t s, int16_t e, PriceScale &scale)
{
    platform::SurfaceRegion &pane = r.pricePane;
    const TransactionTables &t = model.tables();
    if (model.switches().hide_chart_flag) {   // placed as the last normal drawing placed the days
        const VisibleRange last = model.range();
        r.priceRuler.clear();
        pane.clear();
        drawArrowsOfHiddenChart(pane, DayAxis::singleSlot(pane.scaleWidth(), last.s, last.e, scale.day_width), t,
                                model.buyCount(), model.sellCount());
        return;
    }
    const std::optional<float> slot = DayAxis::singleSlotWidth(pane.scaleWidth(), s, e);
    if (!slot)
        throw ControlError(platform::DivisionByZero);
    scale.day_width = *slot;
    const PriceChartView view{model.history(), s, e, DayAxis::singleSlot(pane.scaleWidth(), s, e, *slot),
                              PriceAxis(pane.scaleHeight(), scale)};
    PricePaneLook look = ScreenPriceLook;
    look.candles = model.candleColours();
    drawPricePane(pane, view, model.switches(), model.overlays(), look);
    for (int i = 1; i <= model.buyCount() && i <= TransactionTables::capacity; ++i)
        drawArrowUnder(pane, model, scale, float(view.x(t.buy_days[std::size_t(i)])), true);
    for (int i = 1; i <= model.sellCount() && i <= TransactionTables::capacity; ++i)
        drawArrowUnder(pane, model, scale, float(view.x(t.sell_days[std::size_t(i)])), false);
}

void drawIndicatorPanesStep(const ChartRegions &r, const ChartModel &model,
                            const std::array<int16_t, PaneCount> &indicators, const QColor &strips)
{
    for (platform::SurfaceRegion *pane : r.indicatorPanes)
        pane->clear();
    // The rulers too, so that labels never print over those of an earlier
    // drawing when the host calls this without Clear first.
    for (platform::SurfaceRegion *ruler : r.indicatorRulers)
        ruler->clear();
    const VisibleRange range = model.range();
    for (std::size_t k = 0; k < PaneCount; ++k)
        if (const IndicatorInfo *indicator = findIndicator(indicators[k]))
            indicator->draw(PaneTarget{*r.indicatorRulers[k], *r.indicatorPanes[k], strips}, model.history(), range.s,
                            range.e, model.panes()[k]);
}

void drawPriceLegendStep(const ChartRegions &r, const ChartModel &model)
{
    const DrawingSwitches &on = model.switches();
    if (on.hide_chart_flag)
        return;
    drawLegendRow(r.pricePane, averagesLegend({on.ma10_flag, on.ma50_flag, on.ma200_flag, on.macustom_flag},
                                              model.overlays().custom_ma_period, ScreenPriceLook.averageColours));
}

void drawPaneLegendsStep(const ChartRegions &r, const ChartModel &model, const std::array<int16_t, PaneCount> &indicators)
{
    for (std::size_t k = 0; k < PaneCount; ++k) {
        PaneSettings pane = model.panes()[k];
        pane.indicator = indicators[k];
        drawLegendRow(*r.indicatorPanes[k], paneLegend(pane));
    }
}

}   // namespace quotechart
