// The renderers on a bare surface over an image, with hand-built axes: no
// widget and no chart, only the values they draw.

#include "HandScale.h"
#include "QtPrinters.h"
#include "indicators/IndicatorCatalogue.h"
#include "platform/Surface.h"
#include "render/PriceBars.h"
#include "render/PriceChartView.h"
#include "render/PriceRuler.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

using namespace quotechart;

namespace {

constexpr double T = 15.0;
const QColor Black(Qt::black);
const QColor White(Qt::white);

std::unique_ptr<PriceHistory> risingHistory(int days)
{
    auto h = std::make_unique<PriceHistory>();
    h->record_count = int16_t(days);
    for (int k = 1; k <= days; ++k) {
        h->close_array[k] = float(100 - k);
        h->high_array[k] = float(102 - k);
        h->low_array[k] = float(98 - k);
        h->volume_array[k] = 1000 * k;
    }
    return h;
}

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

TEST(RenderersOnImage, AWideBarHasTheHandWorkedOutlineAndCloseMark)
{
    // Two days on 3000 twips: day 1 at x = 2000 (pixel 133.3 -> 133).
    auto h = std::make_unique<PriceHistory>();
    h->record_count = 2;
    h->high_array[1] = 20, h->low_array[1] = 12, h->close_array[1] = 15;
    h->high_array[2] = 19, h->low_array[2] = 11, h->close_array[2] = 14;
    QImage image = blank(200, 100);
    platform::Surface pane(&image, T, T);
    const PriceChartView view{*h, 1, 2, DayAxis::singleSlot(3000, 1, 2, 1000), PriceAxis(1500, handScale())};
    drawPriceBars(pane, view);
    pane.flush();
    // high 20: 1500 - 50 - 1000 = 450 twips (row 30); low 12: 1250 (row 83.3 -> 83).
    // The outline runs from x - 1 pixel to x + 1 pixel: columns 132 and 134.
    for (int y = 30; y <= 83; ++y) {
        EXPECT_EQ(image.pixelColor(132, y), Black) << y;
        EXPECT_EQ(image.pixelColor(134, y), Black) << y;
    }
    EXPECT_EQ(image.pixelColor(132, 29), White);
    EXPECT_EQ(image.pixelColor(132, 84), White);
    EXPECT_EQ(image.pixelColor(133, 50), White);   // the outline is hollow
    // Close 15 at 950 twips (row 63.3 -> 63), its mark reaching 0.3 slot right
    // (2300 twips: column 153), one pixel high (rows 62..63).
    EXPECT_EQ(image.pixelColor(153, 62), Black);
    EXPECT_EQ(image.pixelColor(153, 63), Black);
    EXPECT_EQ(image.pixelColor(154, 63), White);
}

TEST(RenderersOnImage, ThePriceRulerLabelsAndTicksTheAxisLines)
{
    QImage rulerImage = blank(50, 100), paneImage = blank(100, 100);
    platform::Surface ruler(&rulerImage, T, T), pane(&paneImage, T, T);
    PriceScale scale = handScale();
    scale.ruler_high_ticks = 12;
    std::vector<QString> labels;
    ruler.setTextObserver([&](const QString &text, double, double) { labels.push_back(text); });
    drawPriceRuler(ruler, pane, PriceAxis(1500, scale), true);
    ruler.flush();
    pane.flush();
    EXPECT_EQ(labels, (std::vector<QString>{"$ 10", "$ 11", "$ 12"}));
    // Line 11 at 1500 - 50 - 100 = 1350 twips: row 90, the tick from 50 to
    // 650 twips (columns 3..43); its first minor tick 10 twips up (row 89.3 -> 89).
    EXPECT_EQ(rulerImage.pixelColor(3, 90), Black);
    EXPECT_EQ(rulerImage.pixelColor(43, 90), Black);
    EXPECT_EQ(rulerImage.pixelColor(37, 89), Black);
    EXPECT_EQ(rulerImage.pixelColor(36, 89), White);
    EXPECT_EQ(paneImage.pixelColor(0, 90), QColor(150, 60, 60));   // the dotted grid starts on
}

// A pane drawn into a region in the middle of a larger image is the same
// picture as the pane drawn on an image of its own, and nothing else changes.
TEST(RenderersOnImage, AnIndicatorPaneDrawsOnlyInsideItsRegionWhereverItSits)
{
    const auto h = risingHistory(60);
    PaneSettings settings;
    const QColor strips(0, 0, 52);
    const QSize paneSize(150, 80), rulerSize(40, 80);

    QImage alone = blank(paneSize.width(), paneSize.height()),
           aloneRuler = blank(rulerSize.width(), rulerSize.height());
    {
        platform::Surface pane(&alone, T, T), ruler(&aloneRuler, T, T);
        findIndicator(5)->draw(PaneTarget{ruler, pane, strips}, *h, 1, 50, settings);
    }

    QImage page = blank(400, 300);
    const QImage before = page.copy();
    const QRect paneRect(QPoint(101, 77), paneSize), rulerRect(QPoint(paneRect.right() + 1, 77), rulerSize);
    {
        platform::Surface surface(&page, T, T);
        platform::SurfaceRegion pane(surface, paneRect.x() * T, paneRect.y() * T, paneSize.width() * T,
                                     paneSize.height() * T);
        platform::SurfaceRegion ruler(surface, rulerRect.x() * T, rulerRect.y() * T, rulerSize.width() * T,
                                      rulerSize.height() * T);
        findIndicator(5)->draw(PaneTarget{ruler, pane, strips}, *h, 1, 50, settings);
    }
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!paneRect.contains(x, y) && !rulerRect.contains(x, y)) {
                ASSERT_EQ(page.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
    EXPECT_EQ(page.copy(paneRect), alone);
    EXPECT_EQ(page.copy(rulerRect), aloneRuler);
    EXPECT_NE(alone, blank(paneSize.width(), paneSize.height()));   // something was drawn
}

}   // namespace
