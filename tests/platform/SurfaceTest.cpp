// Drawing on a picture box: exact pixels in aliased raster drawing, the
// inverting draw mode, the persistent image and the repaint batching.

#include "Pixels.h"
#include "platform/PictureBox.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using platform::DrawMode;
using platform::LineStyle;
using platform::PictureBox;
using platform::PixelPen;

namespace {

constexpr double T = 15.0;   // twips per pixel on the offscreen screen (96 DPI)

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_DOUBLE_EQ(platform::twipsPerPixelX(), T);
        box.resize(100, 80);
        box.setBackColor(Qt::white);
        box.surface().clear();
    }

    QColor at(int x, int y) { return pixelAt(box, x, y); }

    PictureBox box;
};

TEST_F(SurfaceTest, SizeIsReportedInTwips)
{
    EXPECT_DOUBLE_EQ(box.scaleWidth(), 1500);
    EXPECT_DOUBLE_EQ(box.scaleHeight(), 1200);
    EXPECT_DOUBLE_EQ(box.surface().scaleWidth(), 1500);
}

TEST_F(SurfaceTest, ClearFillsWithTheBackColour)
{
    box.setBackColor(QColor(255, 255, 196));
    box.surface().line(0, 0, 1400, 1100);
    box.surface().clear();
    EXPECT_EQ(countInRow(box, 40, QColor(255, 255, 196)), 100);
    EXPECT_EQ(at(99, 79), QColor(255, 255, 196));
}

TEST_F(SurfaceTest, LinesPaintBothEndPointsAtHalfToEvenPixels)
{
    auto &s = box.surface();
    s.setForeColor(Qt::red);
    s.line(10 * T, 5 * T, 10 * T, 20 * T);   // column 10, rows 5..20
    EXPECT_EQ(countInColumn(box, 10, Qt::red), 16);
    EXPECT_EQ(at(10, 5), QColor(Qt::red));
    EXPECT_EQ(at(10, 20), QColor(Qt::red));
    EXPECT_EQ(at(10, 21), QColor(Qt::white));

    s.line(20.5 * T, 30 * T, 40 * T, 30 * T, Qt::blue);   // 20.5 rounds to 20
    EXPECT_EQ(countInRow(box, 30, Qt::blue), 21);
    EXPECT_EQ(at(20, 30), QColor(Qt::blue));
    s.line(21.5 * T, 31 * T, 40 * T, 31 * T, Qt::blue);   // 21.5 rounds to 22
    EXPECT_EQ(at(21, 31), QColor(Qt::white));
    EXPECT_EQ(at(22, 31), QColor(Qt::blue));
}

TEST_F(SurfaceTest, LinesFarOutsideAreClippedAndNonFiniteOnesSkipped)
{
    auto &s = box.surface();
    s.setForeColor(Qt::black);
    s.line(-1e12, 40 * T, 1e12, 40 * T);
    EXPECT_EQ(countInRow(box, 40, Qt::black), 100);
    s.line(std::nan(""), 0, 50 * T, 50 * T);
    s.line(0, 0, std::numeric_limits<double>::infinity(), 0);
    EXPECT_EQ(countInRow(box, 0, Qt::black), 0);
}

TEST_F(SurfaceTest, BoxOutlineCoversBothCorners)
{
    box.surface().box(10 * T, 10 * T, 12 * T, 20 * T, Qt::black);   // 3 wide, 11 high
    for (int y = 10; y <= 20; ++y) {
        EXPECT_EQ(at(10, y), QColor(Qt::black)) << y;
        EXPECT_EQ(at(12, y), QColor(Qt::black)) << y;
    }
    EXPECT_EQ(at(11, 10), QColor(Qt::black));
    EXPECT_EQ(at(11, 15), QColor(Qt::white));
    EXPECT_EQ(at(11, 20), QColor(Qt::black));
    EXPECT_EQ(at(13, 15), QColor(Qt::white));
    EXPECT_EQ(at(10, 21), QColor(Qt::white));
}

TEST_F(SurfaceTest, FilledBoxCoversItsCornersAndIsClipped)
{
    box.surface().fillBox(-500, -500, 5 * T, 3 * T, Qt::green);
    EXPECT_EQ(countInRow(box, 0, Qt::green), 6);
    EXPECT_EQ(countInColumn(box, 0, Qt::green), 4);
}

TEST_F(SurfaceTest, InvertingTwiceRestoresThePicture)
{
    auto &s = box.surface();
    s.fillBox(0, 0, 50 * T, 80 * T, QColor(10, 200, 30));
    const QImage before = box.image().copy();

    s.setDrawMode(DrawMode::Invert);
    s.line(30 * T, 0, 30 * T, 79 * T);
    EXPECT_EQ(at(30, 10), QColor(245, 55, 225));
    EXPECT_EQ(at(30, 79), QColor(255 - 10, 255 - 200, 255 - 30));
    s.setDrawStyle(LineStyle::Dash);
    s.line(0, 40 * T, 99 * T, 40 * T);
    s.line(0, 40 * T, 99 * T, 40 * T);
    s.setDrawStyle(LineStyle::Solid);
    s.line(30 * T, 0, 30 * T, 79 * T);
    s.box(5 * T, 5 * T, 20 * T, 20 * T);
    s.box(5 * T, 5 * T, 20 * T, 20 * T);
    EXPECT_EQ(box.image(), before);
}

