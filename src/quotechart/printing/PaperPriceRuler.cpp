#include "printing/PaperPriceRuler.h"

#include "platform/NumberFormat.h"
#include "platform/Rounding.h"
#include "platform/SurfaceRegion.h"
#include "printing/PageLayout.h"
#include "render/PixelRows.h"
#include "document/PriceScale.h"

namespace quotechart {

namespace {

constexpr double LabelX = 125;
const QColor GridGrey(190, 190, 190);

}   // namespace

std::optional<double> paperPriceScale(const PageLayout &p, const PriceScale &scale)
{
    return platform::divide(p.priceBottom() - 110,
                            double(scale.ruler_high_ticks - scale.ruler_low_ticks) * scale.price_tick);
}

void drawPaperPriceRuler(platform::SurfaceRegion &page, const PageLayout &p, const PriceScale &scale, double paperScale)
{
    const int low = int(platform::roundHalfEven(scale.ruler_low_ticks));
    const int high = int(platform::roundHalfEven(scale.ruler_high_ticks));
    PixelRowOnce labels(page), grid(page);
    for (int k = low; k <= high; ++k) {
        const double y = p.priceBottom() - 50 - (k - scale.ruler_low_ticks) * scale.price_tick * paperScale;
        page.setForeColor(Qt::black);
        if (k != high && labels.takes(y)) {
            page.setCurrent(LabelX, y);
            page.print(QStringLiteral("$ ") + platform::formatGeneral(float(k * scale.price_tick)));
        }
        if (grid.takes(y)) {
            page.setDrawStyle(platform::LineStyle::Dot);
            page.line(PageLayout::BandRight, y, p.frameRight(), y, GridGrey);
        }
    }
    page.setDrawStyle(platform::LineStyle::Solid);
    page.setForeColor(Qt::black);
}

}   // namespace quotechart
