// The logarithmic price scale: how the ruler fixes it, where the axis puts a
// price, and the ruler, bars and arrows it draws on a bare surface, worked
// out by hand.

#include "platform/Surface.h"
#include "render/Arrow.h"
#include "render/PriceAxis.h"
#include "render/PriceBars.h"
#include "render/PriceChartView.h"
#include "render/PriceRange.h"
#include "render/PriceRuler.h"
#include "render/PriceScaleMath.h"

#include <QImage>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace quotechart;

namespace {

constexpr double T = 15.0;
const QColor Black(Qt::black);
const QColor White(Qt::white);
const QColor Grid(150, 60, 60);

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

int row(double twips) { return int(std::lround(twips / T)); }

// A ruler 200 pixels (3000 twips) high over prices lowest .. highest, drawn
// with its grid on a pane beside it; the labels it prints, in order.
struct DrawnRuler {
    QImage ruler = blank(50, 200), pane = blank(100, 200);
    PriceScale scale;
    std::vector<QString> labels;

    DrawnRuler(float lowest, float highest)
    {
        scale = fixLogPriceScale(3000, lowest, highest, PriceScale{});
        platform::Surface rulerSurface(&ruler, T, T), paneSurface(&pane, T, T);
        rulerSurface.setTextObserver([&](const QString &text, double, double) { labels.push_back(text); });
        drawPriceRuler(rulerSurface, paneSurface, PriceAxis(3000, scale), true);
        rulerSurface.flush();
        paneSurface.flush();
    }
    double y(double price) const { return *PriceAxis(3000, scale).yOf(price); }
};

}   // namespace

TEST(LogarithmicScale, TheRulerFixesTheDecadesOfTheVisiblePrices)
{
    PriceScale linear = fixPriceScale(3000, 20, 28, PriceScale{});
    const PriceScale log = fixLogPriceScale(3000, 10, 1000, linear);
    EXPECT_TRUE(log.logarithmic);
    EXPECT_DOUBLE_EQ(log.log_low, 1);
    EXPECT_DOUBLE_EQ(log.log_high, 3);
    EXPECT_FLOAT_EQ(log.price_scale, 1450);   // (3000 - 100) twips over two decades
    EXPECT_EQ(log.price_tick, linear.price_tick);
    EXPECT_EQ(log.ruler_high_ticks, linear.ruler_high_ticks);
    EXPECT_FALSE(fixPriceScale(3000, 20, 28, log).logarithmic);   // and back

    // Nothing positive to place: the decades stay, or are 1 .. 10 after a linear scale.
    const PriceScale kept = fixLogPriceScale(1000, 0, 0, log);
    EXPECT_DOUBLE_EQ(kept.log_low, 1);
    EXPECT_DOUBLE_EQ(kept.log_high, 3);
    EXPECT_FLOAT_EQ(kept.price_scale, 450);
    const PriceScale first = fixLogPriceScale(3000, 0, -4, linear);
    EXPECT_TRUE(first.logarithmic);
    EXPECT_DOUBLE_EQ(first.log_low, 0);
    EXPECT_DOUBLE_EQ(first.log_high, 1);
}

TEST(LogarithmicScale, TheLowestLowLeavesOutPricesOfZeroAndBelow)
{
    auto h = std::make_unique<PriceHistory>();
    h->record_count = 4;
    const float lows[] = {0, 5, 0, -2, 3};
    std::copy(std::begin(lows), std::end(lows), h->low_array.begin());
    h->low_array[5] = 1;   // not loaded
    EXPECT_FLOAT_EQ(lowestPositiveLow(*h, 1, 4), 3);
    EXPECT_FLOAT_EQ(lowestPositiveLow(*h, 2, 3), 0);
    EXPECT_FLOAT_EQ(lowestPositiveLow(*h, 1, 9), 3);
    EXPECT_FLOAT_EQ(lowestPositiveLow(*h, 4, 1), 0);
    EXPECT_FLOAT_EQ(lowestLow(*h, 1, 4), -2);   // the linear scale's is unchanged
}

TEST(LogarithmicScale, TheAxisPlacesEachDecadeEquallyHighAndNothingAtZero)
{
    const PriceAxis axis(3000, fixLogPriceScale(3000, 10, 1000, PriceScale{}));
    EXPECT_DOUBLE_EQ(*axis.yOf(10), 2950);
    EXPECT_DOUBLE_EQ(*axis.yOf(100), 1500);
    EXPECT_DOUBLE_EQ(*axis.yOf(1000), 50);
    EXPECT_NEAR(*axis.yOf(20), 2950 - 1450 * std::log10(2.0), 1e-9);
    EXPECT_NEAR(*axis.priceAt(1500), 100, 1e-9);
    EXPECT_DOUBLE_EQ(*axis.yOverBottomEdgeOf(100), 1550);
    for (double price : {0.0, -1.0, std::nan("")}) {
        EXPECT_EQ(axis.yOf(price), std::nullopt) << price;
        EXPECT_EQ(axis.yOverBottomEdgeOf(price), std::nullopt) << price;
        EXPECT_TRUE(std::isnan(axis.y(price))) << price;
    }
    // A linear axis places every price, as it always did.
    PriceScale linear;
    linear.price_tick = 1, linear.ruler_low_ticks = 10, linear.price_scale = 100;
    EXPECT_DOUBLE_EQ(*PriceAxis(1500, linear).yOf(0), 2450);
}

