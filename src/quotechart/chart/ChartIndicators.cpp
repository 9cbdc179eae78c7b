// REvuved's indicator panes.

#include "chart/ChartColors.h"
#include "chart/ChartPrivate.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/PictureBox.h"

namespace quotechart {

void REvuved::DisplayTechnicalIndicators(int16_t &indicator1, int16_t &indicator2, int16_t &indicator3)
{
    ChartWidgets &w = d->widgets;
    for (platform::PictureBox *pane : w.techPanes)
        pane->surface().clear();
    // The rulers too, so that labels never print over those of an earlier
    // drawing when the host calls this without Clear first.
    for (platform::PictureBox *ruler : w.techRulers)
        ruler->surface().clear();
    const QColor strips = marginStripColour();
    const int16_t indicators[PaneCount] = {indicator1, indicator2, indicator3};
    for (int k = 0; k < PaneCount; ++k) {
        if (const IndicatorInfo *indicator = findIndicator(indicators[k])) {
            const PaneTarget target{w.techRulers[k]->surface(), w.techPanes[k]->surface(), strips};
            indicator->draw(target, *d->history, starting_date_local, ending_date_local, d->document.pane_settings[k]);
        }
    }
    emit DrawComplete();
}

}   // namespace quotechart
