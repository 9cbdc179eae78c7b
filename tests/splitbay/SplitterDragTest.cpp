// The splitter bar's drag on the simulated screen. A top pane (0,0)-(400,100)
// over a document area (0,100)-(400,400); the bar's centre is at y = 98.

#include "Halftone.h"
#include "MDICtl1.h"
#include "MouseInput.h"
#include "SimulatedScreen.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace splitbay6;

namespace {

class SplitterDrag : public ::testing::Test {
protected:
    void SetUp() override
    {
        configure(DockTop, {0, 0, 400, 100}, {0, 100, 400, 400});
        bar.resize(400, 4);
        bar.show();
        QObject::connect(&bar, &MDICtl1::OnSplitterBegin, [this] { screen->journal << "OnSplitterBegin"; });
        QObject::connect(&bar, &MDICtl1::MouseMove,
                         [this](int16_t button) { screen->journal << QStringLiteral("MouseMove %1").arg(button); });
    }

    void configure(int32_t edge, ScreenRect pane, ScreenRect documentArea)
    {
        bar.setAlignMDI(edge);
        bar.setHWndPrimary(screen->addWindow(pane));
        bar.setHWndSecondary(screen->addWindow(documentArea));
    }

    void press(QPoint cursor)
    {
        screen->setCursor(cursor);
        pressLeft(bar);
    }
    void dragTo(QPoint cursor)
    {
        screen->setCursor(cursor);
        moveWith(bar, Qt::LeftButton);
    }
    void release(QPoint cursor)
    {
        screen->setCursor(cursor);
        releaseLeft(bar);
    }
    float releaseAndReport(QPoint cursor)
    {
        release(cursor);
        EXPECT_EQ(ends.count(), 1);
        return ends.isEmpty() ? -1 : ends.takeFirst().at(0).toFloat();
    }
    QImage ghostOnDesktop(const QRect &area) const
    {
        QImage image = screen->desktop();
        invertHalftone(image, area);
        return image;
    }
    QTimer *captureTimer() { return bar.findChild<QTimer *>("tmrCapture"); }

    std::shared_ptr<SimulatedScreen> screen = std::make_shared<SimulatedScreen>();
    MDICtl1 bar{screen};
    QSignalSpy ends{&bar, &MDICtl1::OnSplitterEnd};
    QSignalSpy lost{&bar, &MDICtl1::OnLostCapture};
};

}   // namespace

TEST_F(SplitterDrag, PressTakesTheCaptureRaisesBeginThenDrawsTheGhost)
{
    press({50, 98});
    const WindowHandle own = screen->handleOf(&bar);
    EXPECT_EQ(bar.hwnd(), own);
    EXPECT_EQ(screen->journal,
              QStringList({QStringLiteral("capture %1").arg(own.value()), "OnSplitterBegin", "invert 2,96 396x4"}));
    EXPECT_TRUE(captureTimer()->isActive());
    EXPECT_EQ(captureTimer()->interval(), 1);
    EXPECT_TRUE(bar.isSplitting());
    EXPECT_EQ(bar.pendingPos(), 1500);   // 96 - 0 + 4 pixels
    EXPECT_EQ(screen->framebuffer(), ghostOnDesktop(QRect(2, 96, 396, 4)));
}

TEST_F(SplitterDrag, PressStartsNothingWithoutBothWindowsOrWithAnotherButton)
{
    sendMouse(bar, QEvent::MouseButtonPress, {1, 1}, Qt::RightButton, Qt::RightButton);
    sendMouse(bar, QEvent::MouseButtonRelease, {1, 1}, Qt::RightButton, Qt::NoButton);
    bar.setHWndSecondary(WindowHandle());
    press({50, 98});
    EXPECT_TRUE(screen->journal.isEmpty());
    EXPECT_FALSE(captureTimer()->isActive());
    EXPECT_FALSE(bar.isSplitting());
}

TEST_F(SplitterDrag, MovesFollowTheCursorOnlyWhenTheyChangeTheAxisAndStayInLimits)
{
    press({50, 98});
    screen->journal.clear();
    dragTo({300, 98});   // same y: nothing drawn
    dragTo({-1, 150});   // left of the screen: ignored
    dragTo({50, 13});    // above the lowest limit 0 + 4 + 10
    dragTo({50, 387});   // below the highest 400 - 4 - 10
    EXPECT_EQ(screen->journal, QStringList({"MouseMove 1", "MouseMove 1", "MouseMove 1", "MouseMove 1"}));
    EXPECT_EQ(bar.pendingPos(), 1500);

    dragTo({0, 14});
    EXPECT_EQ(screen->journal.mid(4), QStringList({"MouseMove 1", "invert 2,96 396x4", "invert 2,12 396x4"}));
    EXPECT_EQ(screen->framebuffer(), ghostOnDesktop(QRect(2, 12, 396, 4)));
    EXPECT_EQ(bar.pendingPos(), 240);
    dragTo({0, 386});
    EXPECT_EQ(bar.pendingPos(), 388 * 15);
}

TEST_F(SplitterDrag, MouseMoveIsRaisedForEveryMoveWithItsArguments)
{
    QSignalSpy moves(&bar, &MDICtl1::MouseMove);
    moveWith(bar, Qt::NoButton, {2, 3}, Qt::ShiftModifier);
    moveWith(bar, Qt::RightButton, {4, 1});
    moveWith(bar, Qt::LeftButton | Qt::RightButton, {4, 1}, Qt::ControlModifier | Qt::AltModifier);
    ASSERT_EQ(moves.count(), 3);
    EXPECT_EQ(moves.at(0),
              QVariantList({QVariant::fromValue<int16_t>(0), QVariant::fromValue<int16_t>(1), QVariant(30.0f),
                            QVariant(45.0f)}));
    EXPECT_EQ(moves.at(1).at(0).value<int16_t>(), 2);
    EXPECT_EQ(moves.at(2).at(0).value<int16_t>(), 3);
    EXPECT_EQ(moves.at(2).at(1).value<int16_t>(), 6);
    // None of them was a left-button drag.
    EXPECT_EQ(screen->journal.filter("invert").size(), 0);
}

