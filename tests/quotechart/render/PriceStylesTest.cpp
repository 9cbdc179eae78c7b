// The price styles on a bare surface over an image: a rising day, a falling
// day and a day without an open, on hand-built axes, so every mark is worked
// out by hand from the bars' own geometry.

#include "HandScale.h"
#include "document/ChartDocument.h"
#include "platform/Rounding.h"
#include "platform/Surface.h"
#include "render/PriceBars.h"
#include "render/PriceChartView.h"
#include "render/PricePane.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>

using namespace quotechart;

namespace {

constexpr double T = 15.0;
const QColor Black(Qt::black);
const QColor White(Qt::white);
const CandleColours Candles{QColor(0, 160, 0), QColor(200, 0, 0)};

// Day 1 rises (open 12, close 18), day 2 falls (open 18, close 12), day 3 has
// no open. Three days on 4000 twips: slots of 1000, day 1 at x = 3000
// (column 200), day 2 at 2000 (133), day 3 at 1000 (67).
std::unique_ptr<PriceHistory> threeDays()
{
    auto h = std::make_unique<PriceHistory>();
    h->record_count = 3;
    const float days[4][4] = {{}, {12, 20, 11, 18}, {18, 19, 11, 12}, {0, 17, 13, 15}};
    for (int k = 1; k <= 3; ++k) {
        h->open_array[k] = days[k][0];
        h->high_array[k] = days[k][1];
        h->low_array[k] = days[k][2];
        h->close_array[k] = days[k][3];
    }
    return h;
}

// With handScale, price p on a pane 1500 twips high is at row
// (1450 - 100 (p - 10)) / 15: high 20 at row 30, 19 at 37, 18 at 43, 17 at
// 50, 15 at 63, 13 at 70, 12 at 83, low 11 at 90.

class PriceStyles : public ::testing::Test {
protected:
    QImage draw(PriceStyle style)
    {
        QImage image(280, 100, QImage::Format_RGB32);
        image.fill(White);
        platform::Surface pane(&image, T, T);
        drawPriceBars(pane, view(), DayLook{style, Candles});
        pane.flush();
        return image;
    }
    PriceChartView view() const
    {
        return PriceChartView{*history, 1, 3, DayAxis::singleSlot(4000, 1, 3, 1000), PriceAxis(1500, handScale())};
    }
    static int count(const QImage &image, const QColor &colour, QRect within)
    {
        int n = 0;
        for (int y = within.top(); y <= within.bottom(); ++y)
            for (int x = within.left(); x <= within.right(); ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    }
    static constexpr QRect All{0, 0, 280, 100};

    std::unique_ptr<PriceHistory> history = threeDays();
};

TEST_F(PriceStyles, TheDefaultIsTheHighLowCloseBarWithoutOpenMarks)
{
    const QImage bars = draw(PriceStyle::HighLowClose);
    QImage plain(280, 100, QImage::Format_RGB32);
    plain.fill(White);
    {
        platform::Surface pane(&plain, T, T);
        drawPriceBars(pane, view());
        pane.flush();
    }
    EXPECT_EQ(bars, plain);
    // Day 1's outline at columns 199 and 201, its close mark right of it.
    EXPECT_EQ(bars.pixelColor(199, 60), Black);
    EXPECT_EQ(bars.pixelColor(201, 60), Black);
    EXPECT_EQ(bars.pixelColor(215, 43), Black);
    EXPECT_EQ(bars.pixelColor(185, 83), White);   // no open mark
    EXPECT_EQ(count(bars, Candles.rising, All) + count(bars, Candles.falling, All), 0);
}

TEST_F(PriceStyles, OpenHighLowCloseAddsTheOpenMarkOnTheLeft)
{
    const QImage bars = draw(PriceStyle::OpenHighLowClose);
    // Day 1: open 12 (rows 82..83) from 0.3 slot left (column 180) to the bar;
    // the close 18 (rows 42..43) to the right, as in the default.
    for (int x = 180; x <= 198; ++x) {
        EXPECT_EQ(bars.pixelColor(x, 83), Black) << x;
        EXPECT_EQ(bars.pixelColor(x, 43), White) << x;
    }
    EXPECT_EQ(bars.pixelColor(179, 83), White);
    EXPECT_EQ(bars.pixelColor(215, 43), Black);
    EXPECT_EQ(bars.pixelColor(215, 83), White);
    // Day 2: open 18 on the left, close 12 on the right.
    EXPECT_EQ(bars.pixelColor(120, 43), Black);
    EXPECT_EQ(bars.pixelColor(145, 83), Black);
    // Day 3 has no open: nothing left of its bar (column 66).
    EXPECT_EQ(count(bars, Black, QRect(40, 0, 26, 100)), 0);
    EXPECT_EQ(bars.pixelColor(80, 63), Black);   // its close mark
    // Every pixel the default draws is drawn here too.
    const QImage plain = draw(PriceStyle::HighLowClose);
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixelColor(x, y) == Black) {
                ASSERT_EQ(bars.pixelColor(x, y), Black) << x << "," << y;
            }
}

TEST_F(PriceStyles, CandlesticksStandWhereTheBarsStoodInTheirDaysColours)
{
    const QImage candles = draw(PriceStyle::Candlestick);
    // Day 1 rises: the wick on column 200 from the high (row 30) to the low
    // (row 90), the body 0.3 slot either side (columns 180..220) from the
    // close (row 43) to the open (row 83).
    for (int y = 30; y <= 90; ++y)
        EXPECT_EQ(candles.pixelColor(200, y), Candles.rising) << y;
    EXPECT_EQ(candles.pixelColor(200, 29), White);
    EXPECT_EQ(candles.pixelColor(200, 91), White);
    EXPECT_EQ(candles.pixelColor(199, 35), White);   // the wick is one pixel wide
    EXPECT_EQ(count(candles, Candles.rising, QRect(180, 43, 41, 41)), 41 * 41);
    EXPECT_EQ(candles.pixelColor(179, 60), White);
    EXPECT_EQ(candles.pixelColor(221, 60), White);
    EXPECT_EQ(candles.pixelColor(210, 42), White);
    EXPECT_EQ(candles.pixelColor(210, 84), White);
    // Day 2 falls: the same shape on column 133 (body 113..153) in the other colour.
    EXPECT_EQ(candles.pixelColor(133, 37), Candles.falling);
    EXPECT_EQ(count(candles, Candles.falling, QRect(113, 43, 41, 41)), 41 * 41);
    EXPECT_EQ(count(candles, Candles.rising, QRect(100, 0, 70, 100)), 0);
    // Day 3 has no open: its black high-low-close bar, hollow, with its close mark.
    EXPECT_EQ(candles.pixelColor(66, 60), Black);
    EXPECT_EQ(candles.pixelColor(68, 60), Black);
    EXPECT_EQ(candles.pixelColor(67, 60), White);
    EXPECT_EQ(candles.pixelColor(80, 63), Black);
    EXPECT_EQ(count(candles, Candles.rising, QRect(0, 0, 100, 100)) +
                  count(candles, Candles.falling, QRect(0, 0, 100, 100)),
              0);
    EXPECT_EQ(count(candles, Black, QRect(100, 0, 180, 100)), 0);   // days 1 and 2 are all colour
}

TEST_F(PriceStyles, ManyDaysKeepTheirPlacesAndPlainLineMarks)
{
    // 120 days with opens on 3600 twips: the plain-line bars of the default,
    // and candles whose wicks run on the bars' columns.
    auto h = std::make_unique<PriceHistory>();
    h->record_count = 120;
    for (int k = 1; k <= 120; ++k) {
        h->open_array[k] = float(14 + k % 3);
        h->close_array[k] = float(16 - k % 3);
        h->high_array[k] = 19;
        h->low_array[k] = 11;
    }
    const DayAxis days = DayAxis::singleSlot(3600, 1, 120, *DayAxis::singleSlotWidth(3600, 1, 120));
    const PriceChartView many{*h, 1, 120, days, PriceAxis(1500, handScale())};
    QImage bars(240, 100, QImage::Format_RGB32), candles(240, 100, QImage::Format_RGB32);
    bars.fill(White);
    candles.fill(White);
    {
        platform::Surface a(&bars, T, T), b(&candles, T, T);
        drawPriceBars(a, many);
        drawPriceBars(b, many, DayLook{PriceStyle::Candlestick, Candles});
        a.flush();
        b.flush();
    }
    // Row 40 lies between the high (row 37) and the bodies (rows 57..70).
    for (int k = 1; k <= 120; ++k) {
        const int column = int(platform::roundHalfEven(days.x(k) / T));
        EXPECT_EQ(bars.pixelColor(column, 40), Black) << k;
        const QColor wick = h->close_array[k] >= h->open_array[k] ? Candles.rising : Candles.falling;
        EXPECT_EQ(candles.pixelColor(column, 40), wick) << k;
    }
}

TEST_F(PriceStyles, TheCloseLineAndAHiddenChartWinOverTheStyle)
{
    DrawingSwitches on;
    on.ma10_flag = on.ma50_flag = on.ma200_flag = false;
    on.price_style = PriceStyle::Candlestick;
    PricePaneLook look = ScreenPriceLook;
    look.candles = Candles;
    const auto drawn = [&](const DrawingSwitches &switches) {
        QImage image(280, 100, QImage::Format_RGB32);
        image.fill(White);
        platform::Surface pane(&image, T, T);
        drawPricePane(pane, view(), switches, OverlayParameters{}, look);
        pane.flush();
        return image;
    };
    const QImage candles = drawn(on);
    EXPECT_GT(count(candles, Candles.rising, All), 0);
    on.high_low_close_flag = false;
    const QImage line = drawn(on);
    EXPECT_EQ(count(line, Candles.rising, All) + count(line, Candles.falling, All), 0);
    EXPECT_GT(count(line, Black, All), 0);
    on.high_low_close_flag = true;
    on.hide_chart_flag = true;
    EXPECT_EQ(count(drawn(on), White, All), 280 * 100);
}

}   // namespace
