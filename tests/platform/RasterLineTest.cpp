// Thin lines written straight into a picture box's pixels, with vertical
// runs of one colour merged per column, must leave exactly the pixels that
// drawing every line in turn leaves.

#include "Pixels.h"
#include "platform/PictureBox.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

constexpr double T = 15.0;

// Drawing each line in order, one pixel at a time: the reference.
void referenceLine(QImage &image, QPoint a, QPoint b, QRgb colour, bool invert)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        if (image.rect().contains(x, y))
            image.setPixel(x, y, invert ? (image.pixel(x, y) ^ 0x00FFFFFFu) : (colour | 0xFF000000u));
        if (x == b.x() && y == b.y())
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

TEST(RasterLines, MatchDrawingEveryLineInTurn)
{
    QRandomGenerator random(20261207);
    for (int round = 0; round < 40; ++round) {
        platform::PictureBox box;
        box.resize(60, 40);
        box.surface().clear();
        QImage expected(60, 40, QImage::Format_RGB32);
        expected.fill(Qt::white);
        const QRgb palette[3] = {qRgb(0, 128, 0), qRgb(200, 0, 0), qRgb(0, 0, 0)};
        for (int i = 0; i < 60; ++i) {
            const QRgb colour = palette[random.bounded(3)];
            const bool invert = random.bounded(8) == 0;
            const int x1 = random.bounded(-10, 70), y1 = random.bounded(-10, 50);
            // Mostly vertical runs, the case that is merged, with some others.
            const int kind = random.bounded(4);
            const int x2 = kind < 2 ? x1 : random.bounded(-10, 70);
            const int y2 = kind == 2 ? y1 : random.bounded(-10, 50);
            box.surface().setDrawMode(invert ? platform::DrawMode::Invert : platform::DrawMode::CopyPen);
            box.surface().line(x1 * T, y1 * T, x2 * T, y2 * T, QColor(colour));
            referenceLine(expected, {x1, y1}, {x2, y2}, colour, invert);
        }
        ASSERT_EQ(box.image(), expected) << "round " << round;
    }
}

TEST(RasterLines, PendingRunsAreWrittenBeforeOtherDrawing)
{
    platform::PictureBox box;
    box.resize(20, 20);
    box.surface().clear();
    box.surface().line(5 * T, 0, 5 * T, 19 * T, Qt::green);     // waits as a run
    box.surface().fillBox(0, 5 * T, 19 * T, 6 * T, Qt::blue);   // must cover it
    box.surface().setCurrent(0, 0);
    EXPECT_EQ(pixelAt(box, 5, 5), QColor(Qt::blue));
    EXPECT_EQ(pixelAt(box, 5, 10), QColor(Qt::green));
    box.surface().setDrawMode(platform::DrawMode::Invert);
    box.surface().line(0, 10 * T, 19 * T, 10 * T);
    EXPECT_EQ(pixelAt(box, 5, 10), QColor(255, 0, 255));   // inverted green
}

// Every slanted line between two pixels of a small square, with and without
// its end pixel: exactly the pixels of the walk.
TEST(RasterLines, SlantedLinesInsideTheImageGiveTheWalksPixels)
{
    constexpr int Size = 16;
    constexpr QRgb Red = 0xFF0000;
    QImage drawn(Size, Size, QImage::Format_RGB32), walked(Size, Size, QImage::Format_RGB32);
    for (int from = 0; from < Size * Size; ++from)
        for (int to = 0; to < Size * Size; ++to) {
            const QPoint a(from % Size, from / Size), b(to % Size, to / Size);
            if (a.x() == b.x() || a.y() == b.y())
                continue;
            for (const platform::LineEnd end : {platform::LineEnd::Painted, platform::LineEnd::Unpainted}) {
                drawn.fill(Qt::white);
                walked.fill(Qt::white);
                platform::rasterLine(platform::rasterTarget(drawn), a, b, Red, false, {}, end);
                referenceLine(walked, a, b, Red, false);
                if (end == platform::LineEnd::Unpainted)
                    walked.setPixel(b, 0xFFFFFFFFu);
                ASSERT_EQ(drawn, walked) << a.x() << "," << a.y() << " to " << b.x() << "," << b.y();
            }
        }
}

}   // namespace
