// The close box: its zones in twips, its drawing, hot tracking and Click.

#include "CloseBox.h"
#include "MDICtl1.h"
#include "MouseInput.h"
#include "SimulatedScreen.h"

#include "splitbay6/SplitbayCtl.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace splitbay6;

TEST(CloseBox, TheClickZoneIsTheXAndNarrowerThanTheHotZone)
{
    const double W = 3000;
    EXPECT_FALSE(inCloseBoxClickZone(W, W - 200, 44));
    EXPECT_TRUE(inCloseBoxClickZone(W, W - 200, 45));
    EXPECT_TRUE(inCloseBoxClickZone(W, W - 200, 165));
    EXPECT_FALSE(inCloseBoxClickZone(W, W - 200, 166));
    EXPECT_FALSE(inCloseBoxClickZone(W, W - 250, 100));
    EXPECT_TRUE(inCloseBoxClickZone(W, W - 249, 100));
    EXPECT_FALSE(inCloseBoxClickZone(W, W - 115, 100));
    // Right of the X the frame lights up, but a release there is no click.
    EXPECT_TRUE(inCloseBoxHotZone(W, W - 60, 100));
    EXPECT_FALSE(inCloseBoxClickZone(W, W - 60, 100));
    EXPECT_FALSE(inCloseBoxHotZone(W, W - 60, 0));
    EXPECT_FALSE(inCloseBoxHotZone(W, W - 60, 165));
    EXPECT_FALSE(inCloseBoxHotZone(W, W, 100));
    EXPECT_FALSE(inCloseBoxHotZone(W, W - 250, 100));
}

TEST(CloseBox, TheFrameSitsInTheTopRightCorner)
{
    EXPECT_EQ(closeBoxRect(3000, 15), (EdgeRect{181, 0, 196, 14}));
    EXPECT_EQ(closeBoxRect(3007.5, 15), (EdgeRect{182, 0, 196, 14}));   // 181.5 and 196.5, to even
    EXPECT_FALSE(closeBoxRect(3000, 0));
}

namespace {

// A pane 200 x 100 pixels whose palette tells the frame's lines apart.
class ClosePane : public ::testing::Test {
protected:
    void SetUp() override
    {
        QPalette colours = pane.palette();
        colours.setColor(QPalette::Window, QColor(200, 200, 200));
        colours.setColor(QPalette::WindowText, QColor(1, 2, 3));
        colours.setColor(QPalette::Light, QColor(250, 250, 250));
        colours.setColor(QPalette::Midlight, QColor(230, 230, 230));
        colours.setColor(QPalette::Dark, QColor(100, 100, 100));
        colours.setColor(QPalette::Shadow, QColor(10, 10, 10));
        pane.setPalette(colours);
        pane.resize(200, 100);
        pane.setAlignment(SplitbayCtl::AlignTop);
        pane.show();
    }
    QColor at(int x, int y) { return pane.grab().toImage().pixelColor(x, y); }
    void releaseAt(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        sendMouse(pane, QEvent::MouseButtonRelease, point, button, Qt::NoButton);
    }

    SplitbayCtl pane{std::make_shared<SimulatedScreen>(), nullptr};
};

}   // namespace

TEST_F(ClosePane, PaintsTheXInAnEtchedFrame)
{
    EXPECT_EQ(at(191, 3), QColor(1, 2, 3));         // (W - 135, 45)
    EXPECT_EQ(at(183, 11), QColor(1, 2, 3));        // (W - 250, 165)
    EXPECT_EQ(at(184, 3), QColor(1, 2, 3));         // (W - 240, 45)
    EXPECT_EQ(at(192, 11), QColor(1, 2, 3));        // (W - 115, 165)
    EXPECT_EQ(at(181, 0), QColor(100, 100, 100));   // sunken outer line
    EXPECT_EQ(at(181, 13), QColor(250, 250, 250));
    EXPECT_EQ(at(195, 13), QColor(250, 250, 250));
    EXPECT_EQ(at(182, 1), QColor(250, 250, 250));   // raised inner line
    EXPECT_EQ(at(194, 12), QColor(100, 100, 100));
    EXPECT_EQ(at(196, 0), QColor(200, 200, 200));   // outside
}

TEST_F(ClosePane, TheFrameIsRaisedWhileThePointerIsOverTheBox)
{
    moveWith(pane, Qt::NoButton, {190, 5});
    EXPECT_EQ(at(181, 0), QColor(230, 230, 230));
    EXPECT_EQ(at(195, 13), QColor(10, 10, 10));
    EXPECT_EQ(at(182, 1), QColor(250, 250, 250));
    EXPECT_EQ(at(194, 12), QColor(100, 100, 100));
    moveWith(pane, Qt::NoButton, {100, 50});
    EXPECT_EQ(at(181, 0), QColor(100, 100, 100));

    moveWith(pane, Qt::LeftButton, {198, 1});
    EXPECT_EQ(at(181, 0), QColor(230, 230, 230));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&pane, &leave);
    EXPECT_EQ(at(181, 0), QColor(100, 100, 100));

    moveWith(pane, Qt::NoButton, {190, 5});
    moveWith(*pane.findChild<MDICtl1 *>("MDICtl"), Qt::NoButton);   // onto the bar
    EXPECT_EQ(at(181, 0), QColor(100, 100, 100));
}

TEST_F(ClosePane, AReleaseOnTheXClicks)
{
    QSignalSpy clicks(&pane, &SplitbayCtl::Click);
    releaseAt({186, 2});    // Y = 30 twips
    releaseAt({186, 12});   // Y = 180
    releaseAt({193, 5});    // X = W - 105: hot, not the X
    EXPECT_EQ(clicks.count(), 0);
    releaseAt({186, 3});                     // Y = 45
    releaseAt({186, 11}, Qt::RightButton);   // Y = 165, any button
    EXPECT_EQ(clicks.count(), 2);
}
