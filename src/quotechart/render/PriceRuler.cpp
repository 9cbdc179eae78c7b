#include "render/PriceRuler.h"

#include "calc/LogScale.h"
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
// A logarithmic ruler's labels stand at least this far apart, about as far as
// a linear ruler's least; its minor ticks at least three pixels.
constexpr double LogLabelGap = 400;
constexpr double LogMinorTickGap = 45;

struct RulerRows {
    PixelRowOnce labels, lines, grid, minorTicks;
};

void drawLabelledLine(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, double y, float price,
                      bool horizontalGrid, RulerRows &rows)
{
    if (y - LabelRise > TopLabelLimit && rows.labels.takes(y - LabelRise)) {
        ruler.setCurrent(LabelX, y - LabelRise);
        ruler.print(QStringLiteral("$ ") + platform::formatGeneral(price));
    }
    if (rows.lines.takes(y))
        ruler.line(TickFrom, y, RulerRight, y);
    if (horizontalGrid && rows.grid.takes(y))
        drawGridLine(pane, 0, y, pane.scaleWidth(), y);
}

void drawMinorTick(platform::SurfaceRegion &ruler, double y, RulerRows &rows)
{
    if (rows.minorTicks.takes(y))
        ruler.line(MinorTickFrom, y, RulerRight, y);
}

void drawLinearRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceAxis &axis,
                     bool horizontalGrid, RulerRows &rows)
{
    const PriceScale &scale = axis.scale();
    // The counts are whole numbers within 16 bits, so this loop is bounded;
    // what it draws is bounded by the ruler's rows.
    for (int j = int(scale.ruler_low_ticks); j <= int(scale.ruler_high_ticks); ++j) {
        drawLabelledLine(ruler, pane, axis.rulerLineY(j), float(j * scale.price_tick), horizontalGrid, rows);
        for (int m = 1; m <= MinorTicks; ++m)
            drawMinorTick(ruler, axis.rulerLineY(j + m / 10.0), rows);
    }
}

// Labels and grid lines at the round values logscale::rulerValues chooses for
// labels, minor ticks at those it chooses for ticks.
void drawLogRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceAxis &axis,
                  bool horizontalGrid, RulerRows &rows)
{
    const PriceScale &scale = axis.scale();
    const logscale::DecadeRange range{scale.log_low, scale.log_high};
    for (double value : logRulerLines(scale))
        if (const std::optional<double> y = axis.yOf(value))
            drawLabelledLine(ruler, pane, *y, float(value), horizontalGrid, rows);
    for (double value : logscale::rulerValues(range, scale.price_scale, LogMinorTickGap))
        if (const std::optional<double> y = axis.yOf(value))
            drawMinorTick(ruler, *y, rows);
}

}   // namespace

std::vector<double> logRulerLines(const PriceScale &scale)
{
    return logscale::rulerValues({scale.log_low, scale.log_high}, scale.price_scale, LogLabelGap);
}

void drawPriceRuler(platform::SurfaceRegion &ruler, platform::SurfaceRegion &pane, const PriceAxis &axis,
                    bool horizontalGrid)
{
    ruler.setFontSize(8);
    RulerRows rows{PixelRowOnce(ruler), PixelRowOnce(ruler), PixelRowOnce(pane), PixelRowOnce(ruler)};
    if (axis.scale().logarithmic)
        drawLogRuler(ruler, pane, axis, horizontalGrid, rows);
    else
        drawLinearRuler(ruler, pane, axis, horizontalGrid, rows);
}

}   // namespace quotechart
