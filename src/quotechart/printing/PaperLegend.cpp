#include "printing/PaperLegend.h"

#include "platform/SurfaceRegion.h"
#include "printing/PageLayout.h"
#include "printing/PaperColours.h"
#include "render/Legend.h"

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

namespace {

std::vector<LegendEntry> paperAverages(const LegendContent &c)
{
    return averagesLegend({c.ma10, c.ma50, c.ma200, c.maCustom}, c.custom_ma_period,
                          {PaperMA10, PaperMA50, PaperMA200, PaperCustomMA});
}

}   // namespace

QStringList legendTexts(const LegendContent &c)
{
    QStringList texts{c.company_name};
    for (const LegendEntry &entry : paperAverages(c))
        texts << entry.text;
    for (const PaneSettings &pane : c.panes)
        for (const LegendEntry &entry : paneLegend(pane))
            texts << entry.text;
    return texts;
}

void drawPaperLegend(platform::SurfaceRegion &page, const PageLayout &layout, const LegendContent &c)
{
    LegendWriter averages(page, layout, 300);
    averages.entry(c.company_name, Qt::black, averages.textLeft());
    for (const LegendEntry &entry : paperAverages(c))
        averages.entry(entry.text, entry.colour);

    const std::array<QRectF, 3> panes = layout.panes();
    for (int k = 0; k < PaneCount; ++k) {
        const std::vector<LegendEntry> entries = paneLegend(c.panes[std::size_t(k)]);
        if (entries.empty())
            continue;
        LegendWriter series(page, layout, panes[std::size_t(k)].top() + 60);
        for (const LegendEntry &entry : entries)
            series.entry(entry.text, entry.colour);
    }
}

}   // namespace quotechart
