// No lost work, driven as a user does: Save and Save as, the '*' in a
// document's title while it differs from its file, the question on closing a
// document and on quitting (each answer), the recent chart files, and a
// restart that reopens the chart files with their trades and the window.

#include "HostFixture.h"
#include "ModalSequence.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace {

using Answer = ModalSequence::Answer;

Answer pickFile(const QString &path)
{
    return [path](QWidget *widget) {
        auto *files = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(files, nullptr);
        files->selectFile(path);
        static_cast<QDialog *>(files)->accept();
    };
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class Documents : public HostTest {
protected:
    QString title() const { return window->documents()->currentSubWindow()->windowTitle(); }
    // GOOG alone, with a buy and a sell recorded.
    void tradeOnGoog()
    {
        closeAllDocuments();
        openFromWatchList("GOOG");
        ASSERT_TRUE(chooseOnPopupMenu(0.2, "mnuPopupRecordBuy"));
        ASSERT_TRUE(chooseOnPopupMenu(0.7, "mnuPopupRecordSell"));
    }
    // Presses a key on the main window, as a shortcut is typed.
    void press(int key, Qt::KeyboardModifiers modifiers)
    {
        focusMainWindow();
        QTest::keyClick(window.get(), Qt::Key(key), modifiers);
        QTest::qWait(0);
    }
    void pageOlder()
    {
        chart()->setFocus();
        QTest::keyClick(chart(), Qt::Key_Left);
        QTest::qWait(0);
    }
    void pageNewer()
    {
        chart()->setFocus();
        QTest::keyClick(chart(), Qt::Key_Right);
        QTest::qWait(0);
    }
    // Saves the current document as `path` with Save as... (Ctrl+Shift+S).
    void saveAs(const QString &path)
    {
        ModalSequence sequence({pickFile(path)});
        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        ASSERT_TRUE(sequence.done());
    }
    QMenu &recentMenu() const { return *window->findChild<QMenu *>("recentChartsMenu"); }
    QStringList recentEntries() const
    {
        QStringList texts;
        for (QAction *entry : recentMenu().actions())
            if (entry->objectName().startsWith("actionRecentChart"))
                texts << entry->text();
        return texts;
    }
    void restart()
    {
        window.reset();
        start();
    }
};

TEST_F(Documents, TheTitleMarksTradesAndSaveTakesTheMarkAway)
{
    tradeOnGoog();
    EXPECT_EQ(title(), "GOOG*");
    const QString path = files.filePath("goog.chart");

    // A document without a file saves as a new file, Ctrl+S asking where.
    ModalSequence first({pickFile(path)});
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(first.done());
    EXPECT_EQ(title(), "GOOG (goog.chart)");
    EXPECT_TRUE(fileBytes(path).contains("Buy #1:"));

    // A range or a trade that differs from the file marks it; back as the file says, it is clean again.
    pageOlder();
    EXPECT_EQ(title(), "GOOG (goog.chart)*");
    pageNewer();
    EXPECT_EQ(title(), "GOOG (goog.chart)");
    ASSERT_TRUE(chooseOnPopupMenu(0.8, "mnuPopupRecordBuy"));
    EXPECT_EQ(title(), "GOOG (goog.chart)*");

    // With a file, Ctrl+S saves without a question.
    {
        ModalSequence none({ModalSequence::press(QMessageBox::Ok)}, 200);
        press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(none.answered(), 0u);
    }
    EXPECT_EQ(title(), "GOOG (goog.chart)");
    EXPECT_TRUE(fileBytes(path).contains("Buy #2:"));

    // Save as... moves the document to another file.
    saveAs(files.filePath("other.chart"));
    EXPECT_EQ(title(), "GOOG (other.chart)");
}

TEST_F(Documents, ClosingAChangedDocumentAsksAndEachAnswerDoesWhatItSays)
{
    tradeOnGoog();
    const QString path = files.filePath("goog.chart");
    saveAs(path);
    const QByteArray saved = fileBytes(path);
    ASSERT_TRUE(chooseOnPopupMenu(0.9, "mnuPopupRecordBuy"));

    // Cancel: the document stays, still changed.
    ModalSequence cancel({ModalSequence::press(QMessageBox::Cancel)});
    action("actionCloseDocument").trigger();
    QTest::qWait(0);
    ASSERT_TRUE(cancel.done());
    EXPECT_EQ(cancel.messages().value(0), "Save the changes to goog.chart?\nIts trades, range or panes differ from the file.");
    EXPECT_EQ(documentCount(), 1);
    EXPECT_EQ(title(), "GOOG (goog.chart)*");

    // Discard: it closes and the file is as it was.
    ModalSequence discard({ModalSequence::press(QMessageBox::Discard)});
    action("actionCloseDocument").trigger();
    QTest::qWait(0);
    EXPECT_TRUE(discard.done());
    EXPECT_EQ(documentCount(), 0);
    EXPECT_EQ(fileBytes(path), saved);

    // Save: the file takes the change, then the document closes.
    ASSERT_NE(window->openChartFile(path), nullptr);
    ASSERT_TRUE(chooseOnPopupMenu(0.9, "mnuPopupRecordBuy"));
    ModalSequence save({ModalSequence::press(QMessageBox::Save)});
    action("actionCloseDocument").trigger();
    QTest::qWait(0);
    EXPECT_TRUE(save.done());
    EXPECT_EQ(documentCount(), 0);
    EXPECT_TRUE(fileBytes(path).contains("Buy #2:"));

    // A document that is as its file closes without a question.
    ASSERT_NE(window->openChartFile(path), nullptr);
    ModalSequence none({ModalSequence::press(QMessageBox::Cancel)}, 200);
    action("actionCloseDocument").trigger();
    QTest::qWait(0);
    EXPECT_EQ(none.answered(), 0u);
    EXPECT_EQ(documentCount(), 0);
}

TEST_F(Documents, QuittingAsksForEachChangedDocument)
{
    tradeOnGoog();
    // Cancel keeps the window and its document.
    {
        ModalSequence cancel({ModalSequence::press(QMessageBox::Cancel)});
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(cancel.done());
        EXPECT_EQ(cancel.messages().value(0),
                  "Save the trades of GOOG in a chart file?\nThey are lost when the chart closes unsaved.");
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(documentCount(), 1);
    }
    // Save, then Cancel in the file dialog: nothing saved, and the window stays.
    {
        ModalSequence sequence({ModalSequence::press(QMessageBox::Save),
                                [](QWidget *widget) { qobject_cast<QDialog *>(widget)->reject(); }});
        EXPECT_FALSE(window->close());
        EXPECT_TRUE(sequence.done());
        EXPECT_TRUE(window->isVisible());
    }
    // Discard quits; the restart shows the ticker without the trades.
    {
        ModalSequence discard({ModalSequence::press(QMessageBox::Discard)});
        EXPECT_TRUE(window->close());
        EXPECT_TRUE(discard.done());
    }
    restart();
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(title(), "GOOG");
    EXPECT_EQ(chart()->buy_number + chart()->sell_number, 0);

    // Save quits once the file is written.
    ASSERT_TRUE(chooseOnPopupMenu(0.3, "mnuPopupRecordBuy"));
    const QString path = files.filePath("quit.chart");
    ModalSequence save({ModalSequence::press(QMessageBox::Save), pickFile(path)});
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(save.done());
    EXPECT_TRUE(fileBytes(path).contains("Buy #1:"));
}

TEST_F(Documents, ARestartReopensChartFilesWithTheirTradesTickersWithTheirRangeAndTheWindow)
{
    tradeOnGoog();
    const QStringList trades = entries();
    const QString path = files.filePath("goog.chart");
    saveAs(path);
    openFromWatchList("MSFT");
    pageOlder();
    const int16_t newest = chart()->starting_date_local, oldest = chart()->ending_date_local;
    window->resize(1100, 720);
    window->findChild<QWidget *>("mainToolBar")->hide();
    ASSERT_TRUE(window->close());
    restart();

    const QList<QMdiSubWindow *> documents = window->documents()->subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(documents.size(), 2);
    EXPECT_EQ(documents[0]->windowTitle(), "GOOG (goog.chart)");
    EXPECT_EQ(documents[1]->windowTitle(), "MSFT");
    EXPECT_EQ(title(), "MSFT");   // the active one
    EXPECT_EQ(chart()->starting_date_local, newest);
    EXPECT_EQ(chart()->ending_date_local, oldest);
    activate("GOOG (goog.chart)");
    EXPECT_EQ(chart()->buy_number, 1);
    EXPECT_EQ(chart()->sell_number, 1);
    EXPECT_EQ(entries(), trades);
    EXPECT_EQ(window->size(), QSize(1100, 720));
    EXPECT_FALSE(window->findChild<QWidget *>("mainToolBar")->isVisible());

    // A chart file gone since is left out, and the status bar says so.
    ASSERT_TRUE(window->close());
    QFile::remove(path);
    restart();
    EXPECT_EQ(documentCount(), 1);
    EXPECT_TRUE(window->statusBar()->currentMessage().contains("goog.chart")) << window->statusBar()->currentMessage().toStdString();
}

TEST_F(Documents, RecentChartsListTheLastEightNewestFirstAndOpenThem)
{
    tradeOnGoog();
    EXPECT_FALSE(recentMenu().isEnabled());
    for (int i = 1; i <= 9; ++i)
        saveAs(files.filePath(QStringLiteral("c%1.chart").arg(i)));
    QStringList expected;
    for (int i = 9; i >= 2; --i)
        expected << QStringLiteral("&%1 c%2.chart").arg(10 - i).arg(i);
    EXPECT_EQ(recentEntries(), expected);

    // Choosing one opens it; opening it again moves it to the front and shows the open document.
    closeAllDocuments();
    window->findChild<QAction *>("actionRecentChart3")->trigger();   // c7
    ASSERT_EQ(documentCount(), 1);
    EXPECT_EQ(title(), "GOOG (c7.chart)");
    EXPECT_EQ(recentEntries().value(0), "&1 c7.chart");
    window->findChild<QAction *>("actionRecentChart1")->trigger();
    EXPECT_EQ(documentCount(), 1);

    // The list survives a restart; a file gone since says so and leaves the list.
    ASSERT_TRUE(window->close());
    QFile::remove(files.filePath("c9.chart"));
    restart();
    EXPECT_EQ(recentEntries().size(), 8);
    auto box = ModalAnswer::messageBox(QMessageBox::Ok);
    window->findChild<QAction *>("actionRecentChart2")->trigger();   // c9
    EXPECT_TRUE(box->text().startsWith("c9.chart cannot be opened: there is no such file")) << box->text().toStdString();
    EXPECT_EQ(recentEntries().size(), 7);
    EXPECT_FALSE(recentEntries().join(' ').contains("c9.chart"));
}

}   // namespace
