// The chart as a picture on other devices (an image at any resolution, an
// SVG) and the legend on the screen.

#include "ChartTest.h"
#include "TestAccess.h"
#include "TextLog.h"
#include "platform/PictureBox.h"
#include "printing/PaperLegend.h"

#include <QBuffer>
#include <QLabel>
#include <QSignalSpy>
#include <QSvgGenerator>
#include <QSvgRenderer>

namespace {

using quotechart::REvuved;

class ChartPicture : public ChartTest {
protected:
    void SetUp() override
    {
        hist.copySample(QStringLiteral("MSFT"));
        showChart(1000, 700);
        load(QStringLiteral("MSFT"));
        auto &panes = quotechart::TestAccess::document(*chart).pane_settings;
        panes[0].indicator = 1;   // volume
        panes[1].indicator = 2;   // RSI
        panes[2].indicator = 5;
        chart->setVisibleRange(1, 120);
    }
    // The window's panes without the side panel, in the chart's pixels.
    QRect content() const
    {
        QRect r;
        for (const char *name : {"Picture1", "PriceRuler", "DateRuler", "Picture2", "Picture3", "Picture4", "TechRuler1",
                                 "TechRuler2", "TechRuler3", "CaptionLabel", "ChangeLabel"})
            r |= QRect(child<QWidget>(QLatin1String(name))->mapTo(chart.get(), QPoint()),
                       child<QWidget>(QLatin1String(name))->size());
        return r;
    }
    QRect placeOf(const char *name) const
    {
        QWidget *w = child<QWidget>(QLatin1String(name));
        return QRect(w->mapTo(chart.get(), QPoint()) - content().topLeft(), w->size());
    }
};

TEST_F(ChartPicture, AnImageOfTheWindowsSizeHoldsThePricePaneAsTheScreenShowsIt)
{
    QImage image(content().size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    chart->renderTo(&image, QRectF(QPointF(), QSizeF(content().size())));
    const QRect pane = placeOf("Picture1");
    EXPECT_EQ(image.copy(pane), box("Picture1")->image());
    EXPECT_EQ(image.copy(placeOf("Picture2")), box("Picture2")->image());   // the volume pane
    // The read-out strip on its own background, as the labels paint it.
    QLabel *readout = child<QLabel>(QStringLiteral("CaptionLabel"));
    const QPoint corner = placeOf("CaptionLabel").bottomRight() - QPoint(2, 2);
    EXPECT_EQ(image.pixelColor(corner), readout->palette().color(readout->backgroundRole()));
    // Nothing is left unpainted inside the target.
    int magenta = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            magenta += image.pixel(x, y) == QColor(Qt::magenta).rgb();
    EXPECT_EQ(magenta, 0);
}

// At 600 dpi a line one pixel wide on the screen is one device pixel wide,
// and a volume bar is a solid block, not a line with gaps beside it.
TEST_F(ChartPicture, AtSixHundredDpiHairlinesAreOnePixelAndVolumeBarsSolid)
{
    chart->setVisibleRange(1, 20);
    const double scale = 600.0 / 96;
    QImage image((QSizeF(content().size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(600 / 0.0254));
    image.setDotsPerMeterY(int(600 / 0.0254));
    image.fill(Qt::white);
    chart->renderTo(&image, QRectF(QPointF(), QSizeF(image.size())));

    const auto scaled = [&](const char *name) {
        const QRect r = placeOf(name);
        return QRectF(QPointF(r.topLeft()) * scale, QPointF(r.bottomRight()) * scale).toRect();
    };
    // The widths of the runs of another colour than `back` along row y.
    const auto runsAlong = [&](const QRect &area, int y, const QColor &back) {
        std::vector<int> runs;
        int run = 0;
        for (int x = area.left() + 2; x <= area.right() - 2; ++x) {
            const bool painted = image.pixelColor(x, y) != back;
            run = painted ? run + 1 : 0;
            if (run > 0 && (!painted || x == area.right() - 2 || image.pixelColor(x + 1, y) == back))
                runs.push_back(run);
        }
        return runs;
    };
    // A row through the lower part of the volume pane crosses each day's bar
    // as one run many pixels wide.
    const QRect volume = scaled("Picture2");
    const std::vector<int> bars =
        runsAlong(volume, volume.bottom() - volume.height() / 5, box("Picture2")->surface().backColor());
    ASSERT_EQ(bars.size(), 20u);
    EXPECT_GT(*std::min_element(bars.begin(), bars.end()), 5);
    // Rows across the price pane cross the days' bars, one device pixel wide
    // but where a row meets an open or close tick.
    const QRect pane = scaled("Picture1");
    int thin = 0, all = 0;
    for (int y = pane.top() + pane.height() / 4; y < pane.bottom() - pane.height() / 4; y += 37)
        for (int width : runsAlong(pane, y, box("Picture1")->surface().backColor())) {
            ++all;
            thin += width == 1;
        }
    ASSERT_GT(all, 20);
    EXPECT_GT(thin * 10, all * 8);
}

// Every day's bar is a vector stroke (Qt writes stroked lines as polylines);
// nothing is a picture of pixels.
TEST_F(ChartPicture, AnSvgParsesAndHoldsThePriceBarsAsVectorStrokes)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&bytes);
    svg.setSize(content().size());
    svg.setViewBox(QRect(QPoint(), content().size()));
    chart->renderTo(&svg, QRectF(QPointF(), QSizeF(content().size())));
    bytes.close();
    // the generator writes its end when its painter ends: renderTo ended it
    QSvgRenderer renderer(bytes.data());
    EXPECT_TRUE(renderer.isValid());
    const QString text = QString::fromUtf8(bytes.data());
    EXPECT_GE(text.count(QStringLiteral("<polyline")) + text.count(QStringLiteral("<path")), 3 * 120);
    EXPECT_FALSE(text.contains(QStringLiteral("<image")));
    EXPECT_TRUE(text.contains(QStringLiteral(">$ ")));   // the price ruler's labels, as text
}

TEST_F(ChartPicture, NothingIsDrawnWithoutAHistoryOrOnAnEmptyTarget)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    chart->renderTo(&image, QRectF());
    chart->renderTo(nullptr, QRectF(0, 0, 200, 100));
    REvuved empty;
    empty.resize(800, 600);
    empty.renderTo(&image, QRectF(0, 0, 200, 100));
    EXPECT_EQ(image.pixel(100, 50), QColor(Qt::magenta).rgb());
}

TEST_F(ChartPicture, TheLegendNamesWhatThePrintedLegendNamesInTheSeriesColours)
{
    chart->setMovingAverage10(true);
    chart->setMovingAverage50(true);
    chart->setMovingAverage200(false);
    const QImage plain = box("Picture1")->image();
    QSignalSpy switched(chart.get(), &REvuved::showLegendChanged);
    TextLog price(box("Picture1")->surface()), rsi(box("Picture3")->surface());
    chart->setShowLegend(true);
    EXPECT_EQ(switched.count(), 1);
    EXPECT_EQ(price.strings(), (QStringList{QStringLiteral("10 Day MA"), QStringLiteral("50 Day MA")}));
    EXPECT_EQ(rsi.strings(), QStringList{QStringLiteral("RSI(14)")});

    const auto &doc = quotechart::TestAccess::document(*chart);
    const QStringList printed = quotechart::legendTexts(
        {QString(), true, true, false, false, 20, doc.pane_settings});
    for (const QString &text : price.strings() + rsi.strings())
        EXPECT_TRUE(printed.contains(text)) << text.toStdString();

    // The 10-day average's name stands in its screen colour at the top left.
    const QImage shown = box("Picture1")->image();
    int red = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 80; ++x) {
            const QColor c = shown.pixelColor(x, y);
            red += c.red() > c.green() + 80 && c.red() > c.blue() + 80;
        }
    EXPECT_GT(red, 20);

    chart->setShowLegend(false);
    EXPECT_EQ(box("Picture1")->image(), plain);
}

}   // namespace
