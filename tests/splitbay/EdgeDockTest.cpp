// Docking panes to the edges of a container, the document area in the rest.

#include "EdgeDock.h"
#include "DockEdge.h"
#include "SimulatedScreen.h"

#include "splitbay6/SplitbayCtl.h"

#include <QMdiArea>
#include <QTest>

#include <gtest/gtest.h>

using namespace splitbay6;

TEST(EdgeDock, PanesStackFromTheOutsideIn)
{
    const DockPlan plan = planDock(QRect(10, 20, 600, 400),
                                   {{DockTop, QSize(999, 50)},
                                    {DockLeft, QSize(100, 999)},
                                    {DockRight, QSize(80, 1)},
                                    {DockBottom, QSize(5, 30)},
                                    {0, QSize(40, 40)}});
    ASSERT_EQ(plan.panes.size(), 5u);
    EXPECT_EQ(plan.panes[0], QRect(10, 20, 600, 50));
    EXPECT_EQ(plan.panes[1], QRect(10, 70, 100, 350));
    EXPECT_EQ(plan.panes[2], QRect(530, 70, 80, 350));
    EXPECT_EQ(plan.panes[3], QRect(110, 390, 420, 30));
    EXPECT_EQ(plan.rest, QRect(110, 70, 420, 320));
}

TEST(EdgeDock, PanesWiderThanTheAreaLeaveAnEmptyRest)
{
    const DockPlan plan = planDock(QRect(0, 0, 300, 200), {{DockLeft, QSize(250, 1)}, {DockRight, QSize(100, 1)}});
    EXPECT_EQ(plan.panes[1], QRect(200, 0, 100, 200));
    EXPECT_EQ(plan.rest.width(), 0);
    EXPECT_EQ(plan.rest.height(), 200);
}

TEST(EdgeDock, AContainerWithoutLayoutDocksItsPanesAndFillsItsMdiArea)
{
    QWidget container;
    container.resize(500, 300);
    auto *documents = new QMdiArea(&container);
    auto screen = std::make_shared<SimulatedScreen>();
    auto *right = new SplitbayCtl(screen, &container);
    right->resize(120, 1);
    right->setAlignment(SplitbayCtl::AlignRight);
    container.show();
    EXPECT_EQ(right->geometry(), QRect(380, 0, 120, 300));
    EXPECT_EQ(documents->geometry(), QRect(0, 0, 380, 300));

    container.resize(600, 250);
    EXPECT_EQ(right->geometry(), QRect(480, 0, 120, 250));
    EXPECT_EQ(documents->geometry(), QRect(0, 0, 480, 250));

    // A hidden or undocked pane leaves its space to the documents.
    right->hide();
    EXPECT_EQ(documents->geometry(), QRect(0, 0, 600, 250));
    right->show();
    right->setAlignment(SplitbayCtl::AlignNone);
    EXPECT_EQ(documents->geometry(), QRect(0, 0, 600, 250));

    // A second pane docks inside the first.
    right->setAlignment(SplitbayCtl::AlignRight);
    auto *top = new SplitbayCtl(screen, &container);
    top->resize(1, 40);
    top->setAlignment(SplitbayCtl::AlignTop);
    top->show();
    EXPECT_EQ(top->geometry(), QRect(0, 0, 480, 40));
    EXPECT_EQ(documents->geometry(), QRect(0, 40, 480, 210));
    delete top;
    QTest::qWait(0);
    EXPECT_EQ(documents->geometry(), QRect(0, 0, 480, 250));
}

TEST(EdgeDock, APaneThatGrowsToItsMinimumWhenPlacedIsNotOverlapped)
{
    QWidget container;
    container.resize(400, 300);
    auto *documents = new QMdiArea(&container);
    auto *top = new SplitbayCtl(std::make_shared<SimulatedScreen>(), &container);
    top->resize(1, 30);
    top->setAlignment(SplitbayCtl::AlignTop);
    container.show();
    top->setMin(40);   // enforced when the container next resizes the pane
    container.resize(500, 300);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 500, 44));
    EXPECT_EQ(documents->geometry(), QRect(0, 44, 500, 256));
}
