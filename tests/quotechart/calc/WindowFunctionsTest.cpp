#include "DayArrays.h"

#include "calc/WindowFunctions.h"

using namespace quotechart::indicators;

namespace {

const std::vector<float> prices = indicatortest::newestFirst({5.0f, 3.0f, 8.0f, 1.0f, 9.0f, 4.0f});

struct WindowCase {
    Day day;
    Period N;
    std::optional<float> lowest;
    std::optional<float> highest;
};

}   // namespace

TEST(WindowFunctions, LowestAndHighestOverTheWindowEndingAtTheDay)
{
    const WindowCase cases[] = {
        {1, 3, 3.0f, 8.0f},                                               // 5 3 8
        {2, 3, 1.0f, 8.0f},                                               // 3 8 1
        {3, 3, 1.0f, 9.0f},                                               // 8 1 9
        {5, 4, 0.0f, 9.0f},                                               // 9 4 and two days never loaded
        {2, 1, 3.0f, 3.0f},                                               // N of 1 or less is the day itself
        {2, 0, 3.0f, 3.0f}, {2, -7, 3.0f, 3.0f}, {4998, 3, 0.0f, 0.0f},   // ends at the capacity
        {4999, 3, {}, {}},                                                // reads day 5001
        {0, 3, {}, {}},     {2, 32767, {}, {}},                           // 2 + 32766 overflows 16 bits
    };
    for (const WindowCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "day " << c.day << " N " << c.N);
        EXPECT_EQ(GetLowestValue(prices, c.day, c.N), c.lowest);
        EXPECT_EQ(GetHighestValue(prices, c.day, c.N), c.highest);
    }
}

TEST(WindowFunctions, AveragesOfThreeWindowsDivideEachTermFirst)
{
    // Lowest of the windows at days 1, 2, 3: 3, 1, 1; highest: 8, 8, 9.
    EXPECT_FLOAT_EQ(*GetAverageLowest(prices, 1, 3), 3.0f / 3 + 1.0f / 3 + 1.0f / 3);
    EXPECT_FLOAT_EQ(*GetAverageHighest(prices, 1, 3), 8.0f / 3 + 8.0f / 3 + 9.0f / 3);
    // The third window (day 4999) reaches day 5001.
    EXPECT_EQ(GetAverageLowest(prices, 4997, 3), std::nullopt);
    EXPECT_EQ(GetAverageHighest(prices, 32766, 1), std::nullopt);   // 32766 + 2 overflows
}

TEST(WindowFunctions, MaximaOverARange)
{
    const std::vector<float> swings = indicatortest::newestFirst({2.0f, -7.0f, 3.0f});
    EXPECT_EQ(GetMaximumAbsValue(swings, 1, 3), 7.0f);
    EXPECT_EQ(GetMaximumValue(Series(swings), 1, 3), 3.0f);
    EXPECT_EQ(GetMaximumValue(Series(swings), 2, 2), -7.0f);
    EXPECT_EQ(GetMaximumAbsValue(swings, 3, 2), std::nullopt);   // empty range
    EXPECT_EQ(GetMaximumAbsValue(swings, 4999, 5001), std::nullopt);

    const std::vector<int32_t> volumes = indicatortest::newestFirst<int32_t>({1200, 2147483647, 5});
    EXPECT_EQ(GetMaximumValue(VolumeSeries(volumes), 1, 3), 2147483648.0f);
    EXPECT_EQ(GetMaximumValue(VolumeSeries(volumes), 3, 5000), 5.0f);
    EXPECT_EQ(GetMaximumValue(VolumeSeries(volumes), 0, 3), std::nullopt);
}
