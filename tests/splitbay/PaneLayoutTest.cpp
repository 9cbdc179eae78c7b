// The pane's layout pass, minimum size, properties and persistence. Panes
// here are windows of their own, so nothing docks them: their size is what
// the test gives them (15 twips per pixel).

#include "Expect.h"
#include "MDICtl1.h"
#include "RecordingBag.h"
#include "SimulatedScreen.h"

#include "splitbay6/SplitbayCtl.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

using namespace splitbay6;

namespace {

struct Pane {
    // Shown, so that resizes reach the pane at once; the spies start empty.
    explicit Pane(int16_t alignment = SplitbayCtl::AlignNone, QSize size = QSize(300, 200))
    {
        pane.resize(size);
        pane.show();
        pane.setAlignment(alignment);
        notices.clear();
        resizes.clear();
    }

    QStringList noticeNames() { return takeNames(notices); }
    MDICtl1 &bar() { return *pane.findChild<MDICtl1 *>("MDICtl"); }
    QList<float> freeArea() const { return {pane.ScaleLeft(), pane.ScaleTop(), pane.ScaleWidth(), pane.ScaleHeight()}; }

    std::shared_ptr<SimulatedScreen> screen = std::make_shared<SimulatedScreen>();
    SplitbayCtl pane{screen, nullptr};
    QSignalSpy notices{&pane, &SplitbayCtl::propertyChanged};
    QSignalSpy resizes{&pane, &SplitbayCtl::OnResize};
};

}   // namespace

TEST(PaneLayout, TheBarLiesAlongTheInnerEdgeAndTheRestIsFree)
{
    struct Case {
        int16_t alignment;
        QRect bar;
        QList<float> free;   // left, top, width, height in twips
        int32_t orientation;
    };
    const Case cases[] = {
        {SplitbayCtl::AlignTop, QRect(0, 196, 300, 4), {0, 0, 4500, 2940}, 0},
        {SplitbayCtl::AlignBottom, QRect(0, 0, 300, 4), {0, 60, 4500, 2940}, 0},
        {SplitbayCtl::AlignLeft, QRect(296, 0, 4, 200), {0, 0, 4440, 3000}, 1},
        {SplitbayCtl::AlignRight, QRect(0, 0, 4, 200), {60, 0, 4440, 3000}, 1},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.alignment);
        Pane rig;
        rig.pane.setAlignment(test.alignment);
        EXPECT_EQ(rig.bar().geometry(), test.bar);
        EXPECT_FALSE(rig.bar().isHidden());
        EXPECT_EQ(rig.bar().Orientation(), test.orientation);
        EXPECT_EQ(rig.bar().AlignMDI(), test.alignment);
        EXPECT_EQ(rig.freeArea(), test.free);
        EXPECT_EQ(rig.noticeNames(), QStringList({"ScaleHeight", "ScaleLeft", "ScaleTop", "ScaleWidth"}));
        EXPECT_EQ(rig.resizes.count(), 1);
    }
    Pane left(SplitbayCtl::AlignLeft);
    EXPECT_EQ(left.pane.freeArea(), QRect(0, 0, 296, 200));
}

TEST(PaneLayout, TheBarIsGivenThePanesWindowAndTheDocumentAreaOrTheContainer)
{
    QWidget container;
    container.show();
    auto screen = std::make_shared<SimulatedScreen>();
    auto *pane = new SplitbayCtl(screen, &container);
    pane->setAlignment(SplitbayCtl::AlignTop);
    pane->show();
    MDICtl1 &bar = *pane->findChild<MDICtl1 *>("MDICtl");
    EXPECT_EQ(bar.hWndPrimary(), screen->handleOf(pane));
    EXPECT_EQ(bar.hWndSecondary(), screen->handleOf(&container));

    QWidget documents(&container);
    screen->setDocumentArea(screen->handleOf(&container), screen->handleOf(&documents));
    pane->setMin(25);
    pane->resize(pane->width() + 1, pane->height());
    EXPECT_EQ(bar.hWndSecondary(), screen->handleOf(&documents));
    EXPECT_EQ(bar.Min(), 25);
}

TEST(PaneLayout, AlignmentNonePlacesNoBarAndKeepsTheFreeArea)
{
    Pane rig;
    PropertyBag bag;
    bag.write("ScaleLeft", 7, 0);
    bag.write("ScaleWidth", 70, 0);
    rig.pane.loadProperties(bag);
    rig.pane.resize(250, 150);
    EXPECT_TRUE(rig.bar().isHidden());
    EXPECT_EQ(rig.freeArea(), QList<float>({7, 0, 70, 0}));
    EXPECT_EQ(rig.resizes.count(), 2);
    EXPECT_TRUE(rig.noticeNames().isEmpty());
    // An alignment the pane does not know behaves the same.
    rig.pane.setAlignment(9);
    EXPECT_TRUE(rig.bar().isHidden());
    EXPECT_EQ(rig.bar().AlignMDI(), 9);
    EXPECT_EQ(rig.resizes.count(), 3);
}

