#include "DayArrays.h"

#include "calc/VolumeIndicators.h"

#include <cmath>

using namespace quotechart::indicators;

TEST(OnBalanceVolume, IsAnchoredAtTheOldestVisibleDay)
{
    std::vector<float> closes = indicatortest::newestFirst({10.0f, 12.0f, 11.0f, 11.0f, 9.0f});
    std::vector<int32_t> volumes = indicatortest::newestFirst<int32_t>({100, 200, 300, 400, 500});
    // Day 3 closes level with day 4, day 2 higher (+200), day 1 lower (-100).
    const SymmetricSeries bars = onBalanceVolumeBars(closes, volumes, 1, 4);
    indicatortest::expectPoints(bars.values, {{1, 100.0}, {2, 200.0}, {3, 0.0}, {4, 0.0}});
    EXPECT_EQ(bars.M, 200.0f);

    // Whatever came before the oldest visible day changes nothing.
    closes[5] = 90.0f;
    volumes[5] = 7000;
    const SymmetricSeries same = onBalanceVolumeBars(closes, volumes, 1, 4);
    indicatortest::expectPoints(same.values, {{1, 100.0}, {2, 200.0}, {3, 0.0}, {4, 0.0}});

    const SymmetricSeries shorter = onBalanceVolumeBars(closes, volumes, 1, 2);
    indicatortest::expectPoints(shorter.values, {{1, -100.0}, {2, 0.0}});
    EXPECT_EQ(shorter.M, 100.0f);
}

TEST(OnBalanceVolume, DaysAbove3000HaveNoBarsButTheRestKeepTheirScale)
{
    const indicatortest::History h = indicatortest::randomWalk(23);
    const SymmetricSeries bars = onBalanceVolumeBars(h.closes, h.volumes, 2990, 3004);
    indicatortest::expectNoPoints(bars.values, {3001, 3004});
    indicatortest::expectPoints(bars.values, {{3000, 0.0}});   // OBV(3001) cannot be read
    float largest = 0.0f;
    for (int32_t day = 2990; day <= 3000; ++day)
        largest = std::max(largest, float(std::fabs(*bars.values.at(day))));
    EXPECT_GT(largest, 0.0f);
    EXPECT_EQ(bars.M, largest);
}

TEST(MoneyFlowIndex, ComparesEachDaysFlowWithThePreviousDays)
{
    // Close = high = low = 1, so each day's flow is its volume: 5 3 4, then
    // day 4 is never computed and reads 0.
    const std::vector<float> ones = indicatortest::newestFirst({1.0f, 1.0f, 1.0f, 1.0f});
    const std::vector<int32_t> volumes = indicatortest::newestFirst<int32_t>({5, 3, 4, 2});
    const PlotSeries line = moneyFlowIndexLine(ones, ones, ones, volumes, 1, 1, 1);
    indicatortest::expectPoints(line,
                                {
                                    {1, 100.0 - 100.0 / (1.0 + 5.0 / 3.0)},   // 5 >= 3 positive, 3 < 4 negative
                                    {2, 100.0 - 100.0 / (1.0 + 4.0 / 3.0)},   // 3 < 4 negative, 4 >= 0 positive
                                });
}

TEST(MoneyFlowIndex, StaysZeroWithoutNegativeFlowAndAbove3000HasNoPoints)
{
    const std::vector<float> prices = indicatortest::constantDays(12.5f);
    const std::vector<int32_t> volumes = indicatortest::constantDays<int32_t>(40000);
    const PlotSeries equal = moneyFlowIndexLine(prices, prices, prices, volumes, 1, 100, 10);
    for (int32_t day = 1; day <= 101; ++day)
        ASSERT_EQ(equal.at(day), 0.0) << day;

    const indicatortest::History h = indicatortest::randomWalk(29);
    const PlotSeries edge = moneyFlowIndexLine(h.closes, h.highs, h.lows, h.volumes, 2980, 3005, 10);
    indicatortest::expectNoPoints(edge, {3001, 3006});
    ASSERT_TRUE(edge.at(2980).has_value());
    EXPECT_GT(*edge.at(2980), 0.0);
}

// The window sums carry on from one day to the next where the windows start
// on the same day (every window that starts before day 1 starts there in
// effect): each day must still read what its window gives on its own.
TEST(MoneyFlowIndex, EachDayReadsWhatItsWindowGivesAlone)
{
    const indicatortest::History h = indicatortest::randomWalk(31);
    struct Case {
        Day first, last;
        Period N;
    };
    for (const Case c : {Case{-3000, 40, 2999}, Case{-200, 60, 150}, Case{-20, 10, 1}, Case{1, 120, 14},
                         Case{2900, 2990, 500}, Case{-6000, 5, 5500}}) {
        const PlotSeries line = moneyFlowIndexLine(h.closes, h.highs, h.lows, h.volumes, c.first, c.last, c.N);
        for (int32_t day = std::max<int32_t>(c.first, 1); day <= c.last && day <= 3000; ++day) {
            const PlotSeries alone = moneyFlowIndexLine(h.closes, h.highs, h.lows, h.volumes, Day(day), Day(day), c.N);
            ASSERT_EQ(line.at(day), alone.at(day)) << c.first << ".." << c.last << " N " << c.N << " day " << day;
        }
    }
}
