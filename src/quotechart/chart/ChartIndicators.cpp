// REvuved's indicator panes.

#include "chart/ChartColours.h"
#include "chart/ChartPrivate.h"
#include "render/ChartContent.h"

namespace quotechart {

void REvuved::DisplayTechnicalIndicators(int16_t &indicator1, int16_t &indicator2, int16_t &indicator3)
{
    const ChartRegions regions = d->screenRegions();
    drawIndicatorPanesStep(regions, d->model, {indicator1, indicator2, indicator3}, marginStripColour());
    if (d->showLegend)
        drawPaneLegendsStep(regions, d->model, {indicator1, indicator2, indicator3});
    d->announceChanges();
    emit DrawComplete();
}

}   // namespace quotechart
