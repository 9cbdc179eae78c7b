// Periods far longer than the history or the work series: a window that
// cannot be formed fails at once, and a window cut off by the end of the work
// series counts the days it has, as the shorter period that ends there does.

#include "DayArrays.h"

#include "calc/Averages.h"
#include "calc/MACD.h"
#include "calc/RSI.h"
#include "calc/Stochastics.h"
#include "calc/VolumeIndicators.h"
#include "calc/WindowFunctions.h"

#include <algorithm>

using namespace quotechart::indicators;

namespace {

const indicatortest::History h = indicatortest::randomWalk(41);

TEST(LongPeriods, AWindowEndingOnTheOldestDayIsTheLastOneThatForms)
{
    const Series closes = h.closes;
    const float highest = *std::max_element(h.closes.begin() + 1, h.closes.end());
    EXPECT_EQ(GetHighestValue(closes, 1, 5000), highest);
    EXPECT_EQ(GetHighestValue(closes, 1, 5001), std::nullopt);
    EXPECT_EQ(GetHighestValue(closes, 2, 32767), std::nullopt);
    EXPECT_TRUE(CalculateExpMA(closes, 1, 4999).has_value());
    EXPECT_EQ(CalculateExpMA(closes, 1, 5000), std::nullopt);
    EXPECT_EQ(CalculateExpMA(closes, 1, 32766), std::nullopt);
    EXPECT_TRUE(CalculateRSI(closes, 2, 4999).has_value());   // changes into days 2 .. 4999
    EXPECT_EQ(CalculateRSI(closes, 2, 5000), std::nullopt);

    WorkSeries average;
    EXPECT_EQ(CalculateMA(closes, average, 1, 10, 4991), Fill::Complete);
    EXPECT_EQ(CalculateMA(closes, average, 1, 10, 4992), Fill::Stopped);
}

TEST(LongPeriods, MoneyFlowPastTheWorkSeriesCountsTheDaysItHas)
{
    // Day i compares days i .. 2999 with their older neighbours whatever the
    // period beyond that.
    const PlotSeries longer = moneyFlowIndexLine(h.closes, h.highs, h.lows, h.volumes, 2900, 2990, 20000);
    for (int32_t day = 2900; day <= 2991; day += 13) {
        const PlotSeries fitting =
            moneyFlowIndexLine(h.closes, h.highs, h.lows, h.volumes, Day(day), Day(day), Period(2999 - day));
        ASSERT_TRUE(longer.at(day).has_value()) << day;
        EXPECT_EQ(longer.at(day), fitting.at(day)) << day;
    }
    // Past 16 bits nothing is formed: no flow, and every index keeps its 0.
    const PlotSeries overflowing = moneyFlowIndexLine(h.closes, h.highs, h.lows, h.volumes, 1, 3000, 32767);
    for (const int32_t day : {1, 2, 1500, 3000})
        EXPECT_EQ(overflowing.at(day), 0.0) << day;
}

TEST(LongPeriods, LinesFilledPastTheWorkSeriesMatchTheirFittingPeriod)
{
    // The MACD's scale spans the days up to last + P3, the work series' end
    // for both; the %K line does not depend on D.
    EXPECT_EQ(macdLines(h.closes, 1, 100, 12, 26, 30000).M, macdLines(h.closes, 1, 100, 12, 26, 2900).M);
    const StochasticLines longer = fastStochasticLines(h.closes, h.highs, h.lows, 1, 100, 2500, 30000);
    const StochasticLines fitting = fastStochasticLines(h.closes, h.highs, h.lows, 1, 100, 2500, 2900);
    for (int32_t day = 1; day <= 101; ++day)
        ASSERT_EQ(longer.percentK.at(day), fitting.percentK.at(day)) << day;
    ASSERT_TRUE(longer.percentK.at(1).has_value());
}

}   // namespace
