#include "printing/PaperPriceRuler.h"

#include "calc/LogScale.h"
#include "document/PriceScale.h"
#include "platform/NumberFormat.h"
#include "platform/Rounding.h"
#include "platform/SurfaceRegion.h"
#include "printing/PageLayout.h"
#include "render/PixelRows.h"
#include "render/PriceRuler.h"

namespace quotechart {

namespace {

constexpr double LabelX = 125;
const QColor GridGrey(190, 190, 190);
constexpr double LogTopTolerance = 1e-9;   // decades

struct PaperRows {
    PixelRowOnce labels, grid;
};

// One ruler line at y: its "$ " label unless it is the top line, and its grid.
void drawPaperLine(platform::SurfaceRegion &page, const PageLayout &p, double y, float price, bool labelled,
                   PaperRows &rows)
{
    page.setForeColor(Qt::black);
    if (labelled && rows.labels.takes(y)) {
        page.setCurrent(LabelX, y);
        page.print(QStringLiteral("$ ") + platform::formatGeneral(price));
    }
    if (rows.grid.takes(y)) {
        page.setDrawStyle(platform::LineStyle::Dot);
        page.line(PageLayout::BandRight, y, p.frameRight(), y, GridGrey);
    }
}

void drawLinearLines(platform::SurfaceRegion &page, const PageLayout &p, const PriceScale &scale, double paperScale,
                     PaperRows &rows)
{
    const int low = int(platform::roundHalfEven(scale.ruler_low_ticks));
    const int high = int(platform::roundHalfEven(scale.ruler_high_ticks));
    for (int k = low; k <= high; ++k) {
        const double y = p.priceBottom() - 50 - (k - scale.ruler_low_ticks) * scale.price_tick * paperScale;
        drawPaperLine(page, p, y, float(k * scale.price_tick), k != high, rows);
    }
}

void drawLogLines(platform::SurfaceRegion &page, const PageLayout &p, const PriceScale &scale, double paperScale,
                  PaperRows &rows)
{
    for (double price : logRulerLines(scale)) {
        const double decades = logscale::decadesOf(price).value_or(scale.log_low);
        const double y = p.priceBottom() - 50 - (decades - scale.log_low) * paperScale;
        drawPaperLine(page, p, y, float(price), decades < scale.log_high - LogTopTolerance, rows);
    }
}

}   // namespace

std::optional<double> paperPriceScale(const PageLayout &p, const PriceScale &scale)
{
    if (scale.logarithmic)
        return platform::divide(p.priceBottom() - 110, scale.log_high - scale.log_low);
    return platform::divide(p.priceBottom() - 110,
                            double(scale.ruler_high_ticks - scale.ruler_low_ticks) * scale.price_tick);
}

void drawPaperPriceRuler(platform::SurfaceRegion &page, const PageLayout &p, const PriceScale &scale, double paperScale)
{
    PaperRows rows{PixelRowOnce(page), PixelRowOnce(page)};
    if (scale.logarithmic)
        drawLogLines(page, p, scale, paperScale, rows);
    else
        drawLinearLines(page, p, scale, paperScale, rows);
    page.setDrawStyle(platform::LineStyle::Solid);
    page.setForeColor(Qt::black);
}

}   // namespace quotechart