TEST_F(SplitterDrag, ReleaseErasesTheGhostAndReportsTheLastAcceptedMove)
{
    press({50, 98});
    dragTo({50, 200});
    screen->setCursor({50, 250});   // moved on without an event
    EXPECT_EQ(releaseAndReport({50, 250}), 202 * 15);
    EXPECT_EQ(screen->framebuffer(), screen->desktop());
    EXPECT_FALSE(bar.isSplitting());
    EXPECT_FALSE(captureTimer()->isActive());
    // The framework let the capture go with the button.
    EXPECT_EQ(screen->journal.last(), QStringLiteral("release %1").arg(bar.hwnd().value()));
}

TEST_F(SplitterDrag, ReleaseClampsNearTheEnds)
{
    press({50, 98});
    dragTo({50, 14});
    EXPECT_EQ(releaseAndReport({50, 5}), 240);   // top: Min + 6 pixels

    press({50, 98});
    EXPECT_EQ(releaseAndReport({50, 390}), (400 - 0 - 4 - 10) * 15);

    configure(DockBottom, {0, 300, 400, 400}, {0, 0, 400, 300});
    press({50, 302});
    EXPECT_EQ(releaseAndReport({50, 399}), 225);   // bottom: Min + 5

    configure(DockRight, {300, 0, 400, 400}, {0, 0, 300, 400});
    press({302, 50});
    EXPECT_EQ(releaseAndReport({398, 50}), 240);   // right: Min + 6

    configure(DockLeft, {0, 0, 100, 400}, {100, 0, 400, 400});
    bar.setMin(20);
    press({98, 50});
    EXPECT_EQ(releaseAndReport({-40, 50}), 360);   // left: Min + 4
}

TEST_F(SplitterDrag, CancelSplitWithoutADragDoesNothing)
{
    bar.CancelSplit();
    EXPECT_EQ(screen->repaints, 0);
    release({50, 98});
    EXPECT_EQ(ends.count(), 0);
}

TEST_F(SplitterDrag, CancelSplitRepaintsAndTheReleaseReportsNothing)
{
    press({50, 98});
    dragTo({50, 150});
    bar.CancelSplit();
    EXPECT_EQ(screen->repaints, 1);
    EXPECT_EQ(screen->framebuffer(), screen->desktop());
    EXPECT_FALSE(bar.isSplitting());
    release({50, 150});
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(lost.count(), 0);
}

TEST_F(SplitterDrag, LosingTheCaptureCancelsAndReportsTheNewOwner)
{
    press({50, 98});
    const WindowHandle other = screen->addWindow({0, 0, 10, 10});
    screen->setCaptureOwner(other);
    ASSERT_TRUE(QTest::qWaitFor([this] { return lost.count() > 0; }, 2000));
    EXPECT_EQ(lost.count(), 1);
    EXPECT_EQ(lost.at(0).at(0).value<WindowHandle>(), other);
    EXPECT_EQ(screen->repaints, 1);
    EXPECT_EQ(screen->journal.indexOf("repaint"), screen->journal.size() - 1);
    EXPECT_FALSE(captureTimer()->isActive());
    release({50, 98});
    EXPECT_EQ(ends.count(), 0);
}

TEST_F(SplitterDrag, EscapeCancelsTheDragWhereverTheFocusIs)
{
    QLineEdit elsewhere;
    QSignalSpy edited(&elsewhere, &QLineEdit::textEdited);
    QTest::keyClick(&elsewhere, Qt::Key_Escape);   // no drag: nothing happens
    EXPECT_EQ(screen->repaints, 0);

    press({50, 98});
    dragTo({50, 150});
    QTest::keyClick(&elsewhere, Qt::Key_Escape);
    EXPECT_EQ(screen->repaints, 1);
    EXPECT_FALSE(bar.isSplitting());
    release({50, 150});
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(lost.count(), 0);
    // Typing goes on as usual once the drag is over.
    QTest::keyClicks(&elsewhere, "ab");
    EXPECT_EQ(elsewhere.text(), "ab");
}

TEST_F(SplitterDrag, APaneUndockedDuringTheDragEndsItWithoutAResult)
{
    press({50, 98});
    bar.setAlignMDI(0);
    release({50, 150});
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(screen->framebuffer(), screen->desktop());
    EXPECT_FALSE(bar.isSplitting());
}

TEST_F(SplitterDrag, AnUnknownEdgeStartsNoDragButTheReleaseStillStopsTheTimer)
{
    bar.setAlignMDI(7);
    press({50, 98});
    EXPECT_FALSE(bar.isSplitting());
    EXPECT_TRUE(captureTimer()->isActive());
    release({50, 98});
    EXPECT_FALSE(captureTimer()->isActive());
    EXPECT_EQ(ends.count(), 0);
    EXPECT_EQ(screen->journal.filter("invert").size(), 0);
}

TEST_F(SplitterDrag, MiscDrawingInvertsTheBarsOwnWindow)
{
    screen->setWindowRect(screen->handleOf(&bar), {10, 20, 30, 24});
    bar.MiscDrawing();
    EXPECT_EQ(screen->framebuffer(), ghostOnDesktop(QRect(10, 20, 20, 4)));
    bar.MiscDrawing();
    EXPECT_EQ(screen->framebuffer(), screen->desktop());
}
