// The drag's pixel geometry, worked by hand for a top pane (0,0)-(400,100)
// over a document area (0,100)-(400,400), and its mirror images.

#include "DragGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace splitbay6;

namespace {

constexpr ScreenRect TopPane{0, 100, 400, 200};
constexpr ScreenRect BelowTop{0, 200, 400, 500};
constexpr ScreenRect BottomPane{0, 400, 400, 500};
constexpr ScreenRect AboveBottom{0, 0, 400, 400};
constexpr ScreenRect LeftPane{100, 0, 300, 300};
constexpr ScreenRect RightOfLeft{300, 0, 700, 300};
constexpr ScreenRect RightPane{500, 0, 700, 300};
constexpr ScreenRect LeftOfRight{0, 0, 500, 300};

}   // namespace

TEST(DragGeometry, GhostBarIsFourPixelsAcrossTheCursorAndInsetAlongThePane)
{
    EXPECT_EQ(ghostBar(DockTop, TopPane, 150), (BarRect{2, 398, 148, 152}));
    EXPECT_EQ(ghostArea(DockTop, BarRect{2, 398, 148, 152}), QRect(2, 148, 396, 4));
    EXPECT_EQ(ghostBar(DockLeft, LeftPane, 250), (BarRect{248, 252, 2, 298}));
    EXPECT_EQ(ghostArea(DockRight, BarRect{248, 252, 2, 298}), QRect(248, 2, 4, 296));
    EXPECT_FALSE(ghostBar(0, TopPane, 150));
    EXPECT_FALSE(ghostBar(5, TopPane, 150));
}

TEST(DragGeometry, PaneSizeFromTheBarPerEdge)
{
    EXPECT_EQ(paneSizePixels(DockTop, TopPane, *ghostBar(DockTop, TopPane, 150)), 52);               // 148 - 100 + 4
    EXPECT_EQ(paneSizePixels(DockBottom, BottomPane, *ghostBar(DockBottom, BottomPane, 450)), 51);   // 500 - 449
    EXPECT_EQ(paneSizePixels(DockLeft, LeftPane, *ghostBar(DockLeft, LeftPane, 250)), 152);
    EXPECT_EQ(paneSizePixels(DockRight, RightPane, *ghostBar(DockRight, RightPane, 600)), 101);
}

TEST(DragGeometry, MoveLimitsIncludeBothEndsAndRefuseANegativeCrossCoordinate)
{
    // Top: lowest 100 + 4 + Min, highest 500 - 4 - Max.
    EXPECT_FALSE(moveAccepted(DockTop, TopPane, BelowTop, 113, 10, 10, 10));
    EXPECT_TRUE(moveAccepted(DockTop, TopPane, BelowTop, 114, 10, 10, 10));
    EXPECT_TRUE(moveAccepted(DockTop, TopPane, BelowTop, 486, 10, 10, 10));
    EXPECT_FALSE(moveAccepted(DockTop, TopPane, BelowTop, 487, 10, 10, 10));
    EXPECT_FALSE(moveAccepted(DockTop, TopPane, BelowTop, 300, -1, 10, 10));
    EXPECT_TRUE(moveAccepted(DockTop, TopPane, BelowTop, 300, 0, 10, 10));
    // Bottom: lowest 0 + 4 + Max, highest 500 - 4 - Min; Min and Max are not swapped.
    EXPECT_TRUE(moveAccepted(DockBottom, BottomPane, AboveBottom, 24, 0, 1, 20));
    EXPECT_FALSE(moveAccepted(DockBottom, BottomPane, AboveBottom, 23, 0, 1, 20));
    EXPECT_TRUE(moveAccepted(DockBottom, BottomPane, AboveBottom, 495, 0, 1, 20));
    // Left and right limit along x; a negative y is refused.
    EXPECT_TRUE(moveAccepted(DockLeft, LeftPane, RightOfLeft, 114, 5, 10, 10));
    EXPECT_FALSE(moveAccepted(DockLeft, LeftPane, RightOfLeft, 687, 5, 10, 10));
    EXPECT_FALSE(moveAccepted(DockLeft, LeftPane, RightOfLeft, 300, -5, 10, 10));
    EXPECT_TRUE(moveAccepted(DockRight, RightPane, LeftOfRight, 14, 5, 10, 10));
    EXPECT_FALSE(moveAccepted(DockRight, RightPane, LeftOfRight, 687, 5, 10, 10));
    // Fractional limits compare exactly: 104 + 0.5 keeps 104 out.
    EXPECT_FALSE(moveAccepted(DockTop, TopPane, BelowTop, 104, 0, 0.5f, 10));
    // A limit that is no number accepts nothing.
    EXPECT_FALSE(moveAccepted(DockTop, TopPane, BelowTop, 300, 0, std::numeric_limits<float>::quiet_NaN(), 10));
}

