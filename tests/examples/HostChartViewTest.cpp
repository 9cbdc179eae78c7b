// What the host switches on in its charts: the legend, the followed history
// file, the price style and logarithmic scale of the active chart, and
// pictures exported as drawings.

#include "HostFixture.h"

#include <QFile>
#include <QSvgRenderer>

namespace {

using quotechart::REvuved;

QList<REvuved *> charts(const HostWindow &window)
{
    QList<REvuved *> all;
    for (QMdiSubWindow *document : window.documents()->subWindowList())
        if (auto *chart = qobject_cast<REvuved *>(document->widget()))
            all << chart;
    return all;
}

class ChartView : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        window->openChart(QStringLiteral("MSFT"));
        window->openChart(QStringLiteral("GOOG"));
        ASSERT_EQ(charts(*window).size(), 2);
    }
};

TEST_F(ChartView, EveryChartShowsItsLegendAndFollowsItsFileAndTheLegendChoiceIsKept)
{
    for (REvuved *chart : charts(*window)) {
        EXPECT_TRUE(chart->showLegend());
        EXPECT_TRUE(chart->followHistoryFile());
    }
    action("actionLegend").trigger();
    for (REvuved *chart : charts(*window))
        EXPECT_FALSE(chart->showLegend());

    closeAllDocuments();
    window.reset();
    start();
    EXPECT_FALSE(action("actionLegend").isChecked());
    REvuved *reopened = window->openChart(QStringLiteral("MSFT"));
    ASSERT_NE(reopened, nullptr);
    EXPECT_FALSE(reopened->showLegend());
}

TEST_F(ChartView, StyleAndScaleChangeTheActiveChartAndTheEntriesShowIt)
{
    activate(QStringLiteral("MSFT"));
    REvuved *msft = chart();
    action("actionCandlesticks").trigger();
    action("actionLogarithmicScale").trigger();
    EXPECT_EQ(msft->priceStyle(), REvuved::Candlestick);
    EXPECT_TRUE(msft->logarithmicScale());

    activate(QStringLiteral("GOOG"));
    EXPECT_EQ(chart()->priceStyle(), REvuved::HighLowClose);
    EXPECT_FALSE(chart()->logarithmicScale());
    EXPECT_TRUE(action("actionHighLowClose").isChecked());
    EXPECT_FALSE(action("actionCandlesticks").isChecked());
    EXPECT_FALSE(action("actionLogarithmicScale").isChecked());

    activate(QStringLiteral("MSFT"));
    EXPECT_TRUE(action("actionCandlesticks").isChecked());
    EXPECT_TRUE(action("actionLogarithmicScale").isChecked());
}

TEST_F(ChartView, PicturesAreExportedAsSvgDrawingsAndPdfPages)
{
    const QString svg = files.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(runWithFile("actionExportPicture", svg));
    QFile drawing(svg);
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    const QByteArray text = drawing.readAll();
    EXPECT_TRUE(QSvgRenderer(text).isValid());
    EXPECT_GT(text.count("<polyline"), 100);
    EXPECT_FALSE(text.contains("<image"));

    const QString pdf = files.filePath(QStringLiteral("chart.pdf"));
    ASSERT_TRUE(runWithFile("actionExportPicture", pdf));
    QFile page(pdf);
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_TRUE(page.read(5).startsWith("%PDF-"));
    EXPECT_GT(page.size(), 10000);
}

}   // namespace
