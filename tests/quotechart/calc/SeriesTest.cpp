#include "DayArrays.h"

#include "calc/PlotSeries.h"
#include "calc/WorkSeries.h"

using namespace quotechart::indicators;

TEST(DaySeries, ReadsOnlyDaysOneToTheLastSlot)
{
    const std::vector<float> closes = indicatortest::newestFirst({5.0f, 6.0f});
    EXPECT_EQ(dayValue(Series(closes), 1), 5.0f);
    EXPECT_EQ(dayValue(Series(closes), 5000), 0.0f);   // never loaded
    EXPECT_EQ(dayValue(Series(closes), 0), std::nullopt);
    EXPECT_EQ(dayValue(Series(closes), 5001), std::nullopt);
    EXPECT_EQ(dayValue(Series(closes), -3), std::nullopt);
}

TEST(WorkSeries, HoldsZeroFilledDaysOneToItsCapacity)
{
    WorkSeries pane;
    EXPECT_EQ(pane.capacity(), 3000);
    EXPECT_EQ(pane.read(3000), 0.0f);
    EXPECT_TRUE(pane.store(3000, 2.5f));
    EXPECT_EQ(pane.read(3000), 2.5f);
    EXPECT_FALSE(pane.store(3001, 1.0f));
    EXPECT_FALSE(pane.store(0, 1.0f));
    EXPECT_EQ(pane.read(3001), std::nullopt);
    EXPECT_EQ(pane.read(0), std::nullopt);
    EXPECT_EQ(pane.view().size(), 3001u);

    WorkSeries overlay(5000);
    EXPECT_TRUE(overlay.store(5000, 1.0f));
    EXPECT_FALSE(overlay.store(5001, 1.0f));

    WorkSeries none(-4);
    EXPECT_FALSE(none.store(1, 1.0f));
}

TEST(PlotSeries, HasPointsOnlyWhereSetInsideItsDays)
{
    WorkSeries series;
    series.store(2999, 7.0f);
    const PlotSeries line = plotOf(series, lineDays(2999, 3000));   // 2999 .. 3001
    EXPECT_EQ(line.from(), 2999);
    EXPECT_EQ(line.to(), 3001);
    indicatortest::expectPoints(line, {{2999, 7.0}, {3000, 0.0}});
    indicatortest::expectNoPoints(line, {2998, 3001, 3002});

    // Day 32768 cannot be formed in 16 bits.
    const PlotSeries edge = plotEach(lineDays(32767, 32767), [](Day) { return std::optional<float>(1.0f); });
    EXPECT_EQ(edge.to(), 32768);
    indicatortest::expectNoPoints(edge, {32768});
    EXPECT_TRUE(edge.at(32767).has_value());

    EXPECT_FALSE(PlotSeries(5, 4).at(5).has_value());
}
