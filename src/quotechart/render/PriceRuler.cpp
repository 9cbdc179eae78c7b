#include "render/PriceRuler.h"

#include "chart/ChartState.h"
#include "platform/NumberFormat.h"
#include "platform/Surface.h"
#include "render/GridStyle.h"
#include "render/PixelRows.h"
#include "render/PriceScaleMath.h"

namespace quotechart {

namespace {

constexpr double LabelX = 10;
constexpr double LabelRise = 180;     // labels sit this far above their line
constexpr double TopLabelLimit = 45;  // labels closer to the top are left out
constexpr double TickFrom = 50;
constexpr double MinorTickFrom = 550;
constexpr double RulerRight = 650;
constexpr int MinorTicks = 9;

void fixScale(double height, float minPrice, float maxPrice, PriceScale &scale)
{
    scale.price_tick = priceTickFor(maxPrice - minPrice);
    if (const auto high = rulerHighTicksWithin16Bits(maxPrice, scale.price_tick))
        scale.ruler_high_ticks = *high;
    if (const auto low = rulerLowTicksWithin16Bits(minPrice, scale.price_tick))
        scale.ruler_low_ticks = *low;
    if (const auto perPrice = priceScaleFor(height, scale.ruler_high_ticks, scale.ruler_low_ticks, scale.price_tick))
        scale.price_scale = *perPrice;
}

// The y of ruler line j (fractional j for the minor ticks).
double lineY(double height, double j, const PriceScale &scale)
{
    return height - 50 - (j - scale.ruler_low_ticks) * scale.price_tick * scale.price_scale;
}

struct RulerRows {
    PixelRowOnce labels, lines, grid, minorTicks;
};

void drawLine(platform::Surface &ruler, platform::Surface &pane, double height, int j, bool horizontalGrid,
              const PriceScale &scale, RulerRows &rows)
{
    const double y = lineY(height, j, scale);
    if (y - LabelRise > TopLabelLimit && rows.labels.takes(y - LabelRise)) {
        ruler.setCurrent(LabelX, y - LabelRise);
        ruler.print(QStringLiteral("$ ") + platform::formatGeneral(float(j * scale.price_tick)));
    }
    if (rows.lines.takes(y))
        ruler.line(TickFrom, y, RulerRight, y);
    if (horizontalGrid && rows.grid.takes(y))
        drawGridLine(pane, 0, y, pane.scaleWidth(), y);
    for (int m = 1; m <= MinorTicks; ++m) {
        const double minorY = lineY(height, j + m / 10.0, scale);
        if (rows.minorTicks.takes(minorY))
            ruler.line(MinorTickFrom, minorY, RulerRight, minorY);
    }
}

} // namespace

void drawPriceRuler(platform::Surface &ruler, platform::Surface &pane, float minPrice, float maxPrice,
                    bool horizontalGrid, PriceScale &scale)
{
    const double height = ruler.scaleHeight();
    fixScale(height, minPrice, maxPrice, scale);
    ruler.setFontSize(8);
    // The counts are whole numbers within 16 bits, so this loop is bounded;
    // what it draws is bounded by the ruler's rows.
    RulerRows rows{PixelRowOnce(ruler), PixelRowOnce(ruler), PixelRowOnce(pane), PixelRowOnce(ruler)};
    for (int j = int(scale.ruler_low_ticks); j <= int(scale.ruler_high_ticks); ++j)
        drawLine(ruler, pane, height, j, horizontalGrid, scale, rows);
}

} // namespace quotechart
