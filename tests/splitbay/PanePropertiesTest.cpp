// The pane as a Qt developer meets it: its properties written and read by
// name, their change signals, the alignment as an enum, and widgets put into
// the pane. Panes here are windows of their own (15 twips per pixel).

#include "Expect.h"
#include "MDICtl1.h"
#include "SimulatedScreen.h"

#include "splitbay6/SplitbayCtl.h"

#include <QMetaEnum>
#include <QMetaProperty>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

using namespace splitbay6;

// Everything the pane keeps lives behind its one private pointer, so the
// public header can change no layout a host compiled against.
static_assert(sizeof(SplitbayCtl) == sizeof(QWidget) + sizeof(void *));

namespace {

struct Pane {
    Pane()
    {
        pane.resize(300, 200);
        pane.show();
    }
    MDICtl1 &bar() { return *pane.findChild<MDICtl1 *>("MDICtl"); }
    QMetaProperty property(const char *name) const
    {
        return pane.metaObject()->property(pane.metaObject()->indexOfProperty(name));
    }

    SplitbayCtl pane{std::make_shared<SimulatedScreen>(), nullptr};
    QSignalSpy notices{&pane, &SplitbayCtl::propertyChanged};
    QSignalSpy minChanges{&pane, &SplitbayCtl::minChanged};
    QSignalSpy maxChanges{&pane, &SplitbayCtl::maxChanged};
};

}   // namespace

TEST(PaneProperties, LimitsWrittenByNameActAsTheirSettersAndSignalOnlyAChange)
{
    Pane rig;
    EXPECT_TRUE(rig.pane.setProperty("Min", 25));
    EXPECT_TRUE(rig.pane.setProperty("Max", 40.5));
    EXPECT_FLOAT_EQ(rig.pane.Min(), 25);
    EXPECT_FLOAT_EQ(rig.bar().Min(), 25);
    EXPECT_FLOAT_EQ(rig.pane.Max(), 40.5);
    EXPECT_FLOAT_EQ(rig.bar().Max(), 40.5);
    EXPECT_EQ(takeNames(rig.notices), QStringList({"Min", "Max"}));
    ASSERT_EQ(rig.minChanges.count(), 1);
    EXPECT_FLOAT_EQ(rig.minChanges.at(0).at(0).toFloat(), 25);
    ASSERT_EQ(rig.maxChanges.count(), 1);
    EXPECT_EQ(rig.property("Min").read(&rig.pane).toFloat(), 25);

    rig.pane.setMin(25);
    rig.pane.setProperty("Max", 40.5);
    // What the setters refuse with 380 is ignored by name: nothing may be
    // thrown through Qt's own calls.
    rig.pane.setProperty("Min", std::numeric_limits<double>::quiet_NaN());
    rig.pane.setProperty("Max", 1e300);
    EXPECT_FLOAT_EQ(rig.pane.Min(), 25);
    EXPECT_FLOAT_EQ(rig.pane.Max(), 40.5);
    EXPECT_EQ(rig.minChanges.count(), 1);
    EXPECT_EQ(rig.maxChanges.count(), 1);
    EXPECT_TRUE(rig.notices.isEmpty());
}

TEST(PaneProperties, LoadingSignalsTheLimitsThatChangedWithoutAChangeNotice)
{
    Pane rig;
    PropertyBag bag;
    bag.write("Min", 30, 10);
    rig.pane.loadProperties(bag);
    ASSERT_EQ(rig.minChanges.count(), 1);
    EXPECT_FLOAT_EQ(rig.minChanges.at(0).at(0).toFloat(), 30);
    EXPECT_EQ(rig.maxChanges.count(), 0);
    EXPECT_FLOAT_EQ(rig.bar().Min(), 30);
    EXPECT_TRUE(takeNames(rig.notices).filter("Min").isEmpty());
    rig.pane.loadProperties(bag);
    EXPECT_EQ(rig.minChanges.count(), 1);
}

