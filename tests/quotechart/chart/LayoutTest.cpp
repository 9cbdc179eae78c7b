// Placement of the children on resize, at a normal size and at sizes too
// small for the fixed strips.

#include "ChartTest.h"

#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>

namespace {

class Layout : public ChartTest {
protected:
    QRect geometry(const char *name) const { return chart->findChild<QWidget *>(name)->geometry(); }
};

TEST_F(Layout, PlacesEveryPaneByTwipsAtANormalSize)
{
    showChart(1200, 900);   // W = 18000, H = 13500 twips
    EXPECT_EQ(geometry("SSTab1"), QRect(1033, 0, 167, 900));
    EXPECT_EQ(geometry("CaptionLabel"), QRect(0, 0, 867, 15));
    EXPECT_EQ(geometry("ChangeLabel"), QRect(867, 0, 160, 15));
    EXPECT_EQ(geometry("Picture1"), QRect(43, 15, 983, 565));
    EXPECT_EQ(geometry("PriceRuler"), QRect(0, 15, 43, 565));
    EXPECT_EQ(geometry("DateRuler"), QRect(43, 580, 983, 20));
    EXPECT_EQ(geometry("TimeForward"), QRect(22, 580, 21, 20));
    EXPECT_EQ(geometry("TimeBackward"), QRect(0, 580, 22, 20));
    EXPECT_EQ(geometry("Picture2"), QRect(43, 600, 983, 100));
    EXPECT_EQ(geometry("Picture3"), QRect(43, 700, 983, 100));
    EXPECT_EQ(geometry("Picture4"), QRect(43, 800, 983, 100));
    EXPECT_EQ(geometry("TechRuler3"), QRect(0, 800, 43, 100));
    EXPECT_EQ(child<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(geometry("ListView1").size(), QSize(161, 802));   // 2415 x (13500 - 1475) twips
}

TEST_F(Layout, FollowsEveryResize)
{
    showChart(1200, 900);
    chart->resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(geometry("Picture1"), QRect(43, 15, 683, 365));
    EXPECT_EQ(geometry("Picture4"), QRect(43, 533, 683, 67));
}

TEST_F(Layout, SkipsPlacementsThatWouldHaveNegativeSizes)
{
    showChart(1200, 900);
    const QRect price = geometry("Picture1");
    const QRect caption = geometry("CaptionLabel");
    chart->resize(150, 40);   // W = 2250 < 3250, H = 600
    QApplication::processEvents();
    EXPECT_EQ(geometry("Picture1"), price);         // width W - 3250 < 0: kept
    EXPECT_EQ(geometry("CaptionLabel"), caption);   // width W - 5000 < 0: kept
    EXPECT_EQ(geometry("SSTab1"), QRect(-17, 0, 167, 40));
    EXPECT_EQ(geometry("PriceRuler").y(), 15);   // height 2H/3 - 520 = -120: kept
    EXPECT_EQ(geometry("TechRuler1"), QRect(0, 27, 43, 4));

    chart->resize(1, 1);
    QApplication::processEvents();
    chart->resize(0, 0);
    QApplication::processEvents();
    SUCCEED();
}

}   // namespace