TEST_F(SurfaceTest, DashedAndDottedLinesLeaveGaps)
{
    auto &s = box.surface();
    s.setForeColor(Qt::black);
    s.setDrawStyle(LineStyle::Dot);
    s.line(0, 10 * T, 99 * T, 10 * T);
    s.setDrawStyle(LineStyle::Dash);
    s.line(0, 20 * T, 99 * T, 20 * T);
    const int dotted = countInRow(box, 10, Qt::black);
    const int dashed = countInRow(box, 20, Qt::black);
    EXPECT_GT(dotted, 30);
    EXPECT_LT(dotted, 70);
    EXPECT_GT(dashed, dotted);
    EXPECT_LT(dashed, 100);
}

TEST_F(SurfaceTest, WidePensDrawSolidWideLines)
{
    auto &s = box.surface();
    s.setDrawWidth(3);
    s.setDrawStyle(LineStyle::Dot);
    s.line(10 * T, 10 * T, 60 * T, 10 * T, Qt::black);
    EXPECT_EQ(countInColumn(box, 30, Qt::black), 3);
    EXPECT_EQ(countInRow(box, 10, Qt::black), countInRow(box, 10, Qt::black));
    EXPECT_GE(countInRow(box, 10, Qt::black), 51);
}

TEST_F(SurfaceTest, PixelLinesLeaveTheirEndPointUnpainted)
{
    PixelPen pen(box.surface(), Qt::red);
    pen.moveTo(10, 10);
    pen.lineTo(10, 20);   // rows 10..19
    pen.lineTo(15, 20);   // columns 10..14 of row 20
    EXPECT_EQ(countInColumn(box, 10, Qt::red), 11);
    EXPECT_EQ(at(10, 19), QColor(Qt::red));
    EXPECT_EQ(countInRow(box, 20, Qt::red), 5);
    EXPECT_EQ(at(15, 20), QColor(Qt::white));
    pen.moveTo(50, 50);
    pen.lineTo(50, 50);   // nothing at all
    EXPECT_EQ(at(50, 50), QColor(Qt::white));
    pen.lineTo(44, 53);   // diagonal: one pixel per column 50..45, the end point left out
    EXPECT_EQ(at(50, 50), QColor(Qt::red));
    EXPECT_EQ(at(44, 53), QColor(Qt::white));
    int painted = 0;
    for (int x = 44; x <= 50; ++x)
        painted += countInColumn(box, x, Qt::red);
    EXPECT_EQ(painted, 6);
}

TEST_F(SurfaceTest, PrintWritesAtTheCurrentPositionAndMovesToTheNextLine)
{
    auto &s = box.surface();
    s.setForeColor(Qt::black);
    s.setFontSize(8);
    s.setCurrent(10 * T, 30 * T);
    s.print(QStringLiteral("$ 12.5"));
    EXPECT_DOUBLE_EQ(s.currentX(), 0);
    EXPECT_DOUBLE_EQ(s.currentY(), 30 * T + s.textHeight());
    const QImage &image = box.image();
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                ++inked;
                EXPECT_GE(x, 10);
                EXPECT_GE(y, 30);
            }
    EXPECT_GT(inked, 10);
    EXPECT_GT(s.textWidth(QStringLiteral("$ 12.5")), 10 * T);
}

TEST_F(SurfaceTest, ResizingKeepsTheDrawingAndShowsTheBackColourBeyond)
{
    box.surface().line(0, 0, 99 * T, 0, Qt::black);
    box.setBackColor(Qt::yellow);
    box.resize(150, 90);
    EXPECT_EQ(box.image().size(), QSize(150, 90));
    EXPECT_EQ(at(99, 0), QColor(Qt::black));
    EXPECT_EQ(at(120, 0), QColor(Qt::yellow));
    box.surface().line(0, 85 * T, 149 * T, 85 * T, Qt::black);
    EXPECT_EQ(countInRow(box, 85, Qt::black), 150);
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST_F(SurfaceTest, ABatchOfDrawingSchedulesOneRepaint)
{
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
    QApplication::processEvents();
    PaintCounter counter;
    box.installEventFilter(&counter);
    for (int i = 0; i < 200; ++i)
        box.surface().line(i * T, 0, i * T, 50 * T, Qt::black);
    EXPECT_EQ(counter.paints, 0);
    QApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
    // The painted widget shows the drawing.
    EXPECT_EQ(box.grab().toImage().pixelColor(5, 5), QColor(Qt::black));
}

}   // namespace
