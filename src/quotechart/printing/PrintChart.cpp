#include "printing/PrintChart.h"

#include "document/ChartModel.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/Surface.h"
#include "printing/PageLayout.h"
#include "printing/PaperColours.h"
#include "printing/PaperDateRuler.h"
#include "printing/PaperFrame.h"
#include "printing/PaperLegend.h"
#include "printing/PaperPriceRuler.h"
#include "printing/PrintArrow.h"
#include "quotechart/ControlError.h"
#include "render/Arrow.h"
#include "render/PriceChartView.h"
#include "render/PricePane.h"

#include <algorithm>
#include <cmath>

namespace quotechart {

namespace {

const QString Credit = QStringLiteral("Printed with quotechart");
const QColor PaneStrips(220, 220, 220);
constexpr double BarsDrop = 45;   // paper bars sit this far below the ruler's lines
constexpr double PaneLabelPoints = 6;
constexpr double DateLabelPoints = 5;   // the band under the price area is 100 twips high
constexpr double LegendPoints = 8;
constexpr double LegendTextRoom = 350;   // from the legend's text column to the layout's right edge
// The page labels the panes' values to tenths, the screen to hundredths.
constexpr QStringView PaperValueFormat = u"####0.0";

// Twips the layout gives up on the right so that the widest legend text
// fits on the page: the legend stands in the margin beside the frame, which
// is narrower than most of its texts.
double legendRoom(platform::SurfaceRegion &page, const LegendContent &legend)
{
    const double before = page.fontSize();
    page.setFontSize(LegendPoints);
    double widest = 0;
    for (const QString &text : legendTexts(legend))
        widest = std::max(widest, page.textWidth(text));
    page.setFontSize(before);
    return std::max(0.0, widest + 60 - LegendTextRoom);
}

void drawTitle(platform::SurfaceRegion &page, const PageLayout &layout, const QString &company)
{
    page.setForeColor(Qt::black);
    page.setCurrent(layout.R / 7, 50);
    page.print(QStringLiteral("Price History - ") + company);
    page.setCurrent(layout.R / 7, page.currentY());
    page.print(Credit);
}

// The paper prints the moving averages alone, two pixels wide in its own
// colours; a day outside the arrays ends the bars, not the page.
const PricePaneLook PaperPriceLook{{PaperMA10, PaperMA50, PaperMA200, PaperCustomMA}, 2, false, false};

void drawArrows(platform::SurfaceRegion &area, const PriceChartView &view, const ChartDocument &doc)
{
    const auto draw = [&](int16_t day, bool isBuy) {
        if (day < 1 || day > PriceHistory::capacity)
            return;
        const std::optional<double> tip = arrowTipY(view.prices, view.history, day, isBuy);
        if (!tip)
            return;
        float x = float(view.x(day) / area.twipsPerPixelX());
        float y = float(*tip / area.twipsPerPixelY());
        DrawArrow(x, y, area, isBuy);
        if (std::fabs(x) < 1e6f && std::fabs(y) < 1e6f)
            PrintArrow(int(std::lround(x)), int(std::lround(y)), area, isBuy);
    };
    const TransactionTables &t = doc.state.transactions;
    for (int i = 1; i <= doc.buy_number && i <= TransactionTables::capacity; ++i)
        draw(t.buy_days[std::size_t(i)], true);
    for (int i = 1; i <= doc.sell_number && i <= TransactionTables::capacity; ++i)
        draw(t.sell_days[std::size_t(i)], false);
}

// The band is narrower than most scale labels: they are printed whole once
// the pane is finished, running past the band over the pane's edge as the
// price labels do.
void printScaleLabels(platform::SurfaceRegion &page, const QRectF &band, const std::vector<RulerLabel> &labels)
{
    const QFont before = page.font();
    page.setFontSize(PaneLabelPoints);
    page.setForeColor(Qt::black);
    for (const RulerLabel &label : labels) {
        page.setCurrent(band.x() + label.x, band.y() + label.y);
        page.print(label.text);
    }
    page.setFont(before);
}

void PrintIndicatorPane(platform::Surface &page, const PageLayout &layout, int k, const ChartDocument &doc,
                        const PriceHistory &history)
{
    const PaneSettings &settings = doc.state.pane_settings[std::size_t(k)];
    const IndicatorInfo *indicator = findIndicator(settings.indicator);
    if (!indicator)
        return;
    const QRectF paneRect = layout.panes()[std::size_t(k)], bandRect = layout.paneBand(k);
    platform::SurfaceRegion pane(page, paneRect.x(), paneRect.y(), paneRect.width(), paneRect.height());
    platform::SurfaceRegion band(page, bandRect.x(), bandRect.y(), bandRect.width(), bandRect.height());
    band.setBackColor(QColor(220, 220, 220));
    std::vector<RulerLabel> labels;
    indicator->draw(PaneTarget{band, pane, PaneStrips, PaperValueFormat, &labels}, history, doc.starting_date_local,
                    doc.ending_date_local, settings);
    printScaleLabels(page, bandRect, labels);
}

}   // namespace

void PrintChart(platform::Surface &page, ChartModel &model)
{
    page.setCurrent(0, 0);
    page.print(QStringLiteral(" "));   // starts the page
    page.setDrawWidth(1);
    const ChartDocument doc = model.document();
    const PriceHistory &history = model.history();
    const DrawingSwitches &on = doc.state.switches;
    const int16_t customPeriod = model.overlays().custom_ma_period;
    const LegendContent legend{doc.state.company_name, on.ma10_flag, on.ma50_flag,           on.ma200_flag,
                               on.macustom_flag,       customPeriod, doc.state.pane_settings};
    const PageLayout layout = pageLayout(page.scaleWidth() - legendRoom(page, legend), page.scaleHeight());
    drawPaperFrame(page, layout);
    drawTitle(page, layout, doc.state.company_name);

    const double paperScale = paperPriceScale(layout, model.scale()).value_or(0.0);
    page.setFontSize(7);
    drawPaperPriceRuler(page, layout, model.scale(), paperScale);
    const QRectF areaRect = layout.priceArea();
    const DayAxis days = DayAxis::doubleSlot(areaRect.width(), doc.starting_date_local, doc.ending_date_local);
    page.setFontSize(DateLabelPoints);
    drawPaperDateRuler(page, layout, history, model.dates(), days);

    platform::SurfaceRegion area(page, areaRect.x(), areaRect.y(), areaRect.width(), areaRect.height());
    PriceScale scale = model.scale();
    scale.price_scale = float(paperScale);
    const PriceChartView view{history, doc.starting_date_local, doc.ending_date_local, days,
                              PriceAxis(areaRect.height() + BarsDrop, scale)};
    PricePaneLook look = PaperPriceLook;
    look.candles = model.candleColours();
    drawPricePane(area, view, on, model.overlays(), look);
    drawArrows(area, view, doc);
    for (int k = 0; k < PaneCount; ++k)
        PrintIndicatorPane(page, layout, k, doc, history);

    page.setFontSize(LegendPoints);
    drawPaperLegend(page, layout, legend);
    page.flush();
}

}   // namespace quotechart
