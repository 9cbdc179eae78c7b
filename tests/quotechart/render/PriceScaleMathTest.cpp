// The price ruler's step table, ruler lines and scale; the day and price
// mapping; the price range over a span of days.

#include "render/PriceScaleMath.h"
#include "render/DayAxis.h"
#include "render/PriceAxis.h"
#include "render/PriceRange.h"

#include <gtest/gtest.h>

using namespace quotechart;

TEST(PriceStep, FollowsTheTableIncludingItsBoundaries)
{
    const std::pair<float, float> cases[] = {
        {7.4f, 1},    {10, 2.5f},    {5000, 1000},     {0, 0.02f},    {100000, 1000}, {4999.99f, 500}, {2500, 500},
        {1500, 250},  {1000, 150},   {999, 100},       {500, 100},    {250, 50},      {150, 25},       {149.9f, 15},
        {100, 15},    {50, 10},      {25, 5},          {24.9f, 2.5f}, {5, 1},         {2.5f, 0.5f},    {1, 0.2f},
        {0.5f, 0.1f}, {0.1f, 0.05f}, {0.0999f, 0.02f}, {-3, 0.02f},
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

TEST(DayAxis, TheDayUnderThePointerIsTheNearestRoundingHalfToEven)
{
    // 1000 wide, days 1..9: ten slots of 100.
    const std::pair<double, int> cases[] = {{900, 1}, {100, 9},  {860, 1}, {840, 2}, {850, 1},
                                            {950, 1}, {1000, 0}, {0, 10},  {750, 3}};
    const DayAxis days = DayAxis::singleSlot(1000, 1, 9, 100);
    for (const auto &[x, day] : cases)
        EXPECT_EQ(days.dayAt(x), int16_t(day)) << "x " << x;
    EXPECT_EQ(DayAxis::singleSlot(0, 1, 9, 0).dayAt(10), std::nullopt);
    EXPECT_EQ(days.dayAt(-1.0e9), std::nullopt);
    // Every rounding variant reads the pointer alike.
    EXPECT_EQ(DayAxis::exactSlots(1000, 1, 9)->dayAt(850), 1);
    EXPECT_EQ(DayAxis::doubleSlot(1000, 1, 9).dayAt(840), 2);
}

TEST(DayAxis, SlotsPutTheNewestDayOneSlotInAndTheDayAfterTheOldestAtTheLeftEdge)
{
    const float slot = *DayAxis::singleSlotWidth(1000, 1, 9);
    EXPECT_FLOAT_EQ(slot, 100);
    const DayAxis days = DayAxis::singleSlot(1000, 1, 9, slot);
    EXPECT_DOUBLE_EQ(days.x(1), 900);
    EXPECT_DOUBLE_EQ(days.x(10), 0);
    EXPECT_FLOAT_EQ(*DayAxis::singleSlotWidth(1000, 5, 5), 500);   // one day sits in the middle
    EXPECT_EQ(DayAxis::singleSlotWidth(1000, 5, 3), std::nullopt);
    EXPECT_DOUBLE_EQ(DayAxis::exactSlots(1000, 1, 9)->x(10), 0);
    EXPECT_EQ(DayAxis::exactSlots(1000, 5, 3), std::nullopt);
    EXPECT_EQ(DayAxis::exactSlots(1000, -32767, 32767), std::nullopt);   // the slot count leaves 16 bits
    EXPECT_DOUBLE_EQ(DayAxis::doubleSlot(1000, 5, 3).x(7), 1000);        // no slots: width 0

    PriceScale scale;
    scale.price_tick = 1;
    scale.ruler_low_ticks = 20;
    scale.price_scale = 1000;
    const PriceAxis prices(8100, scale);
    EXPECT_DOUBLE_EQ(prices.y(20), 8050);
    EXPECT_DOUBLE_EQ(prices.y(28), 50);
    EXPECT_DOUBLE_EQ(*prices.priceAt(50), 28);
    EXPECT_DOUBLE_EQ(prices.yOverBottomEdge(20), 8100);
    EXPECT_DOUBLE_EQ(prices.rulerLineY(21.5), 6550);
    EXPECT_EQ(PriceAxis(8100, PriceScale{}).priceAt(10), std::nullopt);
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
