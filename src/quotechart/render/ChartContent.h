#pragma once
// The chart's content as the window redraw draws it, step by step, on any
// set of regions: the picture boxes on the screen, or rectangles of another
// device when the chart is rendered as a picture. Each step draws what the
// public method of its name draws; the screen's methods call them.

#include "document/PaneSettings.h"
#include "document/PriceScale.h"

#include <QColor>

#include <array>
#include <cstdint>

namespace platform {
class SurfaceRegion;
}

namespace quotechart {

class ChartModel;

struct ChartRegions {
    platform::SurfaceRegion &pricePane;
    platform::SurfaceRegion &priceRuler;
    platform::SurfaceRegion &dateRuler;
    std::array<platform::SurfaceRegion *, PaneCount> indicatorPanes;
    std::array<platform::SurfaceRegion *, PaneCount> indicatorRulers;
};

// DrawPriceRuler: the price scale for days s .. e (into `scale`), linear or
// logarithmic as the switch says, the ruler and the horizontal grid.
void drawPriceRulerStep(const ChartRegions &regions, const ChartModel &model, int16_t s, int16_t e,
                        PriceScale &scale);
// DrawDateRuler: the day labels and the vertical grid.
void drawDateRulerStep(const ChartRegions &regions, ChartModel &model, int16_t s, int16_t e);
// DisplayChart after its range is fixed: the slot width (into `scale`), the
// days in the price style or the close line, the overlays and the
// transaction arrows; with the
// price drawing suppressed the arrows alone, on the model's range. A day
// outside the arrays fails with ControlError and ends the drawing.
void drawPricePaneStep(const ChartRegions &regions, const ChartModel &model, int16_t s, int16_t e,
                       PriceScale &scale);
// DisplayTechnicalIndicators: the three panes and their rulers, erased and
// drawn with indicators 1..10 (any other number leaves its pane empty).
void drawIndicatorPanesStep(const ChartRegions &regions, const ChartModel &model,
                            const std::array<int16_t, PaneCount> &indicators, const QColor &strips);

// The screen's legend: the averages shown, at the top left of the price
// pane (none while the price drawing is suppressed), and each pane's series
// at the top left of its pane.
void drawPriceLegendStep(const ChartRegions &regions, const ChartModel &model);
void drawPaneLegendsStep(const ChartRegions &regions, const ChartModel &model,
                         const std::array<int16_t, PaneCount> &indicators);

// The arrow of a transaction for the day under x on the price pane, placed
// by the scale's slot width. A day outside the arrays fails with ControlError.
void drawArrowUnder(platform::SurfaceRegion &pane, const ChartModel &model, const PriceScale &scale, float x,
                    bool isBuy);

}   // namespace quotechart
