#include "platform/Placement.h"

#include <QWidget>

#include <gtest/gtest.h>

TEST(Placement, PlacesByTwipsAndSkipsNegativeSizes)
{
    QWidget parent;
    QWidget child(&parent);
    ASSERT_TRUE(platform::placeChild(child, 650, 220, 1500, 300));
    EXPECT_EQ(child.geometry(), QRect(43, 15, 100, 20));   // 650 / 15 = 43.33, 220 / 15 = 14.67

    EXPECT_FALSE(platform::placeChild(child, 0, 0, -10, 300));
    EXPECT_FALSE(platform::placeChild(child, 0, 0, 300, -1));
    EXPECT_FALSE(platform::placeChild(child, std::nan(""), 0, 300, 300));
    EXPECT_EQ(child.geometry(), QRect(43, 15, 100, 20));

    ASSERT_TRUE(platform::setChildTop(child, 1500));
    EXPECT_EQ(child.geometry(), QRect(43, 100, 100, 20));
}
