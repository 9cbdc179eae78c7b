// Regions of a surface: their own origin, size and clipping, on the raster
// fast path (RGB32 images) and on the painter path (any other device).

#include "QtPrinters.h"
#include "platform/Surface.h"

#include <QImage>

#include <gtest/gtest.h>

using platform::Surface;
using platform::SurfaceRegion;

namespace {

constexpr double T = 15.0;

// Pixels that differ between two images of one size, outside `except`.
int changedOutside(const QImage &before, const QImage &after, const QRect &except)
{
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            changed += !except.contains(x, y) && before.pixel(x, y) != after.pixel(x, y);
    return changed;
}

class SurfaceRegionTest : public ::testing::TestWithParam<QImage::Format> {
protected:
    SurfaceRegionTest() : image(60, 40, GetParam()) { image.fill(Qt::white); }
    QColor at(int x, int y)
    {
        surface.flush();
        return image.pixelColor(x, y);
    }

    QImage image;
    Surface surface{&image, T, T};
};

TEST_P(SurfaceRegionTest, DrawsInItsOwnCoordinatesAndReportsItsOwnSize)
{
    SurfaceRegion region(surface, 10 * T, 5 * T, 20 * T, 10 * T);
    EXPECT_DOUBLE_EQ(region.scaleWidth(), 20 * T);
    EXPECT_DOUBLE_EQ(region.scaleHeight(), 10 * T);
    EXPECT_EQ(region.deviceRect(), QRect(10, 5, 20, 10));
    region.line(0, 0, 0, 9 * T, Qt::black);
    region.fillBox(2 * T, 2 * T, 3 * T, 3 * T, Qt::red);
    EXPECT_EQ(at(10, 5), QColor(Qt::black));
    EXPECT_EQ(at(10, 14), QColor(Qt::black));
    EXPECT_EQ(at(12, 7), QColor(Qt::red));
    EXPECT_EQ(at(13, 8), QColor(Qt::red));
    EXPECT_EQ(at(9, 5), QColor(Qt::white));
}

TEST_P(SurfaceRegionTest, NothingLeavesTheRegionAndClearErasesOnlyIt)
{
    const QImage before = image.copy();
    SurfaceRegion region(surface, 10 * T, 5 * T, 20 * T, 10 * T);
    region.setBackColor(Qt::blue);
    region.clear();
    region.line(-100 * T, 3 * T, 100 * T, 3 * T, Qt::black);   // far past both edges
    region.line(5 * T, -50 * T, 5 * T, 50 * T, Qt::black);
    region.fillBox(-10 * T, -10 * T, 100 * T, 2 * T, Qt::red);
    region.setCurrent(15 * T, 4 * T);
    region.print(QStringLiteral("a text far wider than what is left of the region"));
    surface.flush();
    EXPECT_EQ(changedOutside(before, image, QRect(10, 5, 20, 10)), 0);
    EXPECT_EQ(at(10, 8), QColor(Qt::black));
    EXPECT_EQ(at(29, 8), QColor(Qt::black));
    EXPECT_EQ(at(11, 14), QColor(Qt::blue));
}

TEST_P(SurfaceRegionTest, IsCutToTheSurfaceItLiesIn)
{
    SurfaceRegion region(surface, 50 * T, 30 * T, 40 * T, 40 * T);
    EXPECT_EQ(region.deviceRect(), QRect(50, 30, 10, 10));
    SurfaceRegion outside(surface, 100 * T, 100 * T, 5 * T, 5 * T);
    EXPECT_DOUBLE_EQ(outside.scaleWidth(), 0);
    const QImage before = image.copy();
    outside.setBackColor(Qt::black);
    outside.clear();
    outside.line(0, 0, 4 * T, 4 * T, Qt::black);
    surface.flush();
    EXPECT_EQ(image, before);
}

TEST_P(SurfaceRegionTest, RegionsOfOneSurfaceKeepTheirOwnDrawingState)
{
    SurfaceRegion left(surface, 0, 0, 30 * T, 40 * T);
    SurfaceRegion right(surface, 30 * T, 0, 30 * T, 40 * T);
    left.setForeColor(Qt::red);
    left.setCurrent(0, 100);
    right.setForeColor(Qt::green);
    // Vertical runs of one colour in two regions wait together; each lands in its own.
    left.line(2 * T, 0, 2 * T, 10 * T, Qt::black);
    right.line(2 * T, 0, 2 * T, 10 * T, Qt::black);
    EXPECT_EQ(left.foreColor(), QColor(Qt::red));
    EXPECT_EQ(right.foreColor(), QColor(Qt::green));
    EXPECT_EQ(at(2, 5), QColor(Qt::black));
    EXPECT_EQ(at(32, 5), QColor(Qt::black));
    EXPECT_EQ(at(3, 5), QColor(Qt::white));
}

TEST_P(SurfaceRegionTest, PixelDrawingIsRelativeToTheRegion)
{
    SurfaceRegion region(surface, 20 * T, 10 * T, 20 * T, 20 * T);
    region.pixelLine(QPoint(0, 0), QPoint(5, 0), Qt::black, 1);
    EXPECT_EQ(at(20, 10), QColor(Qt::black));
    EXPECT_EQ(at(24, 10), QColor(Qt::black));
    EXPECT_EQ(at(25, 10), QColor(Qt::white));   // the end point stays unpainted
}

INSTANTIATE_TEST_SUITE_P(BothDrawingPaths, SurfaceRegionTest,
                         ::testing::Values(QImage::Format_RGB32, QImage::Format_ARGB32),
                         [](const auto &info) { return info.param == QImage::Format_RGB32 ? "Raster" : "Painter"; });

}   // namespace
