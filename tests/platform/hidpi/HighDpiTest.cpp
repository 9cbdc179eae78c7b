// Picture boxes on a 2x screen (QT_SCALE_FACTOR=2): the image holds
// the screen's device pixels, lines are one device pixel wide, texts keep
// their size in twips, and twips stay what they are on a 1x screen; dots,
// dashes and bars keep their length in twips too.

#include "QtPrinters.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QFontMetricsF>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

class HighDpi : public ::testing::Test {
protected:
    void SetUp() override
    {
        box.resize(100, 80);
        box.setBackColor(Qt::white);
        box.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
        ASSERT_DOUBLE_EQ(box.devicePixelRatioF(), 2.0);
        box.surface().clear();
    }
    platform::PictureBox box;
};

TEST_F(HighDpi, TheImageHoldsDevicePixelsWhileTwipsStayTheSame)
{
    EXPECT_DOUBLE_EQ(box.pixelRatio(), 2.0);
    EXPECT_EQ(box.image().size(), QSize(200, 160));
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 100 * platform::twipsPerPixelX());
    EXPECT_DOUBLE_EQ(box.surface().scaleWidth(), box.scaleWidth());
    EXPECT_DOUBLE_EQ(box.surface().twipsPerPixelX(), platform::twipsPerPixelX() / 2);
}

TEST_F(HighDpi, AThinLineIsOneDevicePixelWide)
{
    const double t = box.surface().twipsPerPixelY();
    box.surface().line(0, 40 * t, box.scaleWidth(), 40 * t, Qt::black);
    const QImage &image = box.image();
    EXPECT_EQ(image.pixelColor(100, 40), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(100, 39), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(100, 41), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(199, 40), QColor(Qt::black));
}

// The runs of one colour along row y, as (first column, length).
std::vector<std::pair<int, int>> runsInRow(const QImage &image, int y, const QColor &colour)
{
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) != colour)
            continue;
        if (!runs.empty() && runs.back().first + runs.back().second == x)
            ++runs.back().second;
        else
            runs.push_back({x, 1});
    }
    return runs;
}

TEST_F(HighDpi, DotsAndDashesAreAsLongAsOnA1xScreen)
{
    platform::SurfaceRegion &surface = box.surface();
    const double t = surface.twipsPerPixelY();
    surface.setDrawStyle(platform::LineStyle::Dot);
    surface.line(0, 20 * t, box.scaleWidth(), 20 * t, Qt::black);
    surface.setDrawStyle(platform::LineStyle::Dash);
    surface.line(0, 60 * t, box.scaleWidth(), 60 * t, Qt::black);
    const QImage &image = box.image();
    // 3 pixels on and 3 off, and 18 on and 6 off, on a 1x screen.
    const auto dots = runsInRow(image, 20, Qt::black), dashes = runsInRow(image, 60, Qt::black);
    ASSERT_EQ(dots.size(), 17u);
    ASSERT_EQ(dashes.size(), 5u);
    for (std::size_t k = 0; k < dots.size(); ++k) {
        EXPECT_EQ(dots[k].first, int(12 * k));
        EXPECT_EQ(dots[k].second, 6);
    }
    for (std::size_t k = 0; k + 1 < dashes.size(); ++k) {
        EXPECT_EQ(dashes[k].first, int(48 * k));
        EXPECT_EQ(dashes[k].second, 36);
    }
}

TEST_F(HighDpi, ABarCoversItsWidthInTwipsWithoutGaps)
{
    platform::SurfaceRegion &surface = box.surface();
    const double t = surface.twipsPerPixelX();
    surface.setForeColor(Qt::blue);
    // Six pixels (45 twips) centred on column 50: the columns whose centres
    // lie from 47 up to 53, both ends' rows painted.
    surface.bar(50 * t, 6 * t, 10 * t, 30 * t);
    surface.bar(100.5 * t, 5 * t, 30 * t, 10 * t);   // an odd width: columns 98..102
    const QImage &image = box.image();
    for (const int y : {10, 20, 30})
        EXPECT_EQ(runsInRow(image, y, Qt::blue), (std::vector<std::pair<int, int>>{{47, 6}, {98, 5}})) << y;
    EXPECT_TRUE(runsInRow(image, 9, Qt::blue).empty());
    EXPECT_TRUE(runsInRow(image, 31, Qt::blue).empty());
}

TEST_F(HighDpi, TextKeepsItsSizeInTwipsAndIsDrawnWithTwiceThePixels)
{
    platform::SurfaceRegion &surface = box.surface();
    const double logicalHeight = QFontMetricsF(surface.font()).height() * platform::twipsPerPixelY();
    EXPECT_NEAR(surface.textHeight(), logicalHeight, logicalHeight * 0.05);
    surface.setCurrent(0, 0);
    surface.print(QStringLiteral("HHHH"));
    const QImage &image = box.image();
    int inkRows = 0;
    for (int y = 0; y < image.height(); ++y) {
        bool ink = false;
        for (int x = 0; x < 60; ++x)
            ink = ink || image.pixelColor(x, y) != QColor(Qt::white);
        inkRows += ink;
    }
    const int logicalCapHeight = int(QFontMetricsF(surface.font()).capHeight());
    EXPECT_GE(inkRows, 2 * logicalCapHeight - 2);   // the capitals' height in device pixels
}

}   // namespace
