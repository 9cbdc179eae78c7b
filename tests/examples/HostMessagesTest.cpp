// The host's messages name the file and say what is wrong with it: chart
// files that are not chart files (the line at fault), files that cannot be
// saved, a history that is not there (the folder looked in), a chart file
// whose ticker has no history.

#include "ErrorSentences.h"
#include "HostFixture.h"
#include "ModalSequence.h"

#include <QDir>
#include <QFile>

namespace {

// A chart file as the chart writes it: the ticker, three panes of 14 lines, the range, the trades.
QByteArray chartFile(const QString &ticker = "MSFT")
{
    QByteArray text = ticker.toLatin1() + "\r\n";
    for (int pane = 0; pane < 3; ++pane) {
        text += "Status:" + QByteArray::number(pane + 1) + "\r\n";
        for (int i = 0; i < 13; ++i)
            text += "Periods:14\r\n";
    }
    text += "Starting date index:1\r\nEnding date index:200\r\nBuy #1:150\r\nSell #1:40\r\n";
    return text;
}

// The file with line `line` (1-based) replaced.
QByteArray withLine(QByteArray text, int line, const QByteArray &replacement)
{
    QList<QByteArray> lines = text.split('\n');
    lines[line - 1] = replacement + "\r";
    return lines.join('\n');
}

TEST(ChartFileFault, FindsTheLineTheChartStumblesOn)
{
    EXPECT_EQ(findChartFileFault(chartFile()).kind, ChartFileFault::None);
    const ChartFileFault letters = findChartFileFault(withLine(chartFile(), 12, "Momentum periods:x"));
    EXPECT_EQ(letters.kind, ChartFileFault::NotANumber);
    EXPECT_EQ(letters.line, 12);
    EXPECT_EQ(letters.item, "Momentum periods:x");
    const ChartFileFault large = findChartFileFault(withLine(chartFile(), 44, "Starting date index:40000"));
    EXPECT_EQ(large.kind, ChartFileFault::TooLarge);
    EXPECT_EQ(large.line, 44);
    const ChartFileFault indicator = findChartFileFault(withLine(chartFile(), 16, "Status:11"));
    EXPECT_EQ(indicator.kind, ChartFileFault::BadIndicator);
    EXPECT_EQ(indicator.line, 16);
    const ChartFileFault trade = findChartFileFault(chartFile() + "Buy #2:soon\r\n");
    EXPECT_EQ(trade.kind, ChartFileFault::NotANumber);
    EXPECT_EQ(trade.line, 48);
    // Items run to a comma too: two on one line count as that line.
    const ChartFileFault commas = findChartFileFault("MSFT\r\nStatus:1,Periods:y\r\n");
    EXPECT_EQ(commas.kind, ChartFileFault::NotANumber);
    EXPECT_EQ(commas.line, 2);
    const ChartFileFault early = findChartFileFault(chartFile().left(chartFile().indexOf("Status:2")));
    EXPECT_EQ(early.kind, ChartFileFault::EndsEarly);
    EXPECT_EQ(early.line, 15);
    EXPECT_EQ(findChartFileFault({}).kind, ChartFileFault::EndsEarly);
    EXPECT_EQ(findChartFileFault(QByteArray(1000, '\0')).kind, ChartFileFault::EndsEarly);
}

class Messages : public HostTest {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = files.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }
    // File > Open chart... on `path`; the message it showed.
    QString openShowing(const QString &path)
    {
        ModalSequence sequence({[path](QWidget *widget) {
                                    auto *files = qobject_cast<QFileDialog *>(widget);
                                    files->selectFile(path);
                                    static_cast<QDialog *>(files)->accept();
                                },
                                ModalSequence::press(QMessageBox::Ok)});
        action("actionOpenChart").trigger();
        EXPECT_TRUE(sequence.done()) << path.toStdString();
        return sequence.messages().value(0);
    }
    QString hist() const { return QDir::toNativeSeparators(QDir(quotechart::applicationPath()).filePath("hist")); }
};

