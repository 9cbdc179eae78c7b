#include "Halftone.h"

#include <gtest/gtest.h>

using namespace splitbay6;

TEST(Halftone, PatternIsACheckerboardWithTheOriginPixelLeftAlone)
{
    // Row 0x55: the highest bit (leftmost pixel) is clear.
    EXPECT_FALSE(halftoneInverts(0, 0));
    EXPECT_TRUE(halftoneInverts(1, 0));
    EXPECT_TRUE(halftoneInverts(0, 1));
    EXPECT_FALSE(halftoneInverts(1, 1));
    EXPECT_EQ(halftoneInverts(9, 3), halftoneInverts(1, 3));
    EXPECT_EQ(halftoneInverts(-1, 0), halftoneInverts(7, 0));
}

TEST(Halftone, InvertingTwiceRestoresAndTheOriginFollowsTheArea)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(qRgb(200, 100, 50));
    const QImage before = image;
    invertHalftone(image, QRect(3, 2, 5, 4));
    EXPECT_EQ(image.pixel(3, 2), qRgb(200, 100, 50));   // origin: bit clear
    EXPECT_EQ(image.pixel(4, 2), qRgb(55, 155, 205));   // inverted
    EXPECT_EQ(image.pixel(3, 3), qRgb(55, 155, 205));
    EXPECT_EQ(image.pixel(8, 2), qRgb(200, 100, 50));   // outside
    int changed = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            changed += image.pixel(x, y) != before.pixel(x, y);
    EXPECT_EQ(changed, 10);   // half of 5 x 4
    invertHalftone(image, QRect(3, 2, 5, 4));
    EXPECT_EQ(image, before);
    // Clipped at the image's edges, without touching anything outside.
    invertHalftone(image, QRect(-3, -3, 100, 100));
    invertHalftone(image, QRect(-3, -3, 100, 100));
    EXPECT_EQ(image, before);
}
