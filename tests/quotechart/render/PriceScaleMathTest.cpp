// The price ruler's step table, ruler lines and scale; the day and price
// mapping; the price range over a span of days.

#include "chart/ChartState.h"
#include "render/DayGeometry.h"
#include "render/PriceRange.h"
#include "render/PriceScaleMath.h"

#include <gtest/gtest.h>

using namespace quotechart;

TEST(PriceStep, FollowsTheTableIncludingItsBoundaries)
{
    const std::pair<float, float> cases[] = {
        {7.4f, 1}, {10, 2.5f}, {5000, 1000}, {0, 0.02f}, {100000, 1000}, {4999.99f, 500}, {2500, 500},
        {1500, 250}, {1000, 150}, {999, 100}, {500, 100}, {250, 50}, {150, 25}, {149.9f, 15}, {100, 15},
        {50, 10}, {25, 5}, {24.9f, 2.5f}, {5, 1}, {2.5f, 0.5f}, {1, 0.2f}, {0.5f, 0.1f}, {0.1f, 0.05f},
        {0.0999f, 0.02f}, {-3, 0.02f},
    };
    for (const auto &[range, tick] : cases)
        EXPECT_FLOAT_EQ(priceTickFor(range), tick) << "range " << range;
}

TEST(PriceStep, RulerLinesReachHalfAStepBeyondThePricesRoundingHalfToEven)
{
    EXPECT_EQ(rulerHighTicks(27.9f, 1), 28);   // 28.4
    EXPECT_EQ(rulerLowTicks(20.3f, 1), 20);    // 19.8
    EXPECT_EQ(rulerHighTicks(30, 5), 6);       // 6.5 rounds to even: the top line is 30
    EXPECT_EQ(rulerHighTicks(30, 10), 4);      // 3.5 rounds to 4: the top line is 40
    EXPECT_EQ(rulerLowTicks(25, 10), 2);       // 2.0
    EXPECT_EQ(rulerHighTicks(1.0e9f, 0.02f), std::nullopt);
    EXPECT_EQ(rulerHighTicks(10, 0), std::nullopt);
}

TEST(PriceStep, ScaleFitsTheLinesIntoTheHeightLess100Twips)
{
    EXPECT_FLOAT_EQ(*priceScaleFor(8100, 28, 20, 1), 1000);   // 8000 twips over 8 units
    EXPECT_FLOAT_EQ(*priceScaleFor(4100, 4, 2, 2.5f), 800);
    EXPECT_EQ(priceScaleFor(8100, 20, 20, 1), std::nullopt);
}

TEST(DayGeometry, TheDayUnderThePointerIsTheNearestRoundingHalfToEven)
{
    // 1000 wide, days 1..9: ten slots of 100.
    const std::pair<double, int> cases[] = {{900, 1}, {100, 9}, {860, 1}, {840, 2}, {850, 1}, {950, 1},
                                           {1000, 0}, {0, 10}, {750, 3}};
    for (const auto &[x, day] : cases)
        EXPECT_EQ(dayUnderX(x, 1000, 1, 9), int16_t(day)) << "x " << x;
    EXPECT_EQ(dayUnderX(10, 0, 1, 9), std::nullopt);
    EXPECT_EQ(dayUnderX(-1.0e9, 1000, 1, 9), std::nullopt);
}

TEST(DayGeometry, SlotsPutTheNewestDayOneSlotInAndTheDayAfterTheOldestAtTheLeftEdge)
{
    const float slot = *daySlotWidth(1000, 1, 9);
    EXPECT_FLOAT_EQ(slot, 100);
    EXPECT_DOUBLE_EQ(dayX(1000, 1, 1, slot), 900);
    EXPECT_DOUBLE_EQ(dayX(1000, 10, 1, slot), 0);
    EXPECT_FLOAT_EQ(*daySlotWidth(1000, 5, 5), 500);   // one day sits in the middle
    EXPECT_EQ(daySlotWidth(1000, 5, 3), std::nullopt);

    PriceScale scale;
    scale.price_tick = 1;
    scale.ruler_low_ticks = 20;
    scale.price_scale = 1000;
    EXPECT_DOUBLE_EQ(priceY(20, 8100, scale), 8050);
    EXPECT_DOUBLE_EQ(priceY(28, 8100, scale), 50);
}

TEST(PriceRange, CoversTheLoadedDaysOfTheRangeOnly)
{
    PriceHistory h;
    h.record_count = 6;
    const float highs[] = {0, 10, 12, 11, 15, 9, 14};
    const float lows[] = {0, 8, 7, 9, 3, 8, 6};
    for (int k = 1; k <= 6; ++k) {
        h.high_array[k] = highs[k];
        h.low_array[k] = lows[k];
    }
    h.high_array[7] = 99;   // left over from a longer history
    h.low_array[7] = 1;
    EXPECT_FLOAT_EQ(highestHigh(h, 5, 5), 9);
    EXPECT_FLOAT_EQ(lowestLow(h, 5, 5), 8);
    EXPECT_FLOAT_EQ(highestHigh(h, 1, 3), 12);
    EXPECT_FLOAT_EQ(lowestLow(h, 1, 200), 3);
    EXPECT_FLOAT_EQ(highestHigh(h, -5, 200), 15);
    EXPECT_FLOAT_EQ(highestHigh(h, 7, 200), 0);
    EXPECT_FLOAT_EQ(lowestLow(h, 3, 2), 0);
}
