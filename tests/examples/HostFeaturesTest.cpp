// The example host's other commands: the watch list's entries, what it
// remembers across runs, the colours dialog, the report, the picture export,
// a chart file that cannot be read, the status bar and the time range.

#include "HostDialogs.h"
#include "HostFixture.h"
#include "WatchList.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

namespace {

using Features = HostTest;

// A hist/ folder of its own, made the chart's application path for the test.
class OwnHistFolder : public HostTest {
protected:
    void SetUp() override
    {
        previous = quotechart::applicationPath();
        QDir(folder.path()).mkpath("hist/FOLDER.csv");
        write("hist/LONG.csv",
              QByteArray(45, '-') +
                  "\r\nline two\r\nAcme Widgets Inc.XXXX\r\n4\r\n5\r\n"
                  "2-Jan-01,11,9,10,1000\r\n");
        write("hist/PLAIN.csv", "Date,Open,High,Low,Close,Volume\n2001-01-02,10,11,9,10,1000\n");
        write("hist/notes.txt", "not a history");
        quotechart::setApplicationPath(folder.path());
        start();
    }
    void TearDown() override { quotechart::setApplicationPath(previous); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(QDir(folder.path()).filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    QString previous;
};

TEST_F(OwnHistFolder, TheWatchListShowsEachHistoryFileWithItsCompany)
{
    QListWidget &watch = *window->watchList();
    ASSERT_EQ(watch.count(), 2);
    EXPECT_EQ(watch.item(0)->text(), "LONG  Acme Widgets Inc.");
    EXPECT_EQ(watch.item(1)->text(), "PLAIN");
    closeAllDocuments();
    openFromWatchList("LONG");
    ASSERT_NE(chart(), nullptr);
    EXPECT_EQ(chart()->ticker_name, "LONG");
    EXPECT_EQ(chart()->ending_date_local, 1);   // a one-day history shows that day alone
}

TEST(CompanyOfHeader, ReadsOnlyALongHeadersThirdLine)
{
    EXPECT_EQ(companyOfHeader(QByteArray(40, 'x') + "\n2\nName ABCD\n4\n5\n"), "Name");
    EXPECT_EQ(companyOfHeader(QByteArray(39, 'x') + "\n2\nName ABCD\n4\n5\n"), "");
    EXPECT_EQ(companyOfHeader(QByteArray(40, 'x') + "\n2\nABC\n"), "");   // shorter than its cut-off
    EXPECT_EQ(companyOfHeader(QByteArray(40, 'x')), "");
    EXPECT_EQ(companyOfHeader({}), "");
}

TEST_F(Features, ThePaneWidthAndTheOpenDocumentsSurviveARestart)
{
    closeAllDocuments();
    openFromWatchList("MSFT");
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Left);
    const int16_t s = chart()->starting_date_local, e = chart()->ending_date_local;
    openFromWatchList("GOOG");
    window->watchPane()->resize(300, window->watchPane()->height());
    const int width = window->watchPane()->width();
    window->close();
    window.reset();

    start();
    const QList<QMdiSubWindow *> documents = window->documents()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(documents.size(), 2);
    auto *msft = qobject_cast<quotechart::REvuved *>(documents[0]->widget());
    EXPECT_EQ(msft->ticker_name, "MSFT");
    EXPECT_EQ(msft->starting_date_local, s);
    EXPECT_EQ(msft->ending_date_local, e);
    EXPECT_EQ(documents[1]->windowTitle(), "GOOG");
    EXPECT_EQ(window->watchPane()->width(), width);
    // None of it went into the chart's store.
    QSettings chartStore(QSettings::IniFormat, QSettings::UserScope, "Tradevane5");
    EXPECT_FALSE(chartStore.contains("watchPaneWidth"));

    closeAllDocuments();
    window->close();
    start();
    EXPECT_EQ(documentCount(), 0);   // no documents is remembered too
}

TEST_F(Features, ColoursAreStoredForTheChartAndRepaintEveryOpenChart)
{
    const QColor pane(10, 20, 30), rulers(200, 100, 50);
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        auto *colours = qobject_cast<ColoursDialog *>(dialog);
        ASSERT_NE(colours, nullptr);
        EXPECT_EQ(colours->colour("BkgChart"), QColor(Qt::white));   // what a chart starts with
        EXPECT_EQ(colours->colour("BkgRulers"), QColor(Qt::black));
        colours->setColour("BkgChart", pane);
        colours->setColour("BkgRulers", rulers);
        dialog->accept();
    });
    action("actionColours").trigger();
    ASSERT_TRUE(answer->answered());

