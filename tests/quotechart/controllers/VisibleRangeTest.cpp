// Paging, zoom and the five-day steps over the visible window.

#include "document/VisibleRange.h"

#include <gtest/gtest.h>

using namespace quotechart;

namespace {

::testing::AssertionResult is(VisibleRange r, int s, int e)
{
    if (r.s == s && r.e == e)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "s " << r.s << ", e " << r.e;
}

TEST(VisibleRange, PagingKeepsTheWidthSharesOneDayAndClampsAtTheEnds)
{
    EXPECT_TRUE(is(pagedBackward({1, 11}, 300), 11, 21));
    EXPECT_TRUE(is(pagedForward({11, 21}), 1, 11));
    EXPECT_TRUE(is(pagedBackward({250, 290}, 300), 260, 300));
    EXPECT_TRUE(is(pagedBackward({260, 300}, 300), 260, 300));
    EXPECT_TRUE(is(pagedForward({4, 14}), 1, 11));
    EXPECT_TRUE(is(pagedBackward({32000, 32767}, 32767), 32000, 32767));
    EXPECT_TRUE(is(pagedBackward({-32768, 32767}, 300), -32768, 32767));   // the width leaves 16 bits
}

TEST(VisibleRange, ZoomCutsThirtyPercentRoundingHalfToEvenAndWidensBothSides)
{
    EXPECT_TRUE(is(zoomedIn({1, 11}), 1, 8));
    EXPECT_TRUE(is(zoomedIn({1, 2}), 1, 2));      // 0.3 rounds to 0
    EXPECT_TRUE(is(zoomedIn({1, 3}), 1, 2));      // 0.6 rounds to 1
    EXPECT_TRUE(is(zoomedIn({1, 6}), 1, 4));      // 1.5 rounds to 2
    EXPECT_TRUE(is(zoomedIn({1, 26}), 1, 18));    // 7.5 -> 8
    EXPECT_TRUE(is(zoomedIn({10, 5}), 10, 13));   // a window the host left reversed
    EXPECT_TRUE(is(zoomedOut({10, 20}, 25), 1, 25));
    EXPECT_TRUE(is(zoomedOut({100, 110}, 300), 90, 120));
    EXPECT_TRUE(is(zoomedOut({7, 7}, 300), 7, 8));
    EXPECT_TRUE(is(zoomedOut({300, 300}, 300), 300, 300));
}

TEST(VisibleRange, ManyZoomStepsAreTheSingleStepsInTurnUntilOneChangesNothing)
{
    VisibleRange in{40, 140}, out{140, 150};
    for (int i = 0; i < 3; ++i) {
        in = zoomedIn(in);
        out = zoomedOut(out, 300);
    }
    EXPECT_EQ(zoomedBySteps({40, 140}, 300, 3), in);
    EXPECT_EQ(zoomedBySteps({140, 150}, 300, -3), out);
    EXPECT_TRUE(is(zoomedBySteps({140, 150}, 300, -273), 1, 300));
    EXPECT_TRUE(is(zoomedBySteps({40, 140}, 300, 273), 40, 41));
    EXPECT_TRUE(is(zoomedBySteps({40, 140}, 300, 0), 40, 140));
}

TEST(VisibleRange, FiveDayStepsRefuseToLeaveTheHistory)
{
    EXPECT_EQ(steppedOlder({200, 297}, 300), std::nullopt);
    EXPECT_TRUE(is(*steppedOlder({200, 295}, 300), 205, 300));
    EXPECT_EQ(steppedNewer({3, 50}), std::nullopt);
    EXPECT_TRUE(is(*steppedNewer({6, 50}), 1, 45));
    EXPECT_EQ(steppedOlder({1, 32765}, 32767), std::nullopt);
}

}   // namespace
