// The pane's answers to its bar's drag, on the simulated screen: a container
// 600 x 400 with a pane docked left, 200 pixels wide.

#include "MDICtl1.h"
#include "MouseInput.h"
#include "SimulatedScreen.h"

#include "splitbay6/SplitbayCtl.h"

#include <QMdiArea>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace splitbay6;

namespace {

class PaneDrag : public ::testing::Test {
protected:
    void SetUp() override
    {
        container.setGeometry(20, 30, 600, 400);
        pane->resize(200, 10);
        pane->setAlignment(SplitbayCtl::AlignLeft);
        container.show();
        QObject::connect(pane, &SplitbayCtl::OnResize, [this] { screen->journal << "OnResize"; });
        QObject::connect(pane, &SplitbayCtl::OnMDIClientResize, [this] { screen->journal << "OnMDIClientResize"; });
    }

    MDICtl1 &bar() { return *pane->findChild<MDICtl1 *>("MDICtl"); }
    // The cursor on the screen, dx pixels right of the bar's centre line.
    QPoint besideBar(int dx) const { return pane->mapToGlobal(QPoint(198 + dx, 50)); }
    void drag(int dx)
    {
        screen->setCursor(besideBar(0));
        pressLeft(bar());
        screen->setCursor(besideBar(dx));
        moveWith(bar(), Qt::LeftButton);
        screen->journal.clear();
        releaseLeft(bar());
    }

    std::shared_ptr<SimulatedScreen> screen = std::make_shared<SimulatedScreen>(QSize(800, 600));
    QWidget container;
    SplitbayCtl *pane = new SplitbayCtl(screen, &container);
};

}   // namespace

TEST_F(PaneDrag, ADragResizesThePaneThenReportsTheMovedDocumentArea)
{
    auto *documents = new QMdiArea(&container);
    screen->setDocumentArea(screen->handleOf(&container), screen->handleOf(documents));
    QTest::qWait(0);   // the container lays out its new document area
    ASSERT_EQ(documents->geometry(), QRect(200, 0, 400, 400));

    drag(50);
    EXPECT_EQ(pane->width(), 250);
    EXPECT_EQ(pane->ScaleWidth(), 246 * 15);
    EXPECT_EQ(documents->geometry(), QRect(250, 0, 350, 400));
    EXPECT_EQ(screen->journal.filter("On"), QStringList({"OnResize", "OnMDIClientResize"}));
    EXPECT_EQ(screen->framebuffer(), screen->desktop());
}

TEST_F(PaneDrag, AnUnchangedDocumentAreaRaisesOnlyOnResize)
{
    const WindowHandle fixed = screen->addWindow({220, 30, 620, 430});
    screen->setDocumentArea(screen->handleOf(&container), fixed);
    pane->resize(pane->width() + 1, pane->height());   // the bar takes the new window
    pane->resize(pane->width() - 1, pane->height());
    drag(-40);
    EXPECT_EQ(pane->width(), 160);
    EXPECT_EQ(screen->journal.filter("On"), QStringList({"OnResize"}));
}

TEST_F(PaneDrag, WithoutADocumentAreaTheContainerLimitsTheDrag)
{
    EXPECT_EQ(bar().hWndSecondary(), screen->handleOf(&container));
    drag(1000);   // beyond the container: the release clamps to its right edge less Max
    EXPECT_EQ(pane->width(), 600 - 4 - 10);
    EXPECT_EQ(screen->journal.filter("On"), QStringList({"OnResize"}));
}

TEST_F(PaneDrag, ALostCaptureCancelsTheDragAndResizesNothing)
{
    screen->setCursor(besideBar(0));
    pressLeft(bar());
    screen->setCursor(besideBar(60));
    moveWith(bar(), Qt::LeftButton);
    QSignalSpy lost(&bar(), &MDICtl1::OnLostCapture);
    screen->setCaptureOwner(screen->addWindow({}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return lost.count() > 0; }, 2000));
    EXPECT_FALSE(bar().isSplitting());
    releaseLeft(bar());
    EXPECT_EQ(pane->width(), 200);
    EXPECT_EQ(screen->framebuffer(), screen->desktop());
}
