// Printing the whole chart into a PDF file, read back as text and pixels
// with the poppler tools.

#include "ChartTest.h"
#include "TestAccess.h"

#include "calc/MACD.h"
#include "platform/NumberFormat.h"
#include "render/PriceRuler.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace {

class Printing : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(1200, 900);
        hist.copySample("MSFT");
        load("MSFT");
        chart->starting_date_local = 1;
        chart->ending_date_local = 120;
        quotechart::TestAccess::redraw(*chart);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath("chart.pdf"));
        chart->setPrinter(&printer);
    }
    quotechart::DocumentState &document() { return quotechart::TestAccess::document(*chart); }
    QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    QString pageText() { return run("pdftotext", {"-layout", dir.filePath("chart.pdf"), "-"}); }
    QImage pageImage(int dpi = 150)
    {
        run("pdftoppm",
            {"-png", "-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-singlefile",
             dir.filePath("chart.pdf"), dir.filePath("page")});
        return QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    }
    // The lengths of the runs of one colour along each row, left of `right`.
    static std::vector<std::vector<int>> runsByRow(const QImage &image, const QColor &colour, int right)
    {
        std::vector<std::vector<int>> rows(std::size_t(image.height()));
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            bool inRun = false;
            for (int x = 0; x < std::min(right, image.width()); ++x) {
                const bool match = (line[x] & 0xFFFFFFu) == (colour.rgb() & 0xFFFFFFu);
                if (match && inRun)
                    ++rows[std::size_t(y)].back();
                else if (match)
                    rows[std::size_t(y)].push_back(1);
                inRun = match;
            }
        }
        return rows;
    }
    static int count(const QImage &image, const QColor &colour)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    }
    // The price ruler's labels ("$" and the price, two words) with the middle
    // of their line on the page, in points.
    std::vector<std::pair<double, double>> priceLabels()
    {
        const QString html = run("pdftotext", {"-bbox", dir.filePath("chart.pdf"), "-"});
        static const QRegularExpression word(
            R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="[-\d.]+" yMax="([-\d.]+)">([^<]*)</word>)re");
        std::vector<std::pair<double, double>> labels;
        double dollarTop = -1;
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const double top = m.captured(2).toDouble(), bottom = m.captured(3).toDouble();
            if (std::abs(top - dollarTop) < 0.5)
                labels.push_back({m.captured(4).toDouble(), (top + bottom) / 2});
            dollarTop = m.captured(4) == "$" ? top : -1;
        }
        return labels;
    }
    int countIn(const QImage &page, std::initializer_list<QColor> colours)
    {
        int n = 0;
        for (const QColor &colour : colours)
            n += count(page, colour);
        return n;
    }
    void addTrade(int16_t buyDay, int16_t sellDay)
    {
        auto &t = document().transactions;
        t.buy_days[std::size_t(++chart->buy_number)] = buyDay;
        t.sell_days[std::size_t(++chart->sell_number)] = sellDay;
    }

    QTemporaryDir dir;
    QPrinter printer{QPrinter::HighResolution};
};

