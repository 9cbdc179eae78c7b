#include "DayArrays.h"

#include "calc/Averages.h"

#include <cmath>

using namespace quotechart::indicators;

TEST(CalculateExpMA, BlendsTheDayWithTheAverageOfTheDaysBefore)
{
    const std::vector<float> closes = indicatortest::newestFirst({10.0f, 4.0f, 6.0f, 8.0f, 2.0f});
    struct Case {
        Day day;
        Period N;
        std::optional<float> expected;
    } const cases[] = {
        {1, 1, 10.0f},                       // alpha = 1: the day itself
        {1, 3, 8.0f},                        // alpha 0.5: 0.5 * 10 + 0.5 * (4 + 6 + 8) / 3
        {1, 4, 7.0f},                        // alpha 0.4: 0.4 * 10 + 0.6 * (4 + 6 + 8 + 2) / 4
        {4, 2, 17.0f / 3},                   // 2/3 * 8 + 1/3 * (2 + 0) / 2: a day never loaded counts 0
        {1, 0, {}},                          // no window
        {1, -3, {}},       {1, 32767, {}},   // N + 1 overflows 16 bits
        {4999, 2, {}},                       // reads day 5001
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "day " << c.day << " N " << c.N);
        const auto average = CalculateExpMA(closes, c.day, c.N);
        ASSERT_EQ(average.has_value(), c.expected.has_value());
        if (average) {
            EXPECT_FLOAT_EQ(*average, *c.expected);
        }
    }
}

TEST(CalculateExpMA, AConstantSeriesAveragesToItselfExactly)
{
    for (const float price : {50.0f, 23.45f, 7.77f, 100.13f}) {
        const std::vector<float> closes = indicatortest::constantDays(price);
        for (const Period N : {2, 5, 12, 26, 300})
            EXPECT_EQ(CalculateExpMA(closes, 10, N), price) << price << " N " << N;
    }
}

TEST(CalculateMA, MatchesTheNaiveAverageOverAWalkingPrice)
{
    const indicatortest::History history = indicatortest::randomWalk(7);
    for (const Period period : {10, 50, 200}) {
        WorkSeries averages(5000);
        const Day last = Day(5001 - period);
        ASSERT_EQ(CalculateMA(history.closes, averages, 1, last, period), Fill::Complete);
        for (int32_t day = 1; day <= last; day += 7) {
            double sum = 0.0;
            for (int32_t j = day; j < day + period; ++j)
                sum += history.closes[std::size_t(j)];
            ASSERT_NEAR(*averages.read(day), sum / period, 1e-5 * sum / period)
                << "period " << period << " day " << day;
        }
    }
}

TEST(CalculateMA, PeriodOneCopiesTheInput)
{
    const indicatortest::History history = indicatortest::randomWalk(3);
    WorkSeries copy;
    ASSERT_EQ(CalculateMA(history.closes, copy, 1, 3000, 1), Fill::Complete);
    for (int32_t day = 1; day <= 3000; ++day)
        ASSERT_EQ(copy.read(day), history.closes[std::size_t(day)]);
}

TEST(CalculateMA, StopsAtItsFirstFailureAndKeepsWhatItStored)
{
    const std::vector<float> closes = indicatortest::newestFirst({1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f});
    WorkSeries averages;
    EXPECT_EQ(CalculateMA(closes, averages, 1, 4, 3), Fill::Complete);
    for (int32_t day = 1; day <= 4; ++day)
        EXPECT_FLOAT_EQ(*averages.read(day), float(day + 1));   // (d + d+1 + d+2) / 3
    // Windows past the loaded days mix in zeros: (5 + 6 + 0) / 3, (6 + 0 + 0) / 3.
    EXPECT_EQ(CalculateMA(closes, averages, 5, 6, 3), Fill::Complete);
    EXPECT_FLOAT_EQ(*averages.read(5), 11.0f / 3);
    EXPECT_FLOAT_EQ(*averages.read(6), 2.0f);

    const std::vector<float> flat = indicatortest::constantDays(4.0f);
    WorkSeries pane;   // the store at 3001 fails
    EXPECT_EQ(CalculateMA(flat, pane, 2998, 3005, 2), Fill::Stopped);
    EXPECT_FLOAT_EQ(*pane.read(3000), 4.0f);

    WorkSeries overlay(5000);   // the window at 4992 reads day 5001
    EXPECT_EQ(CalculateMA(flat, overlay, 4990, 4995, 10), Fill::Stopped);
    EXPECT_FLOAT_EQ(*overlay.read(4991), 4.0f);
    EXPECT_EQ(overlay.read(4992), 0.0f);

    WorkSeries untouched;
    EXPECT_EQ(CalculateMA(closes, untouched, 1, 4, 0), Fill::Stopped);
    EXPECT_EQ(CalculateMA(closes, untouched, 1, 4, -3), Fill::Stopped);
    EXPECT_EQ(CalculateMA(closes, untouched, 2, 4, 32767), Fill::Stopped);   // 2 + 32766 overflows
    EXPECT_EQ(untouched.read(1), 0.0f);
}

TEST(BollingerBands, ComparesEachCloseWithTheAverageOfItsOwnDay)
{
    const std::vector<float> closes = indicatortest::newestFirst({10.0f, 12.0f, 11.0f, 15.0f, 13.0f});
    WorkSeries average;   // 11, 11.5, 13, 14
    ASSERT_EQ(CalculateMA(closes, average, 1, 4, 2), Fill::Complete);

    WorkSeries band;
    ASSERT_EQ(BollingerBands(closes, average.view(), band, 1, 3, 2.0f, 2.0f), Fill::Complete);
    EXPECT_FLOAT_EQ(*band.read(1), 2.0f * std::sqrt(1.25f / 2));   // (10-11)^2 + (12-11.5)^2
    EXPECT_FLOAT_EQ(*band.read(2), 2.0f * std::sqrt(4.25f / 2));   // (12-11.5)^2 + (11-13)^2
    EXPECT_FLOAT_EQ(*band.read(3), 2.0f * std::sqrt(5.0f / 2));    // (11-13)^2 + (15-14)^2

    // A period of 2.5 sums a window of 2 days (ties to even) but divides by 2.5.
    WorkSeries uneven;
    ASSERT_EQ(BollingerBands(closes, average.view(), uneven, 1, 1, 2.5f, 2.0f), Fill::Complete);
    EXPECT_FLOAT_EQ(*uneven.read(1), 2.0f * std::sqrt(1.25f / 2.5f));

    WorkSeries stopped;
    EXPECT_EQ(BollingerBands(closes, average.view(), stopped, 1, 3, 0.0f, 2.0f), Fill::Stopped);
    EXPECT_EQ(BollingerBands(closes, average.view(), stopped, 2999, 3001, 2.0f, 2.0f), Fill::Stopped);
    EXPECT_EQ(BollingerBands(closes, average.view(), stopped, 1, 1, 40000.0f, 2.0f), Fill::Stopped);
}
