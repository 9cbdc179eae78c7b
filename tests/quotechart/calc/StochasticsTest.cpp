#include "DayArrays.h"

#include "calc/Stochastics.h"

using namespace quotechart::indicators;

namespace {

struct Prices {
    std::vector<float> closes;
    std::vector<float> highs;
    std::vector<float> lows;
};

}   // namespace

TEST(FastStochastic, PlacesTheCloseInTheWindowsRange)
{
    // Day:                                 1      2     3     4     5     6    (7.. never loaded)
    const Prices p{indicatortest::newestFirst({10.0f, 7.0f, 6.0f, 7.0f, 7.0f, 7.0f}),
                   indicatortest::newestFirst({10.0f, 9.0f, 8.0f, 7.0f, 7.0f, 7.0f}),
                   indicatortest::newestFirst({8.0f, 7.0f, 6.0f, 7.0f, 7.0f, 7.0f})};
    const StochasticLines lines = fastStochasticLines(p.closes, p.highs, p.lows, 1, 3, 3, 2);
    indicatortest::expectPoints(lines.percentK,
                                {
                                    {1, 100.0},       // close at the window's high 10 (low 6)
                                    {2, 100.0 / 3},   // (7 - 6) / (9 - 6)
                                    {3, 0.0},         // close at the window's low 6 (high 8)
                                    {4, 0.0},         // high = low = 7: stays 0
                                });
    // %K(5), not drawn, sees the zeros of day 7: (7 - 0) / (7 - 0).
    indicatortest::expectPoints(lines.percentD,
                                {
                                    {1, (100.0 + 100.0 / 3) / 2},
                                    {2, (100.0 / 3) / 2},
                                    {3, 0.0},
                                    {4, (0.0 + 100.0) / 2},
                                });
}

TEST(SlowStochastic, SmoothsCloseLowAndHighOverThreeDays)
{
    const Prices p{indicatortest::newestFirst({11.0f, 9.0f, 13.0f, 8.0f, 8.0f}),
                   indicatortest::newestFirst({12.0f, 10.0f, 14.0f, 9.0f, 9.0f}),
                   indicatortest::newestFirst({10.0f, 6.0f, 8.0f, 7.0f, 7.0f})};
    // Two-day lows at days 1..4: 6 6 7 7; highs: 12 14 14 9.
    // Day 1: (11 - 19/3) / (40/3 - 19/3); day 2: (10 - 20/3) / (37/3 - 20/3).
    const StochasticLines lines = slowStochasticLines(p.closes, p.highs, p.lows, 1, 1, 2, 1);
    indicatortest::expectPoints(lines.percentK, {{1, 1400.0 / 21}, {2, 1000.0 / 17}});
    indicatortest::expectPoints(lines.percentD, {{1, 1400.0 / 21}, {2, 1000.0 / 17}});
}

TEST(Stochastics, DrawNothingAbove3000AndNothingWhenThePeriodsOverflow)
{
    const indicatortest::History h = indicatortest::randomWalk(5);
    for (const auto lines : {&fastStochasticLines, &slowStochasticLines}) {
        const StochasticLines nearEdge = lines(h.closes, h.highs, h.lows, 2995, 3005, 5, 5);
        indicatortest::expectNoPoints(nearEdge.percentK, {3001, 3006});
        indicatortest::expectNoPoints(nearEdge.percentD, {3001, 3006});
        EXPECT_TRUE(nearEdge.percentK.at(3000).has_value());
        // %D(2996) averages %K(2996 .. 3000); at 2997 it reads %K(3001) and
        // stops, so the days it did not reach stay 0.
        ASSERT_TRUE(nearEdge.percentD.at(2996).has_value());
        EXPECT_NE(*nearEdge.percentD.at(2996), 0.0);
        EXPECT_EQ(nearEdge.percentD.at(2997), 0.0);

        // 200 + 32767 overflows: %K is never filled, and %D cannot average.
        const StochasticLines overflowed = lines(h.closes, h.highs, h.lows, 1, 200, 5, 32767);
        for (int32_t day = 1; day <= 201; ++day) {
            ASSERT_EQ(overflowed.percentK.at(day), 0.0);
            ASSERT_EQ(overflowed.percentD.at(day), 0.0);
        }
    }
}