TEST_F(Printing, OneLandscapePageWithTheTitleAndTheLegend)
{
    document().company_name = "Acme Widgets";
    chart->PrintEntireChart();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(printer.colorMode(), QPrinter::Color);
    const QString info = run("pdfinfo", {dir.filePath("chart.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    const QString text = pageText();
    EXPECT_TRUE(text.contains("Price History - Acme Widgets")) << text.toStdString();
    for (const char *entry : {"10 Day MA", "50 Day MA", "200 Day MA", "Volume", "Fast Stoch. %K(5)",
                              "Fast Stoch. %D(5)", "EMA Diff.(10 vs. 15)"})
        EXPECT_TRUE(text.contains(QLatin1String(entry))) << entry;
    EXPECT_FALSE(text.contains(QRegularExpression("(^|\\s)20 Day MA"))) << "the custom average is off";
    EXPECT_TRUE(text.contains("$ ")) << "the price ruler's labels";
}

TEST_F(Printing, TheAveragesFollowTheirSwitchesOnThePageAndInTheLegend)
{
    auto &on = document().switches;
    on.ma10_flag = on.ma50_flag = false;
    on.macustom_flag = true;
    chart->PrintEntireChart();
    const QString text = pageText();
    EXPECT_FALSE(text.contains("10 Day MA"));
    EXPECT_FALSE(text.contains("50 Day MA"));
    EXPECT_TRUE(text.contains("200 Day MA"));
    EXPECT_TRUE(text.contains("20 Day MA"));
    const QImage page = pageImage();
    EXPECT_EQ(count(page, QColor(255, 0, 0)), 0);
    EXPECT_GT(count(page, QColor(0, 0, 255)), 50);
    EXPECT_GT(count(page, QColor(0, 255, 255)), 50);
}

TEST_F(Printing, ArrowsOnlyForRecordedTransactions)
{
    auto &on = document().switches;
    on.ma10_flag = on.ma50_flag = on.ma200_flag = false;
    chart->PrintEntireChart();
    QImage page = pageImage();
    EXPECT_EQ(count(page, QColor(0, 255, 0)), 0);
    EXPECT_EQ(count(page, QColor(255, 0, 0)), 0);

    addTrade(80, 40);
    addTrade(30, 10);
    chart->PrintEntireChart();
    page = pageImage();
    EXPECT_GT(count(page, QColor(0, 255, 0)), 4);   // two filled buy arrows
    EXPECT_GT(count(page, QColor(255, 0, 0)), 4);
}

TEST_F(Printing, PanesWithoutPeriodsNameTheirSeriesAlone)
{
    auto &panes = document().pane_settings;
    panes[0].indicator = 9;
    panes[1].indicator = 5;
    panes[2].indicator = 11;   // no such indicator: an empty pane
    chart->PrintEntireChart();
    const QString text = pageText();
    EXPECT_TRUE(text.contains("On Balance Volume"));
    EXPECT_TRUE(text.contains("MACD(12 vs. 26)"));
    EXPECT_TRUE(text.contains("EMA(5)"));
    EXPECT_TRUE(text.contains("Divergence"));
}

TEST_F(Printing, ScaleLabelsRunWholePastTheNarrowBandBesideTheirPanes)
{
    auto &panes = document().pane_settings;
    for (quotechart::PaneSettings &pane : panes)
        pane.indicator = 0;
    chart->PrintEntireChart();
    const QImage without = pageImage();
    panes[0].indicator = 1;   // volume: its labels ("0.12 B") are wider than the band
    chart->PrintEntireChart();
    const QImage with = pageImage();
    ASSERT_EQ(with.size(), without.size());

    // The band is the grey run at the left of a row through the panes; a
    // black line marks its right edge.
    const int y0 = with.height() * 5 / 6;
    int edge = 0;
    while (edge < with.width() && without.pixelColor(edge, y0) != QColor(220, 220, 220))
        ++edge;
    while (edge < with.width() && without.pixelColor(edge, y0) == QColor(220, 220, 220))
        ++edge;
    ASSERT_LT(edge, with.width() / 4);
    // Ink the labels add right of that edge, in rows that no line crosses
    // (the volume pane's baseline runs the pane's width).
    const int reach = with.width() / 10;
    int overflow = 0;
    for (int y = 0; y < with.height(); ++y) {
        int added = 0, addedFar = 0;
        for (int x = edge + 1; x < with.width(); ++x) {
            const bool inked =
                with.pixelColor(x, y) == QColor(Qt::black) && without.pixelColor(x, y) != with.pixelColor(x, y);
            (x < edge + reach ? added : addedFar) += inked;
        }
        if (addedFar == 0)
            overflow += added;
    }
    EXPECT_GT(overflow, 20);
}

TEST_F(Printing, SymmetricScaleValuesArePrintedToTenths)
{
    auto &panes = document().pane_settings;
    panes[2].indicator = 6;
    chart->PrintEntireChart();
    const quotechart::PaneSettings &p = panes[2];
    const float M = quotechart::indicators::expMADifferenceBars(quotechart::TestAccess::history(*chart).close_array, 1,
                                                                120, p.ExpMAperiods1, p.ExpMAperiods2)
                        .M;
    const QString tenths = platform::formatNumber(M, u"####0.0");
    ASSERT_NE(tenths, platform::formatNumber(M, u"####0.00"));
    const QStringList words = pageText().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    EXPECT_TRUE(words.contains(tenths)) << tenths.toStdString();
    EXPECT_TRUE(words.contains("-" + tenths));
    EXPECT_FALSE(words.contains(platform::formatNumber(M, u"####0.00")));
}

// At 300 dpi the page's dots must be dots still, and its bars solid.
TEST_F(Printing, GridLinesAreVisiblyDottedOnPaper)
{
    chart->PrintEntireChart();
    const QImage page = pageImage(300);
    ASSERT_FALSE(page.isNull());
    const auto rows = runsByRow(page, QColor(190, 190, 190), page.width());
    const auto gridRow = std::max_element(rows.begin(), rows.end(), [](const auto &a, const auto &b) {
        return std::accumulate(a.begin(), a.end(), 0) < std::accumulate(b.begin(), b.end(), 0);
    });
    // Dots about as long as on a 96-dpi screen: 3 of its pixels, 9.4 at 300 dpi.
    ASSERT_GT(gridRow->size(), 50u);
    std::vector<int> dots = *gridRow;
    std::sort(dots.begin(), dots.end());
    EXPECT_GE(dots[dots.size() / 2], 6);
    EXPECT_LE(dots.back(), 14);
}

TEST_F(Printing, HistogramBarsArePrintedSolid)
{
    auto &panes = document().pane_settings;
    panes[0].indicator = 1;
    panes[2].indicator = 6;
    chart->PrintEntireChart();
    const QImage page = pageImage(300);
    // Under 130 days a bar is 75 twips wide: 15.6 pixels at 300 dpi. (The
    // legend's boxes in the right margin are narrower.)
    for (const QColor &colour : {QColor(0, 128, 0), QColor(0, 200, 0)}) {
        int rowsWithBars = 0;
        for (const std::vector<int> &runs : runsByRow(page, colour, page.width() * 3 / 4)) {
            rowsWithBars += !runs.empty();
            for (const int length : runs)
                ASSERT_GE(length, 14) << "a bar printed as hairlines";
        }
        EXPECT_GT(rowsWithBars, 50);
    }
}

TEST_F(Printing, ThePageFollowsThePriceStyle)
{
    using quotechart::REvuved;
    const QColor rising(0, 150, 0), falling(210, 0, 0);   // the candlesticks' default colours
    auto &on = document().switches;
    on.ma10_flag = on.ma50_flag = on.ma200_flag = false;
    chart->PrintEntireChart();
    const QImage bars = pageImage();
    chart->setPriceStyle(REvuved::OpenHighLowClose);
    chart->PrintEntireChart();
    const QImage ohlc = pageImage();
    chart->setPriceStyle(REvuved::Candlestick);
    chart->PrintEntireChart();
    const QImage candles = pageImage();
    ASSERT_EQ(bars.size(), ohlc.size());
    ASSERT_EQ(bars.size(), candles.size());

    // The open marks add black to the bars and take nothing away.
    const QColor black(Qt::black);
    int added = 0;
    for (int y = 0; y < bars.height(); ++y)
        for (int x = 0; x < bars.width(); ++x) {
            const bool before = bars.pixelColor(x, y) == black, after = ohlc.pixelColor(x, y) == black;
            ASSERT_TRUE(!before || after) << x << "," << y;
            added += after && !before;
        }
    EXPECT_GT(added, 120);   // a mark for each of the 120 days
    EXPECT_EQ(countIn(bars, {rising, falling}) + countIn(ohlc, {rising, falling}), 0);
    // Candlesticks in both colours, and (every sample day having an open) no
    // black bars: the price area holds less black than the bars' page.
    EXPECT_GT(count(candles, rising), 500);
    EXPECT_GT(count(candles, falling), 500);
    EXPECT_LT(count(candles, black), count(bars, black) - 1000);

    // The close line wins over the style on paper too.
    chart->setHighLowClose(false);
    chart->PrintEntireChart();
    EXPECT_EQ(countIn(pageImage(), {rising, falling}), 0);
}

TEST_F(Printing, ALogarithmicScaleLabelsTheScreensRoundPricesAtTheirDecades)
{
    chart->setVisibleRange(1, 3600);   // the sample's prices from about 15 to 120
    const std::vector<std::pair<double, double>> linear = [&] {
        chart->PrintEntireChart();
        return priceLabels();
    }();
    chart->setLogarithmicScale(true);
    chart->PrintEntireChart();
    const std::vector<std::pair<double, double>> log = priceLabels();

    // The screen's lines, but the top one.
    std::vector<double> expected = quotechart::logRulerLines(quotechart::TestAccess::scale(*chart));
    ASSERT_GE(expected.size(), 3u);
    if (std::log10(expected.back()) > quotechart::TestAccess::scale(*chart).log_high - 1e-9)
        expected.pop_back();
    std::vector<double> printed;
    for (const auto &[price, y] : log)
        printed.push_back(price);
    std::sort(printed.begin(), printed.end());
    ASSERT_EQ(printed.size(), expected.size());
    for (std::size_t i = 0; i < printed.size(); ++i)
        EXPECT_NEAR(printed[i], expected[i], 1e-6 * expected[i]);

    // Equal factors stand equally far apart, which equal steps do not.
    const auto spread = [](const std::vector<std::pair<double, double>> &labels, auto mapped) {
        std::vector<double> perUnit;
        for (std::size_t i = 1; i < labels.size(); ++i)
            perUnit.push_back(
                std::abs((labels[i].second - labels[0].second) / (mapped(labels[i].first) - mapped(labels[0].first))));
        const auto [low, high] = std::minmax_element(perUnit.begin(), perUnit.end());
        return *high / *low;
    };
    const auto log10 = [](double p) { return std::log10(p); };
    const auto same = [](double p) { return p; };
    EXPECT_LT(spread(log, log10), 1.02);
    EXPECT_GT(spread(log, same), 1.3);
    EXPECT_LT(spread(linear, same), 1.02);
}

TEST_F(Printing, APrinterThatCannotStartIsReportedToTheHost)
{
    printer.setOutputFileName(dir.filePath("missing-folder/chart.pdf"));
    try {
        chart->PrintEntireChart();
        FAIL() << "no error";
    } catch (const quotechart::ControlError &error) {
        EXPECT_EQ(error.number(), 482);
    }
}

}   // namespace
