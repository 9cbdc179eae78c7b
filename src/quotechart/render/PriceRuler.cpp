#include "render/PriceRuler.h"

#include "platform/NumberFormat.h"
#include "platform/SurfaceRegion.h"
#include "render/GridStyle.h"
#include "render/PixelRows.h"
#include "render/PriceAxis.h"

namespace quotechart {

namespace {

constexpr double LabelX = 10;
constexpr double LabelRise = 180;      // labels sit this far above their line
constexpr double TopLabelLimit = 45;   // labels closer to the top are left out
constexpr double TickFrom = 50;
constexpr double MinorTickFrom = 550;
constexpr double RulerRight = 650;
constexpr int MinorTicks = 9;

struct RulerRows {
    PixelRowOnce labels, lines, grid, minorTicks;
};

void drawLine(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceAxis &axis, int j,
              bool horizontalGrid, RulerRows &rows)
{
    const PriceScale &scale = axis.scale();
    const double y = axis.rulerLineY(j);
    if (y - LabelRise > TopLabelLimit && rows.labels.takes(y - LabelRise)) {
        ruler.setCurrent(LabelX, y - LabelRise);
        ruler.print(QStringLiteral("$ ") + platform::formatGeneral(float(j * scale.price_tick)));
    }
    if (rows.lines.takes(y))
        ruler.line(TickFrom, y, RulerRight, y);
    if (horizontalGrid && rows.grid.takes(y))
        drawGridLine(pane, 0, y, pane.scaleWidth(), y);
    for (int m = 1; m <= MinorTicks; ++m) {
        const double minorY = axis.rulerLineY(j + m / 10.0);
        if (rows.minorTicks.takes(minorY))
            ruler.line(MinorTickFrom, minorY, RulerRight, minorY);
    }
}

}   // namespace

void drawPriceRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceAxis &axis,
                    bool horizontalGrid)
{
    const PriceScale &scale = axis.scale();
    ruler.setFontSize(8);
    // The counts are whole numbers within 16 bits, so this loop is bounded;
    // what it draws is bounded by the ruler's rows.
    RulerRows rows{PixelRowOnce(ruler), PixelRowOnce(ruler), PixelRowOnce(pane), PixelRowOnce(ruler)};
    for (int j = int(scale.ruler_low_ticks); j <= int(scale.ruler_high_ticks); ++j)
        drawLine(ruler, pane, axis, j, horizontalGrid, rows);
}

}   // namespace quotechart
