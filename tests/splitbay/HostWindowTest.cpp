// A host as applications build it: a QMainWindow whose central widget is a
// QMdiArea, with a pane docked left, on the real (Qt) screen, driven by mouse
// events sent to the bar.

#include "MDICtl1.h"
#include "QtScreen.h"

#include "splitbay6/SplitbayCtl.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace splitbay6;

namespace {

class HostWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setCentralWidget(documents);
        window.statusBar()->showMessage("Ready");
        pane->resize(200, 10);
        pane->setAlignment(SplitbayCtl::AlignLeft);
        window.resize(800, 600);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        areaHeight = window.statusBar()->geometry().top();
    }
    MDICtl1 &bar() { return *pane->findChild<MDICtl1 *>("MDICtl"); }

    std::shared_ptr<QtScreen> screen = std::make_shared<QtScreen>();
    QMainWindow window;
    QMdiArea *documents = new QMdiArea;
    SplitbayCtl *pane = new SplitbayCtl(screen, &window);
    int areaHeight = 0;
};

}   // namespace

TEST_F(HostWindow, ThePaneDocksLeftOfTheDocumentArea)
{
    EXPECT_EQ(pane->geometry(), QRect(0, 0, 200, areaHeight));
    EXPECT_EQ(documents->geometry(), QRect(200, 0, 600, areaHeight));
    EXPECT_EQ(bar().geometry(), QRect(196, 0, 4, areaHeight));
    EXPECT_EQ(pane->freeArea(), QRect(0, 0, 196, areaHeight));

    // The main window's layout resizes the area; the pane and the documents follow.
    window.resize(900, 500);
    areaHeight = window.statusBar()->geometry().top();
    EXPECT_EQ(pane->geometry(), QRect(0, 0, 200, areaHeight));
    EXPECT_EQ(documents->geometry(), QRect(200, 0, 700, areaHeight));
}

TEST_F(HostWindow, DraggingTheBarResizesThePaneAndTheDocumentArea)
{
    QSignalSpy documentResizes(pane, &SplitbayCtl::OnMDIClientResize);
    QTest::mousePress(&bar(), Qt::LeftButton, {}, QPoint(2, 100));
    EXPECT_EQ(QWidget::mouseGrabber(), &bar());
    const QPoint barOnScreen = bar().mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(screen->ghostAreas(), QList<QRect>({QRect(barOnScreen.x(), barOnScreen.y() + 2, 4, areaHeight - 4)}));
    QTest::mouseMove(&bar(), QPoint(102, 100));
    EXPECT_EQ(screen->ghostAreas(),
              QList<QRect>({QRect(barOnScreen.x() + 100, barOnScreen.y() + 2, 4, areaHeight - 4)}));
    QTest::mouseRelease(&bar(), Qt::LeftButton, {}, QPoint(102, 100));

    EXPECT_EQ(pane->width(), 300);
    EXPECT_EQ(documents->geometry(), QRect(300, 0, 500, areaHeight));
    EXPECT_EQ(bar().geometry(), QRect(296, 0, 4, areaHeight));
    EXPECT_EQ(documentResizes.count(), 1);
    EXPECT_TRUE(screen->ghostAreas().isEmpty());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(HostWindow, AnotherWindowGrabbingTheMouseCancelsTheDrag)
{
    QSignalSpy lost(&bar(), &MDICtl1::OnLostCapture);
    QTest::mousePress(&bar(), Qt::LeftButton, {}, QPoint(2, 100));
    QTest::mouseMove(&bar(), QPoint(52, 100));
    QWidget other;
    other.show();
    other.grabMouse();
    ASSERT_TRUE(QTest::qWaitFor([&] { return lost.count() > 0; }, 2000));
    EXPECT_EQ(lost.at(0).at(0).value<WindowHandle>(), screen->handleOf(&other));
    EXPECT_TRUE(screen->ghostAreas().isEmpty());
    other.releaseMouse();
    QTest::mouseRelease(&bar(), Qt::LeftButton, {}, QPoint(52, 100));
    EXPECT_EQ(pane->width(), 200);
}

TEST(QtScreen, HandlesNameLivingWidgetsOnly)
{
    QtScreen screen;
    auto *widget = new QWidget;
    const WindowHandle handle = screen.handleOf(widget);
    EXPECT_FALSE(handle.isNull());
    EXPECT_EQ(screen.handleOf(widget), handle);
    EXPECT_TRUE(screen.windowRect(handle).has_value());
    delete widget;
    EXPECT_FALSE(screen.windowRect(handle).has_value());
    QWidget replacement;
    EXPECT_NE(screen.handleOf(&replacement), handle);
    EXPECT_TRUE(screen.handleOf(nullptr).isNull());
}

TEST(QtScreen, TheDocumentAreaIsADirectQMdiAreaChild)
{
    QtScreen screen;
    QWidget container;
    QWidget inner(&container);
    new QMdiArea(&inner);   // inside a pane or a document: not it
    EXPECT_TRUE(screen.documentArea(screen.handleOf(&container)).isNull());
    auto *area = new QMdiArea(&container);
    EXPECT_EQ(screen.documentArea(screen.handleOf(&container)), screen.handleOf(area));
}

TEST(QtScreen, InvertingAnAreaTwiceTakesItsGhostAway)
{
    QtScreen screen;
    screen.invertHalftone(QRect(10, 20, 4, 50));
    screen.invertHalftone(QRect(30, 20, 4, 50));
    EXPECT_EQ(screen.ghostAreas().size(), 2);
    const auto overlays = QApplication::topLevelWidgets();
    const auto ghost = std::find_if(overlays.begin(), overlays.end(), [](QWidget *widget) {
        return widget->objectName() == "splitbay6.ghostBar" && widget->geometry() == QRect(10, 20, 4, 50);
    });
    ASSERT_NE(ghost, overlays.end());
    EXPECT_TRUE((*ghost)->isVisible());
    EXPECT_TRUE((*ghost)->testAttribute(Qt::WA_TransparentForMouseEvents));
    screen.invertHalftone(QRect(10, 20, 4, 50));
    EXPECT_EQ(screen.ghostAreas(), QList<QRect>({QRect(30, 20, 4, 50)}));
    screen.repaintAll();
    EXPECT_TRUE(screen.ghostAreas().isEmpty());
}
