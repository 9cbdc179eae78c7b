// REvuved's indicator panes.

#include "chart/ChartColours.h"
#include "chart/ChartPrivate.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/PictureBox.h"

namespace quotechart {

void REvuved::DisplayTechnicalIndicators(int16_t &indicator1, int16_t &indicator2, int16_t &indicator3)
{
    ChartWidgets &w = d->widgets;
    for (platform::PictureBox *pane : w.indicatorPanes)
        pane->surface().clear();
    // The rulers too, so that labels never print over those of an earlier
    // drawing when the host calls this without Clear first.
    for (platform::PictureBox *ruler : w.indicatorRulers)
        ruler->surface().clear();
    const QColor strips = marginStripColour();
    const int16_t indicators[PaneCount] = {indicator1, indicator2, indicator3};
    for (int k = 0; k < PaneCount; ++k) {
        if (const IndicatorInfo *indicator = findIndicator(indicators[k])) {
            const PaneTarget target{w.indicatorRulers[k]->surface(), w.indicatorPanes[k]->surface(), strips};
            indicator->draw(target, d->model.history(), starting_date_local, ending_date_local, d->model.panes()[k]);
        }
    }
    d->announceChanges();
    emit DrawComplete();
}

}   // namespace quotechart
