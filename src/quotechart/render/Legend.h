#pragma once
// The legend's entries, named once for the printed page and the screen: the
// moving averages shown and the series of each indicator pane, each with the
// colour it is drawn in.

#include "document/PaneSettings.h"

#include <QColor>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

struct LegendEntry {
    QString text;
    QColor colour;
};

// The averages of 10, 50 and 200 days and of the custom period, those shown,
// in that order, in the given colours.
std::vector<LegendEntry> averagesLegend(const std::array<bool, 4> &shown, int16_t customPeriod,
                                        const std::array<QColor, 4> &colours);
// The series of the pane's indicator (none for a number outside 1..10).
std::vector<LegendEntry> paneLegend(const PaneSettings &pane);

// The entries side by side along the top left of a pane of the screen, each
// in its colour on the pane, for as far as the pane is wide.
void drawLegendRow(platform::SurfaceRegion &pane, const std::vector<LegendEntry> &entries);

}   // namespace quotechart