TEST(DragGeometry, ReleaseClampsPerEdge)
{
    struct Case {
        int32_t edge;
        ScreenRect primary, secondary;
        int32_t c;
        bool first, second;
        double pixels;   // of the clamp that wins
    };
    const Case cases[] = {
        {DockTop, TopPane, BelowTop, 116, true, false, 16},   // Min + 6
        {DockTop, TopPane, BelowTop, 117, false, false, 0},
        {DockTop, TopPane, BelowTop, 485, false, true, 386},           // 500 - 100 - 4 - Max
        {DockBottom, BottomPane, AboveBottom, 15, true, false, 485},   // 500 - 0 - (Max + 5)
        {DockBottom, BottomPane, AboveBottom, 485, false, true, 15},   // Min + 5
        {DockLeft, LeftPane, RightOfLeft, 114, true, false, 14},       // Min + 4
        {DockLeft, LeftPane, RightOfLeft, 686, false, true, 586},      // 700 - 100 - 4 - Max
        {DockRight, RightPane, LeftOfRight, 14, true, false, 686},     // 700 - 0 - (Max + 4)
        {DockRight, RightPane, LeftOfRight, 685, false, true, 16},     // Min + 6
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(testing::Message() << "edge " << test.edge << " at " << test.c);
        const ReleaseClamp first = firstReleaseClamp(test.edge, test.primary, test.secondary, test.c, 10, 10);
        const ReleaseClamp second = secondReleaseClamp(test.edge, test.primary, test.secondary, test.c, 10, 10);
        EXPECT_EQ(first.applies, test.first);
        EXPECT_EQ(second.applies, test.second);
        if (test.first) {
            EXPECT_EQ(first.pixels, test.pixels);
        }
        if (test.second) {
            EXPECT_EQ(second.pixels, test.pixels);
        }
    }
    // Conversions: vertical for top and bottom, horizontal for right, mixed for left.
    EXPECT_TRUE(firstReleaseClamp(DockTop, TopPane, BelowTop, 0, 10, 10).vertical);
    EXPECT_FALSE(firstReleaseClamp(DockLeft, LeftPane, RightOfLeft, 0, 10, 10).vertical);
    EXPECT_TRUE(secondReleaseClamp(DockLeft, LeftPane, RightOfLeft, 999, 10, 10).vertical);
    EXPECT_FALSE(secondReleaseClamp(DockRight, RightPane, LeftOfRight, 999, 10, 10).vertical);
}

TEST(DragGeometry, ResultsOutsideThirtyTwoBitsFail)
{
    constexpr int32_t big = std::numeric_limits<int32_t>::max();
    EXPECT_FALSE(ghostBar(DockTop, ScreenRect{big - 1, 0, big, 10}, 5));
    EXPECT_FALSE(ghostBar(DockLeft, TopPane, big));
    EXPECT_FALSE(ghostArea(DockTop, BarRect{-big, big, 0, 4}));
    EXPECT_EQ(pixelsToTwips(16, 15), 240);
    EXPECT_EQ(pixelsToTwips(2.5, 1), 2);   // half to even
    EXPECT_FALSE(pixelsToTwips(2e8, 15));
    EXPECT_FALSE(pixelsToTwips(std::nan(""), 15));
}
