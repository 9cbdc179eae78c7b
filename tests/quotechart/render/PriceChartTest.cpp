// DisplayChart: the bars in their three styles, the close line, the
// averages, envelopes and Bollinger bands, the hidden chart, and the range
// written back to the caller.

#include "PriceChartFixture.h"

#include "document/OverlayParameters.h"

namespace {

const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

class PriceChart : public PriceChartFixture {
protected:
    // The pixel columns of day k's bar at a height between its close and high.
    struct BarColumns {
        QColor left, centre, right;
    };
    // A day near k whose x is not on a half pixel, where rounding half to
    // even would fold two of the bar's columns into one.
    int dayOffHalfPixels(int k)
    {
        while (std::fabs(std::fmod(dayXTwips(k) / T, 1.0) - 0.5) < 1e-6)
            ++k;
        return k;
    }
    BarColumns barAt(int k)
    {
        const double x = dayXTwips(k);
        const int y = px(priceYTwips(h().close_array[k] + 7));
        return {at(px(x - T), y), at(px(x), y), at(px(x + T), y)};
    }
};

TEST_F(PriceChart, BarStyleFollowsTheSpanOfTheVisibleDays)
{
    plainPane();
    struct Case {
        int span;
        bool left, centre, right;   // black at mid-height
    };
    const Case cases[] = {
        {29, true, false, true},    // wide outline, hollow inside
        {30, false, true, false},   // plain line
        {31, true, true, false},    // narrow outline
        {99, true, true, false},  {100, false, true, false},
    };
    for (const Case &c : cases) {
        redraw(1, int16_t(1 + c.span));
        const BarColumns bar = barAt(dayOffHalfPixels(1 + c.span / 3));
        EXPECT_EQ(bar.left == Black, c.left) << "span " << c.span;
        EXPECT_EQ(bar.centre == Black, c.centre) << "span " << c.span;
        EXPECT_EQ(bar.right == Black, c.right) << "span " << c.span;
    }
}

TEST_F(PriceChart, CloseMarksPointToTheNewerDays)
{
    plainPane();
    redraw(1, 101);   // span 100, plain lines: a mark half a slot long at the close
    const int k = dayOffHalfPixels(50);
    const double x = dayXTwips(k);
    const int y = px(priceYTwips(h().close_array[k]));
    const double halfSlot = 0.5 * scale().day_width;
    EXPECT_EQ(at(px(x + halfSlot), y), Black);
    EXPECT_EQ(at(px(x - T), y), White);

    redraw(1, 10);   // outlined: a box 0.3 slot long and one pixel high
    const double x10 = dayXTwips(5);
    const int y10 = px(priceYTwips(h().close_array[5]));
    const int markEnd = px(x10 + 0.3 * scale().day_width);
    EXPECT_EQ(at(markEnd, y10), Black);
    EXPECT_EQ(at(markEnd, y10 - 1), Black);
    EXPECT_EQ(at(markEnd + 1, y10), White);
}

TEST_F(PriceChart, OneVisibleDaySitsInTheMiddle)
{
    plainPane();
    redraw(7, 7);
    const double middle = pane().scaleWidth() / 2;
    EXPECT_FLOAT_EQ(scale().day_width, float(middle));
    EXPECT_DOUBLE_EQ(dayXTwips(7), middle);
    EXPECT_GT(countInColumn(pane(), px(middle - T), Black), 100);
    EXPECT_GT(countInColumn(pane(), px(middle + T), Black), 100);
    EXPECT_EQ(countInColumn(pane(), px(middle - T) - 1, Black), 0);
}

TEST_F(PriceChart, TheEndingDayIsLoweredToTheLoadedDaysInTheCallersVariable)
{
    plainPane();
    int16_t s = 1, e = 500;
    chart->Clear();
    chart->DisplayChart(s, e);
    EXPECT_EQ(e, 300);
    EXPECT_EQ(chart->ending_date_local, 300);

    load("MISSING");   // nothing loaded
    chart->Clear();
    s = 1;
    e = 200;
    chart->DisplayChart(s, e);
    EXPECT_EQ(e, 0);
    EXPECT_EQ(countInRow(pane(), 100, White), pane().width());
}

TEST_F(PriceChart, AVisibleDayOutsideTheArraysEndsTheDrawingWithAnError)
{
    plainPane();
    int16_t s = 0, e = 50;
    try {
        chart->DisplayChart(s, e);
        FAIL() << "no error";
    } catch (const quotechart::ControlError &error) {
        EXPECT_EQ(error.number(), 9);
    }
    s = 5;
    e = 3;   // no slots at all
    EXPECT_THROW(chart->DisplayChart(s, e), quotechart::ControlError);
    redraw(0, 50);   // a redraw goes on past it
    SUCCEED();
}

TEST_F(PriceChart, TheCloseLineRunsToTheLeftEdgeOnlyThroughLoadedDays)
{
    plainPane();
    document().switches.high_low_close_flag = false;
    redraw(1, 50);
    EXPECT_GT(countInColumn(pane(), 0, Black), 0);   // segment from day 50 to day 51
    redraw(251, 300);
    EXPECT_EQ(countInColumn(pane(), 0, Black), 0);   // day 301 is not loaded
    EXPECT_GT(countInColumn(pane(), px(dayXTwips(300)), Black), 0);
}

TEST_F(PriceChart, AveragesAreDrawnOnlyWhereTheirWholeWindowIsLoaded)
{
    loadRows(syntheticRows(250, 50.0));
    plainPane();
    document().switches.ma200_flag = true;
    redraw(1, 200);
    const QColor blue(0, 0, 200);
    int leftmost = pane().width(), rightmost = -1;
    for (int x = 0; x < pane().width(); ++x)
        if (countInColumn(pane(), x, blue) > 0) {
            leftmost = std::min(leftmost, x);
            rightmost = std::max(rightmost, x);
        }
    EXPECT_EQ(leftmost, px(dayXTwips(51)));
    EXPECT_EQ(rightmost, px(dayXTwips(1)));
}

TEST_F(PriceChart, AveragesNearTheOldestDaysOfAFullHistoryDrawWithoutFailing)
{
    loadRows(syntheticRows(5000, 50.0));
    plainPane();
    auto &on = document().switches;
    on.ma10_flag = on.ma50_flag = on.ma200_flag = on.macustom_flag = on.envelopes_flag = on.bollinger_flag = true;
    int16_t s = 4000, e = 5000;
    chart->Clear();
    chart->DrawPriceRuler(s, e);
    EXPECT_NO_THROW(chart->DisplayChart(s, e));
    EXPECT_GT(countInRow(pane(), pane().height() / 2, QColor(200, 0, 0)) +
                  countInColumn(pane(), px(dayXTwips(4500)), QColor(200, 0, 0)),
              0);
    s = 1;
    e = 5000;
    chart->Clear();
    chart->DrawPriceRuler(s, e);
    EXPECT_NO_THROW(chart->DisplayChart(s, e));
}

TEST_F(PriceChart, EnvelopesAndBandsSurroundTheirAverage)
{
    plainPane();
    document().switches.envelopes_flag = true;
    document().switches.bollinger_flag = true;
    quotechart::overlayParameters().envelope_percent = 20;   // well clear of the bars
    redraw(1, 150);
    const QColor magenta(255, 0, 255);
    const int column = px(dayXTwips(60));
    std::vector<int> rows;
    for (int y = 0; y < pane().height(); ++y)
        if (at(column, y) == magenta)
            rows.push_back(y);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_GT(rows.back() - rows.front(), 40);   // one line above, one below
}

TEST_F(PriceChart, AHiddenChartShowsOnlyTheArrowsAlongTheBottom)
{
    plainPane();
    redraw(1, 100);
    auto &t = document().transactions;
    t.buy_days[1] = 30;
    t.sell_days[1] = 20;
    chart->buy_number = 1;
    chart->sell_number = 1;
    document().switches.hide_chart_flag = true;
    int16_t s = 1, e = 100;
    chart->DisplayChart(s, e);
    const int H = pane().height();
    const int buyX = px(dayXTwips(30)), sellX = px(dayXTwips(20));
    // A buy tip 200 twips above the bottom, the arrow hanging below it.
    EXPECT_EQ(at(buyX, px(pane().scaleHeight() - 200)), QColor(0, 180, 0));
    EXPECT_EQ(at(buyX, px(pane().scaleHeight() - 200) - 1), White);
    // A sell tip 50 twips above the bottom, the arrow standing above it.
    EXPECT_EQ(at(sellX, px(pane().scaleHeight() - 50)), QColor(180, 0, 0));
    EXPECT_EQ(at(sellX, px(pane().scaleHeight() - 50) + 1), White);
    // Nothing else: no bars anywhere.
    int black = 0;
    for (int y = 0; y < H; ++y)
        black += countInRow(pane(), y, Black);
    EXPECT_EQ(black, 0);
}

TEST_F(PriceChart, ArrowsMarkTheirDaysBelowTheLowAndAboveTheHigh)
{
    plainPane();
    auto &t = document().transactions;
    t.buy_days[1] = 30;
    t.sell_days[1] = 20;
    chart->buy_number = 1;
    chart->sell_number = 1;
    redraw(1, 100);
    const auto &scale = this->scale();
    const double foot = double(scale.ruler_low_ticks) * scale.price_tick;
    const double H = pane().scaleHeight();
    const int buyTip = px(H - (h().low_array[30] - foot) * scale.price_scale);
    const int sellTip = px(H - (h().high_array[20] - foot) * scale.price_scale - 100);
    EXPECT_EQ(at(px(dayXTwips(30)), buyTip), QColor(0, 180, 0));
    EXPECT_EQ(at(px(dayXTwips(20)), sellTip), QColor(180, 0, 0));
}

}   // namespace
