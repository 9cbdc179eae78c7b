#include "render/Legend.h"

#include "indicators/IndicatorCatalogue.h"
#include "platform/SurfaceRegion.h"

namespace quotechart {

namespace {

constexpr double Inset = 60;     // twips from the pane's top and left edges
constexpr double Spacing = 150;  // twips between two entries

}   // namespace

std::vector<LegendEntry> averagesLegend(const std::array<bool, 4> &shown, int16_t customPeriod,
                                        const std::array<QColor, 4> &colours)
{
    const int periods[] = {10, 50, 200, customPeriod};
    std::vector<LegendEntry> entries;
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (shown[i])
            entries.push_back({QString::number(periods[i]) + QStringLiteral(" Day MA"), colours[i]});
    return entries;
}

std::vector<LegendEntry> paneLegend(const PaneSettings &pane)
{
    std::vector<LegendEntry> entries;
    if (const IndicatorInfo *indicator = findIndicator(pane.indicator))
        for (const SeriesLegend &series : indicator->series)
            if (series.name)
                entries.push_back({series.text(pane), series.colour});
    return entries;
}

void drawLegendRow(platform::SurfaceRegion &pane, const std::vector<LegendEntry> &entries)
{
    const QColor was = pane.foreColor();
    double x = Inset;
    for (const LegendEntry &entry : entries) {
        if (x >= pane.scaleWidth())
            break;
        pane.setForeColor(entry.colour);
        pane.setCurrent(x, Inset);
        pane.print(entry.text);
        x += pane.textWidth(entry.text) + Spacing;
    }
    pane.setForeColor(was);
}

}   // namespace quotechart
