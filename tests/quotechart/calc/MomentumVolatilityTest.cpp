#include "DayArrays.h"

#include "calc/MomentumVolatility.h"

using namespace quotechart::indicators;

TEST(Momentum, IsThePriceDifferenceOverNDays)
{
    const std::vector<float> closes = indicatortest::newestFirst({10.0f, 8.0f, 11.0f, 7.0f, 7.0f});
    const SymmetricSeries bars = momentumBars(closes, 1, 3, 2);
    indicatortest::expectPoints(bars.values, {{1, -1.0}, {2, 1.0}, {3, 4.0}});   // 10-11, 8-7, 11-7
    EXPECT_EQ(bars.M, 4.0f);

    const indicatortest::History h = indicatortest::randomWalk(17);
    const SymmetricSeries late = momentumBars(h.closes, 3001, 3002, 10);   // no work series: drawn
    indicatortest::expectPoints(late.values, {{3001, h.closes[3001] - h.closes[3011]}}, 1e-6);

    const SymmetricSeries failing = momentumBars(h.closes, 4999, 4999, 2);   // reads day 5001
    const SymmetricSeries overflow = momentumBars(h.closes, 1, 1, 32767);    // 1 + 32767
    indicatortest::expectPoints(failing.values, {{4999, 0.0}});
    indicatortest::expectPoints(overflow.values, {{1, 0.0}});
    EXPECT_EQ(overflow.M, 0.0f);
}

TEST(Volatility, RelativeChangeOfTheAveragedRange)
{
    // Ranges 3 2 4 2 2 2; with V1 = 1 the average is the range itself and
    // Vol(i) = R(i) / R(i + 1) - 1.
    const std::vector<float> highs = indicatortest::newestFirst({13.0f, 12.0f, 14.0f, 12.0f, 12.0f, 12.0f});
    const std::vector<float> lows = indicatortest::newestFirst({10.0f, 10.0f, 10.0f, 10.0f, 10.0f, 10.0f});
    const SymmetricSeries line = volatilityLine(highs, lows, 1, 3, 1, 1);
    indicatortest::expectPoints(line.values, {{1, 0.5}, {2, -0.5}, {3, 1.0}, {4, 0.0}});
    EXPECT_EQ(line.M, 0.5f);   // day 3, the oldest visible, is left out
}

TEST(Volatility, StaysZeroWhereTheOlderRangeIsZeroOrHasNoSlot)
{
    const std::vector<float> flat = indicatortest::constantDays(20.0f);
    const SymmetricSeries level = volatilityLine(flat, flat, 1, 200, 10, 10);
    for (int32_t day = 1; day <= 201; ++day)
        ASSERT_EQ(level.values.at(day), 0.0) << day;
    EXPECT_EQ(level.M, 0.0f);

    const indicatortest::History h = indicatortest::randomWalk(19);
    // A(i) reads R up to i + 10, so A(2991 ..) stays 0 and Vol(2981 ..) with it.
    const SymmetricSeries edge = volatilityLine(h.highs, h.lows, 2975, 3005, 10, 10);
    indicatortest::expectNoPoints(edge.values, {3001, 3006});
    indicatortest::expectPoints(edge.values, {{2981, 0.0}, {3000, 0.0}});
    ASSERT_TRUE(edge.values.at(2980).has_value());
    EXPECT_NE(*edge.values.at(2980), 0.0);

    const SymmetricSeries overflowed = volatilityLine(h.highs, h.lows, 1, 100, 32767, 10);
    EXPECT_EQ(overflowed.values.at(50), 0.0);
}