    QSettings store(QSettings::IniFormat, QSettings::UserScope, "Tradevane5");
    EXPECT_EQ(store.value("Settings/BkgChart").toString(), "1971210");   // 10 + 256 * 20 + 65536 * 30
    EXPECT_EQ(store.value("Settings/BkgRulers").toString(), QString::number(200 + 256 * 100 + 65536 * 50));
    EXPECT_EQ(store.value("Settings/BkgRulersText").toString(), "16777215");
    for (const ColourKey &key : ChartColourKeys)
        EXPECT_TRUE(store.contains(QStringLiteral("Settings/") + key.key)) << key.key;

    ASSERT_EQ(documentCount(), 2);
    for (QMdiSubWindow *document : window->documents()->subWindowList()) {
        QWidget *price = document->widget()->findChild<QWidget *>("Picture1");
        QWidget *ruler = document->widget()->findChild<QWidget *>("PriceRuler");
        const QImage image = price->grab().toImage();
        EXPECT_GT(pixelsOf(image, pane), image.width() * image.height() / 2) << document->windowTitle().toStdString();
        EXPECT_GT(pixelsOf(ruler->grab().toImage(), rulers), 0);
    }
}

TEST_F(Features, CancellingTheColoursStoresNothing)
{
    auto answer = ModalAnswer::dialog([](QDialog *dialog) {
        qobject_cast<ColoursDialog *>(dialog)->setColour("BkgChart", Qt::red);
        dialog->reject();
    });
    action("actionColours").trigger();
    ASSERT_TRUE(answer->answered());
    EXPECT_FALSE(QSettings(QSettings::IniFormat, QSettings::UserScope, "Tradevane5").contains("Settings/BkgChart"));
}

TEST_F(Features, TheReportShowsTheTradesAndCopiesThem)
{
    ASSERT_TRUE(chooseOnPopupMenu(0.3, "mnuPopupRecordBuy"));
    ASSERT_TRUE(chooseOnPopupMenu(0.6, "mnuPopupRecordSell"));
    const QString report = chart()->PrintTransactionsReport();
    EXPECT_TRUE(report.contains("Bought on:") && report.contains("Sold on:")) << report.toStdString();
    QString shown;
    auto answer = ModalAnswer::dialog([&](QDialog *dialog) {
        shown = dialog->findChild<QPlainTextEdit *>("reportText")->toPlainText();
        QTest::mouseClick(dialog->findChild<QPushButton *>("copyButton"), Qt::LeftButton);
        dialog->reject();
    });
    action("actionTransactionsReport").trigger();
    ASSERT_TRUE(answer->answered());
    EXPECT_EQ(shown, report);
    EXPECT_EQ(QApplication::clipboard()->text(), report);
}

TEST_F(Features, ExportWritesThePictureOfTheActiveChart)
{
    const QString path = files.filePath("chart.png");
    ASSERT_TRUE(runWithFile("actionExportPicture", path));
    const QImage picture(path);
    EXPECT_EQ(picture.size(), chart()->size());
    EXPECT_EQ(picture.pixelColor(pane().mapTo(chart(), QPoint(5, 5))), pane().grab().toImage().pixelColor(5, 5));
}

