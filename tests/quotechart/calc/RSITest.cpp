#include "DayArrays.h"

#include "calc/RSI.h"

using namespace quotechart::indicators;

namespace {

struct RSICase {
    const char *name;
    std::vector<float> closes;
    Period N;
    std::optional<double> expected;
};

}   // namespace

TEST(CalculateRSI, SmoothsGainsAndLossesFromTheOldestChange)
{
    const RSICase cases[] = {
        {"rising: no losing day, no value", indicatortest::newestFirst({5.0f, 4.0f, 3.0f, 2.0f, 1.0f}), 5, {}},
        {"falling: no gain", indicatortest::newestFirst({1.0f, 2.0f, 3.0f, 4.0f, 5.0f}), 5, 0.0},
        // Changes oldest first: 10 - 11 = -1, then 12 - 10 = +2.
        // G = 0, then 2/3 * 0 + 2 = 2; L = 1, then 2/3 * 1 = 2/3; 100 - 100 / (1 + 3) = 75.
        {"mixed, N = 3", indicatortest::newestFirst({12.0f, 10.0f, 11.0f}), 3, 75.0},
        // Changes -2, +1, -2: G = 0, 1, 0.75; L = 2, 1.5, 3.125;
        // 100 - 100 / (1 + 0.75 / 3.125) = 100 - 100 / 1.24.
        {"mixed, N = 4", indicatortest::newestFirst({10.0f, 12.0f, 11.0f, 13.0f}), 4, 100.0 - 100.0 / 1.24},
        {"one day has no change", indicatortest::newestFirst({10.0f, 12.0f}), 1, {}},
        {"no window", indicatortest::newestFirst({10.0f, 12.0f}), 0, {}},
    };
    for (const RSICase &c : cases) {
        SCOPED_TRACE(c.name);
        const auto rsi = CalculateRSI(c.closes, 1, c.N);
        ASSERT_EQ(rsi.has_value(), c.expected.has_value());
        if (rsi) {
            EXPECT_NEAR(*rsi, *c.expected, 1e-9);
        }
    }
}

TEST(CalculateRSI, FailsOutsideTheArraysAndOnOverflow)
{
    std::vector<float> closes = indicatortest::newestFirst({1.0f, 2.0f, 1.0f});
    closes[5000] = 1.0f;                                      // a loss into day 4999
    EXPECT_EQ(CalculateRSI(closes, 4996, 5), 0.0);            // reads up to day 5000
    EXPECT_EQ(CalculateRSI(closes, 4997, 5), std::nullopt);   // reads day 5001
    EXPECT_EQ(CalculateRSI(closes, 0, 3), std::nullopt);
    EXPECT_EQ(CalculateRSI(closes, 2, 32767), std::nullopt);   // 2 + 32767 overflows 16 bits
}

TEST(RSILine, DrawsNoValueAsZeroAndKeepsDrawingAbove3000)
{
    const std::vector<float> rising = indicatortest::newestFirst({5.0f, 4.0f, 3.0f, 2.0f, 1.0f, 0.5f});
    const PlotSeries flatLine = rsiLine(rising, 1, 1, 5);   // days 1 and 2
    indicatortest::expectPoints(flatLine, {{1, 0.0}, {2, 0.0}});

    const indicatortest::History history = indicatortest::randomWalk(11);
    const PlotSeries line = rsiLine(history.closes, 2995, 3005, 14);
    for (int32_t day = 2995; day <= 3006; ++day)
        EXPECT_EQ(line.at(day), CalculateRSI(history.closes, Day(day), 14).value_or(0.0)) << day;

    // At the end of the capacity the window reads past day 5000: drawn as 0.
    const PlotSeries oldest = rsiLine(history.closes, 4990, 5000, 14);
    indicatortest::expectPoints(oldest, {{4990, 0.0}, {5000, 0.0}, {5001, 0.0}});
}
