#include "printing/PaperLegend.h"

#include "indicators/IndicatorCatalogue.h"
#include "platform/SurfaceRegion.h"
#include "printing/PageLayout.h"
#include "printing/PaperColours.h"

namespace quotechart {

namespace {

constexpr double EntryHeight = 220;
constexpr double BoxHeight = 30;

class LegendWriter {
public:
    LegendWriter(platform::SurfaceRegion &page, const PageLayout &layout, double top)
        : page_(page), boxLeft_(layout.W - 450), textLeft_(layout.W - 350), y_(top)
    {}

    void entry(const QString &text, const QColor &colour, double boxRight)
    {
        page_.fillBox(boxLeft_, y_, boxRight, y_ + BoxHeight, colour);
        page_.setForeColor(Qt::black);
        page_.setCurrent(textLeft_, y_);
        page_.print(text);
        y_ += EntryHeight;
    }
    void entry(const QString &text, const QColor &colour) { entry(text, colour, boxLeft_ + 50); }
    double boxLeft() const { return boxLeft_; }
    double textLeft() const { return textLeft_; }

private:
    platform::SurfaceRegion &page_;
    double boxLeft_, textLeft_, y_;
};

}   // namespace

QStringList legendTexts(const LegendContent &c)
{
    QStringList texts{c.company_name};
    if (c.ma10)
        texts << QStringLiteral("10 Day MA");
    if (c.ma50)
        texts << QStringLiteral("50 Day MA");
    if (c.ma200)
        texts << QStringLiteral("200 Day MA");
    if (c.maCustom)
        texts << QString::number(c.custom_ma_period) + QStringLiteral(" Day MA");
    for (const PaneSettings &pane : c.panes)
        if (const IndicatorInfo *indicator = findIndicator(pane.indicator))
            for (const SeriesLegend &legend : indicator->series)
                if (legend.name)
                    texts << legend.text(pane);
    return texts;
}

void drawPaperLegend(platform::SurfaceRegion &page, const PageLayout &layout, const LegendContent &c)
{
    LegendWriter averages(page, layout, 300);
    averages.entry(c.company_name, Qt::black, averages.textLeft());
    if (c.ma10)
        averages.entry(QStringLiteral("10 Day MA"), PaperMA10);
    if (c.ma50)
        averages.entry(QStringLiteral("50 Day MA"), PaperMA50);
    if (c.ma200)
        averages.entry(QStringLiteral("200 Day MA"), PaperMA200);
    if (c.maCustom)
        averages.entry(QString::number(c.custom_ma_period) + QStringLiteral(" Day MA"), PaperCustomMA);

    const std::array<QRectF, 3> panes = layout.panes();
    for (int k = 0; k < PaneCount; ++k) {
        const IndicatorInfo *indicator = findIndicator(c.panes[std::size_t(k)].indicator);
        if (!indicator)
            continue;
        LegendWriter series(page, layout, panes[std::size_t(k)].top() + 60);
        for (const SeriesLegend &legend : indicator->series)
            if (legend.name)
                series.entry(legend.text(c.panes[std::size_t(k)]), legend.colour);
    }
}

}   // namespace quotechart
