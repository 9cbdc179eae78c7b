// Limits far outside any window: a huge Min grows the pane only as far as its
// container (or the screen), and a negative Max lets no drag past the
// container; both properties keep the values set.

#include "MDICtl1.h"
#include "MouseInput.h"
#include "SimulatedScreen.h"

#include "splitbay6/SplitbayCtl.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace splitbay6;

namespace {

constexpr float Huge = 16777215;

TEST(HugeLimits, ATopLevelPaneGrowsNoLargerThanTheScreen)
{
    for (const int16_t alignment : {SplitbayCtl::AlignTop, SplitbayCtl::AlignLeft}) {
        SplitbayCtl pane(std::make_shared<SimulatedScreen>(), nullptr);
        pane.resize(300, 200);
        pane.show();
        pane.setAlignment(alignment);
        pane.setMin(Huge);
        pane.resize(310, 210);
        const QSize screen = pane.screen()->geometry().size();
        if (alignment == SplitbayCtl::AlignTop) {
            EXPECT_EQ(pane.height(), screen.height());
            EXPECT_EQ(pane.width(), 310);
        } else {
            EXPECT_EQ(pane.width(), screen.width());
            EXPECT_EQ(pane.height(), 210);
        }
        EXPECT_EQ(pane.Min(), Huge);
    }
}

class DockedLimits : public ::testing::Test {
protected:
    void SetUp() override
    {
        container.setGeometry(20, 30, 600, 400);
        pane->resize(200, 10);
        pane->setAlignment(SplitbayCtl::AlignLeft);
        container.show();
    }
    MDICtl1 &bar() { return *pane->findChild<MDICtl1 *>("MDICtl"); }
    void relayOut() { pane->resize(pane->width() + 1, pane->height()); }
    void drag(int dx)
    {
        const QPoint from = pane->mapToGlobal(QPoint(pane->width() - 2, 50));
        screen->setCursor(from);
        pressLeft(bar());
        screen->setCursor(from + QPoint(dx, 0));
        moveWith(bar(), Qt::LeftButton);
        releaseLeft(bar());
    }

    std::shared_ptr<SimulatedScreen> screen = std::make_shared<SimulatedScreen>(QSize(800, 600));
    QWidget container;
    SplitbayCtl *pane = new SplitbayCtl(screen, &container);
};

TEST_F(DockedLimits, AHugeMinGrowsThePaneToItsContainer)
{
    pane->setMin(Huge);
    relayOut();
    EXPECT_EQ(pane->width(), 600);
    EXPECT_EQ(pane->Min(), Huge);
    EXPECT_EQ(bar().Min(), Huge);

    // The release clamp asks for Min + 4 pixels: the container again.
    drag(-50);
    EXPECT_EQ(pane->width(), 600);
}

TEST_F(DockedLimits, ANegativeMaxLeavesNoDragPastTheContainer)
{
    pane->setMax(-500);
    relayOut();
    drag(1000);
    EXPECT_LE(pane->width(), 600);
    EXPECT_EQ(pane->width(), 600 - 4);   // as with Max 0
    EXPECT_EQ(pane->Max(), -500);
    EXPECT_EQ(bar().Max(), -500);
}

}   // namespace