TEST(LogarithmicScale, ARulerOverTenToAThousandIsLabelledOneTwoFive)
{
    const DrawnRuler drawn(10, 1000);
    // 1000 stands at the top line, too close to the top for its label.
    EXPECT_EQ(drawn.labels, (std::vector<QString>{"$ 10", "$ 20", "$ 50", "$ 100", "$ 200", "$ 500"}));
    // 100 at 1500 twips (row 100), 10 at 2950 (row 197): tick lines from 50
    // to 650 twips (columns 3..43) and the dotted grid from the pane's left.
    for (double price : {10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0}) {
        const int r = row(drawn.y(price));
        EXPECT_EQ(drawn.ruler.pixelColor(3, r), Black) << price;
        EXPECT_EQ(drawn.ruler.pixelColor(43, r), Black) << price;
        EXPECT_EQ(drawn.pane.pixelColor(0, r), Grid) << price;
    }
    EXPECT_EQ(row(drawn.y(100)), 100);
    EXPECT_EQ(row(drawn.y(10)), 197);
    // Minor ticks (550 .. 650 twips: columns 37..43) at 1 to 9 times the powers
    // of ten: 40 at row 138, with no grid line there.
    const int forty = row(drawn.y(40));
    EXPECT_EQ(forty, 138);
    EXPECT_EQ(drawn.ruler.pixelColor(37, forty), Black);
    EXPECT_EQ(drawn.ruler.pixelColor(36, forty), White);
    EXPECT_EQ(drawn.pane.pixelColor(0, forty), White);
}

TEST(LogarithmicScale, ARulerOverHalfToTwoIsLabelledFiner)
{
    const DrawnRuler drawn(0.5f, 2);
    EXPECT_EQ(drawn.labels, (std::vector<QString>{"$ 0.5", "$ 1", "$ 1.5"}));
    // 1 halfway up: 50 + 2900 / 2 twips (row 100).
    EXPECT_EQ(row(drawn.y(1)), 100);
    for (double price : {0.5, 1.0, 1.5, 2.0}) {
        EXPECT_EQ(drawn.ruler.pixelColor(3, row(drawn.y(price))), Black) << price;
        EXPECT_EQ(drawn.pane.pixelColor(0, row(drawn.y(price))), Grid) << price;
    }
    EXPECT_EQ(drawn.pane.pixelColor(0, row(drawn.y(1.2))), White);
    EXPECT_EQ(drawn.ruler.pixelColor(40, row(drawn.y(1.2))), Black);   // a minor tick
}

TEST(LogarithmicScale, BarsAndArrowsFollowTheScaleAndADayBelowZeroIsLeftOut)
{
    // Three days on 4000 twips (columns 200, 133, 67) over 10 .. 1000.
    auto h = std::make_unique<PriceHistory>();
    h->record_count = 3;
    const float days[4][3] = {{}, {1000, 100, 500}, {200, 10, 20}, {300, -5, 100}};   // high, low, close
    for (int k = 1; k <= 3; ++k) {
        h->high_array[k] = days[k][0];
        h->low_array[k] = days[k][1];
        h->close_array[k] = days[k][2];
        h->open_array[k] = days[k][1];
    }
    PriceScale scale = fixLogPriceScale(3000, lowestPositiveLow(*h, 1, 3), highestHigh(*h, 1, 3), PriceScale{});
    QImage image = blank(280, 200);
    platform::Surface pane(&image, T, T);
    const PriceChartView view{*h, 1, 3, DayAxis::singleSlot(4000, 1, 3, 1000), PriceAxis(3000, scale)};
    drawPriceBars(pane, view, DayLook{PriceStyle::OpenHighLowClose, {}});
    drawDayArrow(pane, view.prices, *h, 3000, 1, true);
    drawDayArrow(pane, view.prices, *h, 1000, 3, true);
    pane.flush();
    // Day 1 from 100 (row 100) to 1000 (row 3); day 2 from 10 (2950 twips,
    // row 197) to 200 (2950 - 1.301 * 1450 = 1063.5 twips, row 71).
    EXPECT_EQ(image.pixelColor(199, 100), Black);
    EXPECT_EQ(image.pixelColor(199, 101), White);
    EXPECT_EQ(image.pixelColor(199, 3), Black);
    EXPECT_EQ(image.pixelColor(132, 71), Black);
    EXPECT_EQ(image.pixelColor(132, 70), White);
    EXPECT_EQ(image.pixelColor(132, 197), Black);
    // Day 1's buy arrow hangs from its tip 50 twips under the low (row 103).
    EXPECT_EQ(image.pixelColor(200, 102), White);
    EXPECT_EQ(image.pixelColor(200, 110), QColor(0, 180, 0));
    // Day 3's low is below zero: neither its bar nor its arrow.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 40; x <= 95; ++x)
            ASSERT_EQ(image.pixelColor(x, y), White) << x << "," << y;
}