TEST_F(Features, AChartFileThatCannotBeReadOpensNothingAndSaysWhy)
{
    const int before = documentCount();
    for (const QByteArray &bytes :
         {QByteArray("MSFT\r\nStatus:x\r\n"), QByteArray("MSFT\r\nStatus:1\r\n"), QByteArray(1000, '\0')}) {
        const QString path = files.filePath("bad.chart");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        auto box = ModalAnswer::messageBox(QMessageBox::Ok);
        EXPECT_EQ(window->openChartFile(path), nullptr);
        EXPECT_TRUE(box->answered());
        EXPECT_TRUE(box->text().startsWith("bad.chart is not a chart file: ")) << box->text().toStdString();
    }
    auto box = ModalAnswer::messageBox(QMessageBox::Ok);
    EXPECT_EQ(window->openChartFile(files.filePath("missing.chart")), nullptr);
    EXPECT_TRUE(box->text().startsWith("missing.chart cannot be opened: there is no such file"))
        << box->text().toStdString();
    EXPECT_EQ(documentCount(), before);
}

TEST_F(Features, TheStatusBarFollowsTheActiveChartAndItsRange)
{
    auto *status = window->findChild<QLabel *>("chartStatus");
    ASSERT_NE(status, nullptr);
    activate("MSFT");
    EXPECT_EQ(status->text(), "MSFT  " + chart()->EndingDate() + " .. " + chart()->StartingDate());
    chart()->setFocus();
    QTest::keyClick(chart(), Qt::Key_Left);
    EXPECT_EQ(status->text(), "MSFT  " + chart()->EndingDate() + " .. " + chart()->StartingDate());
    activate("GOOG");
    EXPECT_TRUE(status->text().startsWith("GOOG  ")) << status->text().toStdString();
    closeAllDocuments();
    EXPECT_EQ(status->text(), "");
}

TEST_F(Features, ATimeRangeTakesTheTradingDaysOfItsDates)
{
    activate("MSFT");
    // MSFT: 2014-08-08 is day 1, a Friday; 2014-08-02/03 are a weekend.
    EXPECT_TRUE(window->setTimeRange(QDate(2014, 8, 3), QDate(2014, 8, 8)));
    EXPECT_EQ(chart()->StartingDate(), "2014-08-08");
    EXPECT_EQ(chart()->EndingDate(), "2014-08-01");
    // Reversed dates are the same range; dates beyond the history clamp to its ends.
    EXPECT_TRUE(window->setTimeRange(QDate(2014, 8, 8), QDate(2014, 8, 3)));
    EXPECT_EQ(chart()->EndingDate(), "2014-08-01");
    EXPECT_TRUE(window->setTimeRange(QDate(1990, 1, 1), QDate(2020, 1, 1)));
    EXPECT_EQ(chart()->starting_date_local, 1);
    EXPECT_EQ(chart()->ending_date_local, chart()->history().record_count);
    EXPECT_FALSE(window->setTimeRange(QDate(), QDate(2014, 8, 8)));
}

TEST(HistoryDate, ReadsTheFormsHistoryFilesUse)
{
    EXPECT_EQ(historyDate("2014-08-08"), QDate(2014, 8, 8));
    EXPECT_EQ(historyDate("14-Oct-08"), QDate(2008, 10, 14));
    EXPECT_EQ(historyDate("2-Jan-99"), QDate(1999, 1, 2));
    EXPECT_EQ(historyDate("02-Jan-2001"), QDate(2001, 1, 2));
    EXPECT_EQ(historyDate("1/2/2001"), QDate(2001, 1, 2));
    EXPECT_EQ(historyDate("Jan 2, 2001"), QDate(2001, 1, 2));
    EXPECT_FALSE(historyDate("").isValid());
    EXPECT_FALSE(historyDate("31-Feb-01").isValid());
}

TEST_F(Features, LookingUpWithNoSiteFindsNothingAndTheSiteIsTheHostsSetting)
{
    activate("MSFT");
    window->lookUpCompanyName();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("No company name found for MSFT"))
        << window->statusBar()->currentMessage().toStdString();
    auto answer = ModalAnswer::dialog([](QDialog *dialog) {
        dialog->findChild<QLineEdit *>()->setText(" http://quotes.invalid ");
        dialog->accept();
    });
    action("actionLookupSite").trigger();
    ASSERT_TRUE(answer->answered());
    EXPECT_EQ(quotechart::lookupSite(), "http://quotes.invalid");
    window->close();
    quotechart::setLookupSite({});
    start();
    EXPECT_EQ(quotechart::lookupSite(), "http://quotes.invalid");
    quotechart::setLookupSite({});
}

}   // namespace
