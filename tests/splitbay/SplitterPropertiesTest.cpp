// The splitter bar's properties: change notices, the read-only window
// handle, and persistence.

#include "Expect.h"
#include "MDICtl1.h"
#include "MouseInput.h"
#include "RecordingBag.h"
#include "SimulatedScreen.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>

using namespace splitbay6;

namespace {

struct Bar {
    std::shared_ptr<SimulatedScreen> screen = std::make_shared<SimulatedScreen>();
    MDICtl1 bar{screen};
    QSignalSpy notices{&bar, &MDICtl1::propertyChanged};

    QStringList noticeNames() { return takeNames(notices); }
};

}   // namespace

TEST(SplitterProperties, OnlyOrientationComparesBeforeNotifying)
{
    Bar rig;
    rig.bar.setOrientation(0);
    rig.bar.setOrientation(1);
    rig.bar.setAlignMDI(0);
    rig.bar.setMin(10);
    rig.bar.setMax(10);
    rig.bar.setHWndPrimary(WindowHandle());
    rig.bar.setHWndSecondary(WindowHandle());
    EXPECT_EQ(rig.noticeNames(),
              QStringList({"Orientation", "AlignMDI", "Min", "Max", "hWndPrimary", "hWndSecondary"}));
    EXPECT_EQ(rig.bar.Orientation(), 1);
}

TEST(SplitterProperties, TheWindowHandleCannotBeSetAndLimitsMustBeNumbers)
{
    Bar rig;
    const WindowHandle other = rig.screen->addWindow({});
    EXPECT_EQ(errorNumber([&] { rig.bar.setHwnd(other); }), 382);
    rig.bar.setDesignMode(true);
    EXPECT_EQ(errorNumber([&] { rig.bar.setHwnd(other); }), 387);
    EXPECT_TRUE(rig.bar.hwnd().isNull());
    EXPECT_EQ(errorNumber([&] { rig.bar.setMin(std::nanf("")); }), 380);
    EXPECT_EQ(errorNumber([&] { rig.bar.setMax(INFINITY); }), 380);
    EXPECT_EQ(rig.bar.Min(), 10);
    EXPECT_EQ(rig.bar.Max(), 10);
    EXPECT_TRUE(rig.noticeNames().isEmpty());
}

TEST(SplitterProperties, SavingWritesSevenNamesInOrderAndOmitsDefaults)
{
    Bar rig;
    RecordingBag bag;
    rig.bar.writeProperties(bag);
    EXPECT_EQ(
        bag.writes,
        QStringList({"Orientation=0", "AlignMDI=0", "hWndPrimary=0", "hWndSecondary=0", "hWnd=0", "Min=10", "Max=10"}));
    EXPECT_TRUE(bag.names().isEmpty());

    rig.bar.setOrientation(1);
    rig.bar.setAlignMDI(3);
    rig.bar.setMin(12.5f);
    bag.write("Max", 99, 10);   // a stale value is replaced by the default, that is removed
    rig.bar.writeProperties(bag);
    EXPECT_EQ(bag.names(), QStringList({"Orientation", "AlignMDI", "Min"}));
    EXPECT_EQ(bag.read("Min", 10).toFloat(), 12.5f);
}

TEST(SplitterProperties, LoadingRestoresValuesButNeverASavedWindowHandle)
{
    Bar saved;
    saved.bar.setOrientation(1);
    saved.bar.setAlignMDI(1);
    saved.bar.setMin(20);
    saved.bar.setMax(30);
    saved.bar.setHWndPrimary(saved.screen->addWindow({0, 0, 400, 100}));
    saved.bar.setHWndSecondary(saved.screen->addWindow({0, 100, 400, 400}));
    pressLeft(saved.bar);   // takes hWnd
    releaseLeft(saved.bar);
    RecordingBag bag;
    saved.bar.writeProperties(bag);
    ASSERT_TRUE(bag.contains("hWnd"));

    // The handles in the bag name windows that live on in this process.
    MDICtl1 bar(saved.screen);
    QSignalSpy notices(&bar, &MDICtl1::propertyChanged);
    bag.reads.clear();
    bar.readProperties(bag);
    EXPECT_EQ(
        bag.reads,
        QStringList({"Orientation=0", "AlignMDI=0", "hWndPrimary=0", "hWndSecondary=0", "hWnd=0", "Min=10", "Max=10"}));
    EXPECT_EQ(bar.Orientation(), 1);
    EXPECT_EQ(bar.AlignMDI(), 1);
    EXPECT_EQ(bar.Min(), 20);
    EXPECT_EQ(bar.Max(), 30);
    EXPECT_EQ(bar.hwnd(), saved.screen->handleOf(&bar));
    EXPECT_NE(bar.hwnd(), saved.bar.hwnd());
    EXPECT_TRUE(bar.hWndPrimary().isNull());
    EXPECT_TRUE(bar.hWndSecondary().isNull());
    ASSERT_EQ(notices.count(), 1);
    EXPECT_EQ(notices.at(0).at(0).toString(), "hWnd");

    // Until the pane hands over its windows, a press starts nothing.
    saved.screen->journal.clear();
    pressLeft(bar);
    EXPECT_FALSE(bar.isSplitting());
    EXPECT_TRUE(saved.screen->journal.isEmpty());
}

TEST(SplitterProperties, DamagedStoredValuesLeaveTheDefaults)
{
    Bar rig;
    PropertyBag bag;
    bag.write("Orientation", "sideways", 0);
    bag.write("AlignMDI", 1e12, 0);
    bag.write("Min", 1e40, 10);
    bag.write("Max", "7", 10);
    rig.bar.readProperties(bag);
    EXPECT_EQ(rig.bar.Orientation(), 0);
    EXPECT_EQ(rig.bar.AlignMDI(), 0);
    EXPECT_EQ(rig.bar.Min(), 10);
    EXPECT_EQ(rig.bar.Max(), 7);
}