TEST(PaneProperties, TheAlignmentByEnumByNameOrAs16BitsDocksAlike)
{
    Pane by16Bits, byEnum, byKey, byNumber;
    by16Bits.pane.setAlignment(int16_t(3));
    byEnum.pane.setAlignment(SplitbayCtl::AlignLeft);
    EXPECT_TRUE(byKey.pane.setProperty("alignment", "AlignLeft"));
    EXPECT_TRUE(byNumber.pane.setProperty("alignment", 3));
    for (Pane *rig : {&byEnum, &byKey, &byNumber}) {
        EXPECT_EQ(rig->pane.alignment(), SplitbayCtl::AlignLeft);
        EXPECT_EQ(rig->bar().geometry(), by16Bits.bar().geometry());
        EXPECT_EQ(rig->pane.freeArea(), by16Bits.pane.freeArea());
    }
    EXPECT_EQ(by16Bits.bar().geometry(), QRect(296, 0, 4, 200));
    EXPECT_EQ(byKey.property("alignment").read(&byKey.pane).toInt(), 3);
    EXPECT_EQ(QMetaEnum::fromType<SplitbayCtl::Alignment>().valueToKey(4), QByteArray("AlignRight"));

    // A number that is no edge is kept and undocks, as the 16-bit setter does.
    byEnum.pane.setAlignment(SplitbayCtl::Alignment(9));
    EXPECT_EQ(byEnum.pane.alignment(), 9);
    EXPECT_EQ(byEnum.bar().AlignMDI(), 9);
}

TEST(PaneProperties, TheFreeAreaIsReadOnlyByNameAndFollowsEveryLayout)
{
    Pane rig;
    rig.pane.setAlignment(SplitbayCtl::AlignTop);
    const QMetaProperty width = rig.property("ScaleWidth");
    EXPECT_EQ(width.notifySignal(), QMetaMethod::fromSignal(&SplitbayCtl::OnResize));
    EXPECT_FLOAT_EQ(width.read(&rig.pane).toFloat(), 4500);
    // A binding that writes it is refused quietly, not with an exception.
    EXPECT_FALSE(rig.pane.setProperty("ScaleWidth", 7));
    EXPECT_FALSE(rig.pane.setProperty("ScaleTop", 7));
    QSignalSpy resizes(&rig.pane, &SplitbayCtl::OnResize);
    rig.pane.resize(200, 200);
    EXPECT_EQ(resizes.count(), 1);
    EXPECT_FLOAT_EQ(width.read(&rig.pane).toFloat(), 3000);
    EXPECT_FLOAT_EQ(rig.property("ScaleHeight").read(&rig.pane).toFloat(), 2940);
}

TEST(PaneProperties, DesignModeByNameReachesTheBarAndTheRefusalsName)
{
    Pane rig;
    EXPECT_EQ(errorNumber([&] { rig.pane.setScaleLeft(1); }), ErrorNumber::SetNotSupportedAtRunTime);
    try {
        rig.pane.setScaleTop(1);
    } catch (const ControlError &error) {
        EXPECT_STREQ(error.what(), "Set not supported at run time");
    }
    EXPECT_TRUE(rig.pane.setProperty("designMode", true));
    EXPECT_TRUE(rig.pane.designMode());
    EXPECT_EQ(errorNumber([&] { rig.pane.setScaleLeft(1); }), ErrorNumber::SettingNotPermitted);
    EXPECT_EQ(errorNumber([&] { rig.bar().setHwnd(WindowHandle(5)); }), ErrorNumber::SettingNotPermitted);
    EXPECT_EQ(errorNumber([&] { rig.pane.setMin(std::numeric_limits<float>::quiet_NaN()); }),
              ErrorNumber::InvalidPropertyValue);
}

TEST(PaneContainer, WidgetsPutIntoThePaneStayUnderTheBar)
{
    Pane rig;
    rig.pane.setAlignment(SplitbayCtl::AlignLeft);
    const QPoint onBar = rig.bar().geometry().center();
    QWidget cover(&rig.pane);
    cover.setGeometry(rig.pane.rect());
    cover.show();
    EXPECT_EQ(rig.pane.childAt(onBar), &rig.bar());
    EXPECT_EQ(rig.pane.childAt(QPoint(10, 10)), &cover);
    // Re-parenting a widget in counts as putting it in.
    QWidget later;
    later.setParent(&rig.pane);
    later.setGeometry(rig.pane.rect());
    later.show();
    EXPECT_EQ(rig.pane.childAt(onBar), &rig.bar());
}