TEST(PaneLayout, AShortPaneGrowsToItsMinimumAtTheNextResize)
{
    Pane top(SplitbayCtl::AlignTop, QSize(300, 10));
    EXPECT_EQ(top.pane.height(), 14);   // Min 10 + the 4-pixel bar, laid out once
    EXPECT_EQ(top.bar().geometry(), QRect(0, 10, 300, 4));
    EXPECT_EQ(top.pane.ScaleHeight(), 150);

    top.pane.setMin(30);
    EXPECT_EQ(top.pane.height(), 14);
    top.pane.resize(310, 14);
    EXPECT_EQ(top.pane.height(), 34);

    Pane right(SplitbayCtl::AlignRight, QSize(5, 100));
    EXPECT_EQ(right.pane.width(), 14);
    EXPECT_EQ(right.pane.height(), 100);
}

TEST(PaneLayout, MinAndMaxNotifyAndReachTheBarOnlyWhenTheyChange)
{
    Pane rig(SplitbayCtl::AlignLeft);
    rig.notices.clear();
    QSignalSpy barNotices(&rig.bar(), &MDICtl1::propertyChanged);
    rig.pane.setMin(10);
    rig.pane.setMax(10);
    EXPECT_TRUE(rig.noticeNames().isEmpty());
    EXPECT_EQ(barNotices.count(), 0);

    rig.pane.setMin(12);
    rig.pane.setMax(40);
    EXPECT_EQ(rig.noticeNames(), QStringList({"Min", "Max"}));
    EXPECT_EQ(rig.bar().Min(), 12);
    EXPECT_EQ(rig.bar().Max(), 40);
    EXPECT_EQ(rig.resizes.count(), 0);   // no layout
    EXPECT_EQ(errorNumber([&] { rig.pane.setMin(std::nanf("")); }), 380);
    EXPECT_EQ(rig.pane.Min(), 12);
}

TEST(PaneLayout, TheFreeAreaCannotBeSet)
{
    Pane rig(SplitbayCtl::AlignTop);
    const QList<float> before = rig.freeArea();
    const std::function<void()> setters[] = {[&] { rig.pane.setScaleLeft(1); }, [&] { rig.pane.setScaleHeight(1); },
                                             [&] { rig.pane.setScaleWidth(1); }, [&] { rig.pane.setScaleTop(1); }};
    for (const auto &set : setters)
        EXPECT_EQ(errorNumber(set), 382);
    rig.pane.setDesignMode(true);
    for (const auto &set : setters)
        EXPECT_EQ(errorNumber(set), 387);
    EXPECT_EQ(rig.freeArea(), before);
    // The bar follows the host's design mode.
    EXPECT_EQ(errorNumber([&] { rig.bar().setHwnd(WindowHandle(1)); }), 387);
}

TEST(PanePersistence, SavedPropertiesRoundTripInTheirOrderWithTheirDefaults)
{
    Pane saved;
    PropertyBag source;
    source.write("ScaleLeft", 1.5f, 0);
    source.write("ScaleHeight", 2, 0);
    source.write("ScaleWidth", 3, 0);
    source.write("ScaleTop", 4, 0);
    source.write("Min", 12, 10);
    source.write("Max", 13, 10);
    saved.pane.loadProperties(source);
    EXPECT_EQ(saved.resizes.count(), 1);
    EXPECT_EQ(saved.bar().Min(), 12);   // handed over by the layout

    RecordingBag bag;
    saved.pane.saveProperties(bag);
    EXPECT_EQ(bag.writes,
              QStringList({"ScaleLeft=0", "ScaleHeight=0", "ScaleWidth=0", "ScaleTop=0", "Min=10", "Max=10"}));
    Pane loaded;
    loaded.pane.loadProperties(bag);
    EXPECT_EQ(bag.reads,
              QStringList({"ScaleLeft=0", "ScaleHeight=0", "ScaleWidth=0", "ScaleTop=0", "Min=10", "Max=10"}));
    EXPECT_EQ(loaded.freeArea(), QList<float>({1.5f, 4, 3, 2}));
    EXPECT_EQ(loaded.pane.Min(), 12);
    EXPECT_EQ(loaded.pane.Max(), 13);

    // A new pane stores nothing: every value is its default.
    Pane fresh;
    PropertyBag empty;
    fresh.pane.saveProperties(empty);
    EXPECT_TRUE(empty.names().isEmpty());
}