TEST_F(Messages, AChartFileThatIsNoneSaysWhichLineIsWrong)
{
    const int before = documentCount();
    EXPECT_EQ(openShowing(write("letters.chart", withLine(chartFile(), 12, "Momentum periods:x"))),
              "letters.chart is not a chart file: line 12 should be a number, not \"Momentum periods:x\".");
    EXPECT_EQ(openShowing(write("large.chart", withLine(chartFile(), 45, "Ending date index:70000"))),
              "large.chart is not a chart file: line 45 holds \"Ending date index:70000\", beyond the numbers a chart "
              "file holds (-32768 to 32767).");
    EXPECT_EQ(openShowing(write("short.chart", "MSFT\r\nStatus:1\r\n")),
              "short.chart is not a chart file: it ends after line 2, and a chart file has 45 lines before its trades.");
    EXPECT_EQ(openShowing(write("indicator.chart", withLine(chartFile(), 30, "Status:0"))),
              "indicator.chart is not a chart file: line 30 names indicator \"Status:0\", and the panes' indicators are "
              "numbered 1 to 10.");
    EXPECT_EQ(openShowing(write("zeros.chart", QByteArray(1000, '\0'))),
              "zeros.chart is not a chart file: it ends after line 1, and a chart file has 45 lines before its trades.");
    auto missing = ModalAnswer::messageBox(QMessageBox::Ok);   // Qt's dialog would not pick a missing file
    EXPECT_EQ(window->openChartFile(files.filePath("missing.chart")), nullptr);
    EXPECT_EQ(missing->text(),
              "missing.chart cannot be opened: there is no such file in " + QDir::toNativeSeparators(files.path()) + ".");
    EXPECT_EQ(documentCount(), before);
    // No number of the chart's reaches the user.
    EXPECT_EQ(openShowing(write("a.chart", "A\r\n")).contains("Error"), false);
}

TEST_F(Messages, AChartFileWhoseTickerHasNoHistoryOpensNothingAndSaysWhereItLooked)
{
    const int before = documentCount();
    EXPECT_EQ(openShowing(write("gone.chart", chartFile("NOSUCH"))),
              "gone.chart charts NOSUCH, so nothing was opened. There is no history of NOSUCH: no NOSUCH.csv in " +
                  hist() + ".");
    EXPECT_EQ(documentCount(), before);
    // Nor does a restart try it again.
    ASSERT_TRUE(window->close());
    window.reset();
    start();
    EXPECT_EQ(documentCount(), before);
}

TEST_F(Messages, AMissingHistoryNamesTheFolderItWasLookedFor)
{
    const int before = documentCount();
    auto box = ModalAnswer::messageBox(QMessageBox::Ok);
    EXPECT_EQ(window->openChart("NOSUCH"), nullptr);
    EXPECT_EQ(box->text(), "There is no history of NOSUCH: no NOSUCH.csv in " + hist() + ".");
    EXPECT_EQ(documentCount(), before);
}

TEST_F(Messages, ASaveThatFailsSaysWhy)
{
    // A chart file whose folder went away while it was open.
    QDir(files.path()).mkdir("gone");
    const QString path = files.filePath("gone/msft.chart");
    QFile::copy(write("msft.chart", chartFile()), path);
    closeAllDocuments();
    ASSERT_NE(window->openChartFile(path), nullptr);
    ASSERT_TRUE(QDir(files.filePath("gone")).removeRecursively());
    ASSERT_TRUE(chooseOnPopupMenu(0.5, "mnuPopupRecordBuy"));
    auto box = ModalAnswer::messageBox(QMessageBox::Ok);
    focusMainWindow();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(box->text(), "msft.chart cannot be saved: the folder " +
                               QDir::toNativeSeparators(files.filePath("gone")) + " does not exist.");
    EXPECT_TRUE(window->documents()->currentSubWindow()->windowTitle().endsWith('*'));

    EXPECT_EQ(chartFileSaveSentence(files.filePath("x.chart"), quotechart::ErrorNumber::PathFileAccessError, "A,B"),
              "x.chart cannot be saved: a chart file cannot hold the ticker \"A,B\".");
    QDir(files.path()).mkdir("dir.chart");
    EXPECT_EQ(chartFileSaveSentence(files.filePath("dir.chart"), quotechart::ErrorNumber::PathFileAccessError, "A"),
              "dir.chart cannot be saved: something that is not a file has that name.");
}

}   // namespace
