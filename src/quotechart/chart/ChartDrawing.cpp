// REvuved's price pane and rulers: the window redraw's drawing steps on the
// picture boxes, and the price range services.

#include "chart/ChartPrivate.h"
#include "platform/ErrorCodes.h"
#include "platform/PictureBox.h"
#include "render/ChartContent.h"
#include "render/DayAxis.h"
#include "render/PriceRange.h"

namespace quotechart {

void REvuved::DrawPriceRuler(int16_t &starting_date, int16_t &ending_date)
{
    d->model.setRange({starting_date, ending_date});
    drawPriceRulerStep(d->screenRegions(), d->model, starting_date, ending_date, d->model.scale());
}

void REvuved::DrawDateRuler(int16_t &starting_date, int16_t &ending_date)
{
    drawDateRulerStep(d->screenRegions(), d->model, starting_date, ending_date);
}

void REvuved::DisplayChart(int16_t &starting_date, int16_t &ending_date)
{
    ChartModel &model = d->model;
    if (!model.switches().hide_chart_flag) {
        if (ending_date > model.history().record_count)
            ending_date = model.history().record_count;
        if (!DayAxis::singleSlotWidth(d->widgets.pricePane->surface().scaleWidth(), starting_date, ending_date))
            throw ControlError(platform::DivisionByZero);
        model.setRange({starting_date, ending_date});
    }
    const ChartRegions regions = d->screenRegions();
    drawPricePaneStep(regions, model, starting_date, ending_date, model.scale());
    if (d->showLegend)
        drawPriceLegendStep(regions, model);
}

void REvuved::DrawBuy(float &x) { drawArrowUnder(d->widgets.pricePane->surface(), d->model, d->model.scale(), x, true); }
void REvuved::DrawSell(float &x)
{
    drawArrowUnder(d->widgets.pricePane->surface(), d->model, d->model.scale(), x, false);
}

bool REvuved::showLegend() const { return d->showLegend; }

void REvuved::setShowLegend(bool on)
{
    if (on == d->showLegend)
        return;
    d->showLegend = on;
    d->redraw();
    emit showLegendChanged(on);
}

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
