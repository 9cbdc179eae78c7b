// A user's whole loop through the example host, with real events: open a
// ticker from the watch list, page and zoom, trade from the popup menu,
// change a pane's indicator, save, close, reopen, print; and the chart's
// "Time Range" entry reaching the host's dialog through Ctrl+T.

#include "HostDialogs.h"
#include "HostFixture.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace {

const QColor BuyArrow(0, 180, 0), SellArrow(180, 0, 0);

class UserLoop : public HostTest {
protected:
    // Opens the combo's list with a click and picks entry `index` with Enter.
    void pickIndicator(QComboBox &combo, int index)
    {
        ModalAnswer answer([index](QWidget *popup) {
            auto *view = popup->findChild<QAbstractItemView *>();
            ASSERT_NE(view, nullptr);
            view->setCurrentIndex(view->model()->index(index, 0));
            QTest::keyClick(view->viewport(), Qt::Key_Return);
        });
        QTest::mouseClick(&combo, Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return answer.answered(); }));
    }
};

TEST_F(UserLoop, TradesSavesReopensAndPrintsAChart)
{
    closeAllDocuments();
    ASSERT_EQ(documentCount(), 0);
    openFromWatchList("GOOG");
    ASSERT_EQ(documentCount(), 1);
    ASSERT_NE(chart(), nullptr);
    EXPECT_EQ(chart()->ticker_name, "GOOG");
    EXPECT_EQ(chart()->starting_date_local, 1);
    EXPECT_EQ(chart()->ending_date_local, 200);

    // Page one window back and forth, then zoom in on the newest days.
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Left);
    EXPECT_GT(chart()->starting_date_local, 1);
    QTest::keyClick(chart(), Qt::Key_Right);
    EXPECT_EQ(chart()->starting_date_local, 1);
    QTest::keyClick(chart(), Qt::Key_Plus);
    const int16_t newest = chart()->starting_date_local, oldest = chart()->ending_date_local;
    EXPECT_LT(oldest - newest, 199);

    // A round trip: buy on an older day, sell on a newer one.
    ASSERT_TRUE(chooseOnPopupMenu(0.2, "mnuPopupRecordBuy"));
    ASSERT_TRUE(chooseOnPopupMenu(0.7, "mnuPopupRecordSell"));
    EXPECT_EQ(chart()->buy_number, 1);
    EXPECT_EQ(chart()->sell_number, 1);
    const QStringList trades = entries();
    ASSERT_EQ(trades.size(), 2);
    EXPECT_TRUE(trades[0].startsWith("B|")) << trades[0].toStdString();
    EXPECT_TRUE(trades[1].startsWith("S|")) << trades[1].toStdString();

    // The third pane shows another indicator once applied.
    auto *combo = chart()->findChild<QComboBox *>(QStringLiteral("Combo(3)"));
    ASSERT_NE(combo, nullptr);
    const int wanted = combo->currentIndex() == 1 ? 2 : 1;
    pickIndicator(*combo, wanted);
    QTest::mouseClick(chart()->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(chart()->TechInd3(), wanted + 1);
    const int16_t panes[3] = {chart()->TechInd1(), chart()->TechInd2(), chart()->TechInd3()};
    const QString sumGain = label("SumGain"), cumGain = label("CumGain");

    const QString path = files.filePath("goog.chart");
    ASSERT_TRUE(runWithFile("actionSaveChartAs", path));
    ASSERT_TRUE(QFile::exists(path));

    QPointer<quotechart::REvuved> saved = chart();
    action("actionCloseDocument").trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return saved.isNull(); }));
    EXPECT_EQ(documentCount(), 0);

    ASSERT_TRUE(runWithFile("actionOpenChart", path));
    ASSERT_EQ(documentCount(), 1);
    ASSERT_NE(chart(), nullptr);
    QTest::qWait(0);
    EXPECT_EQ(chart()->ticker_name, "GOOG");
    EXPECT_EQ(chart()->starting_date_local, newest);
    EXPECT_EQ(chart()->ending_date_local, oldest);
    EXPECT_EQ(chart()->TechInd1(), panes[0]);
    EXPECT_EQ(chart()->TechInd2(), panes[1]);
    EXPECT_EQ(chart()->TechInd3(), panes[2]);
    EXPECT_EQ(entries(), trades);
    EXPECT_EQ(label("SumGain"), sumGain);
    EXPECT_EQ(label("CumGain"), cumGain);
    const QImage price = pane().grab().toImage();
    EXPECT_GT(pixelsOf(price, BuyArrow), 0);
    EXPECT_GT(pixelsOf(price, SellArrow), 0);

    const QString pdf = files.filePath("goog.pdf");
    auto printDialog = ModalAnswer::dialog([&](QDialog *dialog) {
        auto *print = qobject_cast<QPrintDialog *>(dialog);
        ASSERT_NE(print, nullptr);
        // With no printer installed the dialog offers printing to a file.
        auto *name = print->findChild<QLineEdit *>(QStringLiteral("filename"));
        ASSERT_NE(name, nullptr);
        name->setText(pdf);
        dialog->accept();
    });
    action("actionPrint").trigger();
    EXPECT_TRUE(printDialog->answered());
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.read(5).startsWith("%PDF-"));
}

TEST_F(UserLoop, TimeRangeOnTheChartsMenuOpensTheHostsDialog)
{
    ASSERT_NE(chart(), nullptr);
    chart()->setFocus();
    // A window manager gives the focus back to the main window when a popup
    // closes; the offscreen platform leaves it nowhere, so the test does it.
    ModalAnswer menu([this](QWidget *popup) {
        QAction *entry = popup->findChild<QAction *>(QStringLiteral("mnuPopupTimeRange"));
        popup->close();
        window->activateWindow();
        ASSERT_NE(entry, nullptr);
        QTimer::singleShot(0, entry, &QAction::trigger);
    });
    const QPoint at(pane().width() / 2, pane().height() / 2);
    QTest::mousePress(&pane(), Qt::RightButton, {}, at);
    QTest::mouseRelease(&pane(), Qt::RightButton, {}, at);
    ASSERT_TRUE(menu.answered());
    QString opened;
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        opened = dialog->objectName();
        if (auto *range = qobject_cast<TimeRangeDialog *>(dialog)) {
            EXPECT_EQ(range->to(), historyDate(chart()->StartingDate()));
            EXPECT_EQ(range->from(), historyDate(chart()->EndingDate()));
            range->setRange(range->to().addMonths(-1), range->to());
        }
        dialog->accept();
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answer->answered(); }));
    EXPECT_EQ(opened, "timeRangeDialog");
    EXPECT_EQ(chart()->starting_date_local, 1);
    EXPECT_GT(chart()->ending_date_local, 15);
    EXPECT_LT(chart()->ending_date_local, 25);
}

}   // namespace
