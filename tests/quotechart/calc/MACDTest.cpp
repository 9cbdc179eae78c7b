#include "DayArrays.h"

#include "calc/MACD.h"
#include "calc/MomentumVolatility.h"
#include "document/PaneSettings.h"

#include <cmath>

using namespace quotechart::indicators;

namespace {

// With P1 = E1 = 1 and P2 = E2 = 2 the difference at day i is
// x(i) - (2/3 x(i) + 1/3 (x(i+1) + x(i+2)) / 2): 1.5, 1.5, 1, 0 for days 1..4.
const std::vector<float> steps = indicatortest::newestFirst({12.0f, 9.0f, 6.0f, 3.0f, 3.0f, 3.0f});

}   // namespace

TEST(MACD, SignalAndDivergenceFollowTheStoredMACD)
{
    const MACDLines lines = macdLines(steps, 1, 2, 1, 2, 2);   // MACD over days 1..4
    EXPECT_FLOAT_EQ(lines.M, 1.5f);
    indicatortest::expectPoints(lines.macd, {{1, 1.5}, {2, 1.5}, {3, 1.0}});
    // Signal(i) = 2/3 MACD(i) + 1/3 (MACD(i+1) + MACD(i+2)) / 2; MACD(5) was
    // never computed and reads 0.
    indicatortest::expectPoints(lines.signal, {{1, 1.0 + 2.5 / 6}, {2, 1.0 + 1.0 / 6}, {3, 2.0 / 3}});
    indicatortest::expectPoints(lines.divergence, {{1, 1.5 - (1.0 + 2.5 / 6)}, {2, 1.5 - (1.0 + 1.0 / 6)}});
    indicatortest::expectNoPoints(lines.divergence, {3});
}

TEST(MACD, TheSignalPeriodWidensTheDaysOfM)
{
    // Flat at 10 for 59 days, 30 before: the step reaches MACD(i) from i = 34.
    std::vector<float> closes = indicatortest::constantDays(30.0f);
    std::fill(closes.begin() + 1, closes.begin() + 60, 10.0f);
    quotechart::PaneSettings settings;
    settings.MACDperiods3 = 5;
    const auto shortSignal =
        macdLines(closes, 1, 20, settings.MACDperiods1, settings.MACDperiods2, settings.MACDperiods3);
    settings.MACDperiods3 = 20;
    const auto longSignal =
        macdLines(closes, 1, 20, settings.MACDperiods1, settings.MACDperiods2, settings.MACDperiods3);
    EXPECT_EQ(shortSignal.M, 0.0f);
    EXPECT_GT(longSignal.M, 1.0f);
}

TEST(MACD, NothingAbove3000AndNoSignalPastTheWorkSeries)
{
    const indicatortest::History h = indicatortest::randomWalk(13);
    const MACDLines lines = macdLines(h.closes, 2990, 3010, 12, 26, 5);
    indicatortest::expectNoPoints(lines.macd, {3001, 3011});
    indicatortest::expectNoPoints(lines.divergence, {3001, 3010});
    indicatortest::expectNoPoints(lines.signal, {2996, 3000});   // windows reach 3001
    ASSERT_TRUE(lines.signal.at(2995).has_value());
    float largest = 0.0f;
    for (int32_t day = 2990; day <= 3000; ++day)
        largest = std::max(largest, float(std::fabs(*lines.macd.at(day))));
    EXPECT_EQ(lines.M, largest);
    // Without a signal the bar is the MACD itself.
    EXPECT_EQ(lines.divergence.at(2998), lines.macd.at(2998));

    // 200 + 32767 overflows: no MACD at all; 200 + 30000 fits and fills to 3000.
    const MACDLines overflowed = macdLines(h.closes, 1, 200, 12, 26, 32767);
    EXPECT_EQ(overflowed.M, 0.0f);
    EXPECT_EQ(overflowed.macd.at(100), 0.0);
    const MACDLines longSignal = macdLines(h.closes, 1, 200, 12, 26, 30000);
    EXPECT_GT(longSignal.M, 0.0f);
    indicatortest::expectNoPoints(longSignal.signal, {1, 201});
    EXPECT_EQ(longSignal.divergence.at(100), longSignal.macd.at(100));
}

TEST(ExpMADifference, BarsOverTheVisibleDaysWithTheirLargestSwing)
{
    const SymmetricSeries bars = expMADifferenceBars(steps, 1, 3, 1, 2);
    indicatortest::expectPoints(bars.values, {{1, 1.5}, {2, 1.5}, {3, 1.0}});
    indicatortest::expectNoPoints(bars.values, {4});
    EXPECT_FLOAT_EQ(bars.M, 1.5f);

    // Windows past day 5000 cannot be read: drawn as 0, and M stays 0.
    const SymmetricSeries oldest = expMADifferenceBars(indicatortest::constantDays(5.0f), 4999, 5000, 1, 2);
    indicatortest::expectPoints(oldest.values, {{4999, 0.0}, {5000, 0.0}});
    EXPECT_EQ(oldest.M, 0.0f);
}

TEST(ConstantCloses, PutEveryOscillatorOnTheZeroLine)
{
    for (const float price : {10.0f, 23.45f, 131.17f}) {
        SCOPED_TRACE(price);
        const std::vector<float> closes = indicatortest::constantDays(price);
        const quotechart::PaneSettings s;
        const MACDLines macd = macdLines(closes, 1, 200, s.MACDperiods1, s.MACDperiods2, s.MACDperiods3);
        const SymmetricSeries difference = expMADifferenceBars(closes, 1, 200, s.ExpMAperiods1, s.ExpMAperiods2);
        const SymmetricSeries momentum = momentumBars(closes, 1, 200, s.Momentumperiods);
        EXPECT_EQ(macd.M, 0.0f);
        EXPECT_EQ(difference.M, 0.0f);
        EXPECT_EQ(momentum.M, 0.0f);
        for (int32_t day = 1; day <= 200; ++day) {
            ASSERT_EQ(macd.macd.at(day), 0.0);
            ASSERT_EQ(macd.signal.at(day), 0.0);
            ASSERT_EQ(macd.divergence.at(day), 0.0);
            ASSERT_EQ(difference.values.at(day), 0.0);
            ASSERT_EQ(momentum.values.at(day), 0.0);
        }
    }
}
