// The example host: charts of the sample histories in its document area and
// a watch list docked on the left whose bar, dragged with the mouse, gives
// the documents the width it leaves.

#include "HostWindow.h"

#include <quotechart/REvuved.h>
#include <splitbay6/SplitbayCtl.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ExampleHost : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget &bar() { return *window.watchPane()->findChild<QWidget *>(QStringLiteral("MDICtl")); }

    HostWindow window;
};

TEST_F(ExampleHost, OpensAChartOfEachSampleHistory)
{
    const QList<QMdiSubWindow *> documents = window.documents()->subWindowList();
    ASSERT_EQ(documents.size(), 2);
    for (QMdiSubWindow *document : documents) {
        auto *chart = qobject_cast<quotechart::REvuved *>(document->widget());
        ASSERT_NE(chart, nullptr);
        EXPECT_GT(chart->history().record_count, 1000) << document->windowTitle().toStdString();
        EXPECT_EQ(chart->ticker_name, document->windowTitle());
    }
}

TEST_F(ExampleHost, DraggingTheWatchListBarResizesItAndTheDocuments)
{
    splitbay6::SplitbayCtl &pane = *window.watchPane();
    const int width = pane.width();
    const int documentsLeft = window.documents()->geometry().left();
    const int y = bar().height() / 2;
    QTest::mousePress(&bar(), Qt::LeftButton, {}, QPoint(2, y));
    QTest::mouseMove(&bar(), QPoint(82, y));
    QTest::mouseRelease(&bar(), Qt::LeftButton, {}, QPoint(82, y));
    EXPECT_EQ(pane.width(), width + 80);
    EXPECT_EQ(window.documents()->geometry().left(), documentsLeft + 80);
    EXPECT_EQ(window.documents()->geometry().right(), window.width() - 1);
}

}   // namespace
