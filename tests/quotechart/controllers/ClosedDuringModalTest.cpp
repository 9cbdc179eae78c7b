// A host may close a chart while one of the chart's message boxes or dialogs
// is open (from a timer, a socket, the session ending): the modal goes with
// the chart, and the call that opened it returns without touching the
// chart again.

#include "ChartTest.h"
#include "ModalAnswer.h"
#include "TestAccess.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

#include <functional>

namespace {

class ClosedDuringModal : public ChartTest {
protected:
    void SetUp() override
    {
        quotechart::overlayParameters() = quotechart::OverlayParameters{};
        hist.writeStandard("DAYS", syntheticRows(300, 50.0));
        openChart();
    }
    void openChart()
    {
        showChart(1200, 900);
        load("DAYS");
        chart->starting_date_local = 1;
        chart->ending_date_local = 100;
        quotechart::TestAccess::redraw(*chart);
    }

    // Runs `open`, and deletes the chart as soon as a modal (or, with
    // `messageOnly`, a message box) shows.
    void closeChartWhileOpen(const std::function<void()> &open, bool messageOnly = false)
    {
        QPointer<QWidget> modal;
        QTimer poll;
        poll.setInterval(1);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget *shown = QApplication::activeModalWidget();
            if (!shown || (messageOnly && !qobject_cast<QMessageBox *>(shown)))
                return;
            poll.stop();
            modal = shown;
            chart.reset();
        });
        poll.start();
        open();
        EXPECT_FALSE(chart) << "no modal showed";
        EXPECT_TRUE(modal.isNull()) << "the modal outlived its chart";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }

    float middleOfPane() { return float(box("Picture1")->surface().scaleWidth() / 2); }
    void trigger(const char *action) { child<QAction>(QLatin1String(action))->trigger(); }
};

TEST_F(ClosedDuringModal, RefusedSellAndTheRecordLimit)
{
    closeChartWhileOpen([this] {
        float x = middleOfPane();
        chart->RecordSell(x);   // nothing bought yet: refused
    });
    openChart();
    closeChartWhileOpen([this] {
        chart->buy_number = 125;
        float x = middleOfPane();
        chart->RecordBuy(x);   // the limit's warning
    });
}

TEST_F(ClosedDuringModal, DeleteTransactionQuestion)
{
    float x = middleOfPane();
    chart->RecordBuy(x);
    QTreeWidget *list = child<QTreeWidget>("ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 1);
    list->setCurrentItem(list->topLevelItem(0));
    closeChartWhileOpen([this] { trigger("mnuPopupListViewDelete"); });
}

TEST_F(ClosedDuringModal, ParameterDialogsAndTheirMessage)
{
    closeChartWhileOpen([this] { trigger("mnuPopupMACustom"); });
    openChart();
    closeChartWhileOpen([this] { trigger("mnuPriceIndicatorsEnvelopes"); });

    // The dialog's own "Numeric expression required", over the dialog.
    openChart();
    ModalAnswer typeNoNumber([](QWidget *dialog) {
        dialog->findChild<QLineEdit *>("Text1")->setText("many");
        QMetaObject::invokeMethod(dialog->findChild<QPushButton *>("OKButton"), "click", Qt::QueuedConnection);
    });
    closeChartWhileOpen([this] { trigger("mnuPopupMACustom"); }, true);
    EXPECT_TRUE(typeNoNumber.answered());
}

TEST_F(ClosedDuringModal, SettingsTabMessage)
{
    child<QComboBox>("Combo(1)")->setCurrentIndex(1);   // RSI: one period field
    child<QLineEdit>("Text1(1)")->setText("fourteen");
    closeChartWhileOpen([this] { child<QPushButton>("Command1")->click(); });
}

TEST_F(ClosedDuringModal, DataUpdatedMessage)
{
    closeChartWhileOpen([this] { chart->UpdateHistData(); });
}

}   // namespace
