// The host's own data, driven as a user does: File > Import history with
// each kind of CSV file people have, a broken one, a history that is already
// there, a folder that cannot be written; Settings > Data folder deciding what
// the watch list shows, across a restart.

#include "HostFixture.h"
#include "ImportDialog.h"
#include "ModalSequence.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>

#include <sys/stat.h>

namespace {

using Answer = ModalSequence::Answer;

// Three days, 1999-12-30 to 2000-01-03, as the chart's file holds them.
const QByteArray Standard = "Date,Open,High,Low,Close,Volume\r\n"
                            "2000-01-03,11.75,12.5,11,12,3000\r\n"
                            "1999-12-31,10.5,12,10,11.75,2000\r\n"
                            "1999-12-30,10,11,9,10.5,1000\r\n";
const QByteArray StandardWithoutOpenAndVolume = "Date,Open,High,Low,Close,Volume\r\n"
                                                "2000-01-03,0,12.5,11,12,0\r\n"
                                                "1999-12-31,0,12,10,11.75,0\r\n"
                                                "1999-12-30,0,11,9,10.5,0\r\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QPushButton *okButton(QDialog *dialog) { return dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok); }

// Picks `path` in the file dialog.
Answer pickFile(const QString &path)
{
    return [path](QWidget *widget) {
        auto *files = qobject_cast<QFileDialog *>(widget);
        ASSERT_NE(files, nullptr);
        files->selectFile(path);
        static_cast<QDialog *>(files)->accept();   // QFileDialog's, which takes the selected file
    };
}

// Types `ticker` over the proposed one (none: keeps it) and clicks Import.
Answer importAs(const QString &ticker = {})
{
    return [ticker](QWidget *widget) {
        auto *dialog = qobject_cast<ImportDialog *>(widget);
        ASSERT_NE(dialog, nullptr);
        if (!ticker.isEmpty()) {
            auto *edit = dialog->findChild<QLineEdit *>("tickerEdit");
            edit->selectAll();
            QTest::keyClicks(edit, ticker);
        }
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    };
}

Answer cancel()
{
    return [](QWidget *widget) { qobject_cast<QDialog *>(widget)->reject(); };
}

// Types `folder` into the data folder dialog and clicks OK.
Answer chooseFolder(const QString &folder)
{
    return [folder](QWidget *widget) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        ASSERT_EQ(dialog->objectName(), "dataFolderDialog");
        auto *edit = dialog->findChild<QLineEdit *>("folderEdit");
        edit->selectAll();
        QTest::keyClicks(edit, folder);
        QTest::mouseClick(okButton(dialog), Qt::LeftButton);
    };
}

class Import : public HostTest {
protected:
    // The bundled samples are a folder of the test's own: nothing is ever written beside the build.
    void SetUp() override
    {
        writeFile(samples.filePath("hist/SAMPLE.csv"), "Date,Open,High,Low,Close,Volume\n2001-01-02,10,11,9,10,100\n");
        quotechart::setApplicationPath(samples.path());
        start();
    }
    // A new process: the chart's default folder again, the host's settings kept.
    void restart()
    {
        window->close();
        window.reset();
        quotechart::setApplicationPath(samples.path());
        start();
    }
    QString csv(const QString &name, const QByteArray &bytes)
    {
        const QString path = files.filePath(name);
        writeFile(path, bytes);
        return path;
    }
    // Runs File > Import history through `answers`; the messages it showed.
    QStringList import(std::vector<Answer> answers, std::size_t expectedAnswers = 0)
    {
        const std::size_t count = expectedAnswers ? expectedAnswers : answers.size();
        ModalSequence sequence(std::move(answers));
        action("actionImportHistory").trigger();
        EXPECT_EQ(sequence.answered(), count);
        return sequence.messages();
    }
    QStringList watchTickers() const
    {
        QStringList tickers;
        for (int i = 0; i < window->watchList()->count(); ++i)
            tickers << window->watchList()->item(i)->data(Qt::UserRole).toString();
        return tickers;
    }
    QString currentWatchTicker() const { return window->watchList()->currentItem()->data(Qt::UserRole).toString(); }
    QString histPath(const QString &ticker) const { return samples.filePath("hist/" + ticker + ".csv"); }

    QTemporaryDir samples;
};

TEST_F(Import, EachKindOfFileBecomesTheChartsHistoryAndJoinsTheWatchList)
{
    struct Variant {
        const char *file;
        QByteArray text;
        QByteArray written;
    } variants[] = {
        {"yahoo.csv",
         "Date,Open,High,Low,Close,Adj Close,Volume\n2000-01-03,11.75,12.5,11,12,9.1,3000\n"
         "1999-12-31,10.5,12,10,11.75,8.9,2000\n1999-12-30,10,11,9,10.5,8,1000\n",
         Standard},
        // Columns in another order and letter case, oldest first.
        {"mixed.csv",
         "volume,CLOSE,low,High,open,adj close,date\n1000,10.5,9,11,10,8,1999-12-30\n"
         "2000,11.75,10,12,10.5,8.9,1999-12-31\n3000,12,11,12.5,11.75,9.1,2000-01-03\n",
         Standard},
        // Semicolons, decimal commas, quotes, m/d/yyyy, CR LF.
        {"semicolons.csv",
         "\"Date\";\"Open\";\"High\";\"Low\";\"Close\";\"Volume\"\r\n\"12/30/"
         "1999\";\"10\";\"11\";\"9\";\"10,5\";\"1000\"\r\n"
         "\"12/31/1999\";\"10,5\";\"12\";\"10\";\"11,75\";\"2000\"\r\n\"1/3/"
         "2000\";\"11,75\";\"12,5\";\"11\";\"12\";\"3000\"\r\n",
         Standard},
        // d-Mon-yy across the century, with neither Open nor Volume.
        {"^dji.csv", "Date,High,Low,Close\n3-Jan-00,12.5,11,12\n31-Dec-99,12,10,11.75\n30-Dec-99,11,9,10.5\n",
         StandardWithoutOpenAndVolume},
    };
    const QStringList tickers{"YAHOO", "MIXED", "SEMICOLONS", "^DJI"};
    for (std::size_t i = 0; i < std::size(variants); ++i) {
        const Variant &v = variants[i];
        const QString &ticker = tickers[int(i)];
        const QStringList messages =
            import({pickFile(csv(v.file, v.text)), importAs(), ModalSequence::press(QMessageBox::Ok)});
        ASSERT_EQ(messages.size(), 1) << v.file;
        EXPECT_EQ(messages[0],
                  "Imported " + ticker + " into " + QDir::toNativeSeparators(histPath(ticker)) +
                      ".\nRead 3 days, 1999-12-30 to 2000-01-03.");
        EXPECT_EQ(readFile(histPath(ticker)), v.written) << v.file;
        EXPECT_TRUE(watchTickers().contains(ticker)) << v.file;
        EXPECT_EQ(currentWatchTicker(), ticker);
    }

    // The chart reads what was written, opened from the watch list.
    closeAllDocuments();
    openFromWatchList("MIXED");
    const quotechart::PriceHistory &h = chart()->history();
    ASSERT_EQ(h.record_count, 3);
    EXPECT_EQ(h.date_array[1], "2000-01-03");
    EXPECT_EQ(h.date_array[3], "1999-12-30");
    EXPECT_EQ(h.high_array[1], 12.5f);
    EXPECT_EQ(h.close_array[2], 11.75f);
    EXPECT_EQ(h.volume_array[3], 1000);
}

TEST_F(Import, TheTickerIsTypedInUpperCaseAndOnlyWithCharactersAFileNameHolds)
{
    const QString path = csv("table (1).csv", "Date,High,Low,Close\n2000-01-03,12.5,11,12\n");
    QString proposed, typed, rejected;
    bool enabledWhenEmpty = true;
    const QStringList messages = import({pickFile(path),
                                         [&](QWidget *widget) {
                                             auto *edit = widget->findChild<QLineEdit *>("tickerEdit");
                                             proposed = edit->text();
                                             edit->selectAll();
                                             QTest::keyClick(edit, Qt::Key_Delete);
                                             enabledWhenEmpty = okButton(qobject_cast<QDialog *>(widget))->isEnabled();
                                             QTest::keyClicks(edit, "brk/b:,\"");
                                             rejected = edit->text();
                                             QTest::keyClick(edit, Qt::Key_Backspace);
                                             QTest::keyClicks(edit, ".b");
                                             typed = edit->text();
                                             QTest::keyClick(edit, Qt::Key_Return);
                                         },
                                         ModalSequence::press(QMessageBox::Ok)});
    EXPECT_EQ(proposed, "TABLE");
    EXPECT_FALSE(enabledWhenEmpty);
    EXPECT_EQ(rejected, "BRKB");
    EXPECT_EQ(typed, "BRK.B");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(QFileInfo(histPath("BRK.B")).isFile());
}

TEST_F(Import, SkippedLinesAreCountedByReasonAndABrokenFileSaysWhatIsWrong)
{
    const QString partly = csv("partly.csv",
                               "Date,Open,High,Low,Close,Volume\n"
                               "2000-01-03,11.75,12.5,11,12,3000\n"
                               "2000-01-02,1,0,1,1,1\n"
                               "1999-12-31,10.5,12,10,11.75,2000\n"
                               "Dec 30 1999,10,11,9,10.5,1000\n"
                               "1999-12-29,null,null,null,null,null\n"
                               "1999-12-31,1,1,1,1,1\n");
    QString shown;
    const QStringList messages = import({pickFile(partly),
                                         [&](QWidget *widget) {
                                             shown = widget->findChild<QLabel *>("linesSkipped")->text();
                                             importAs()(widget);
                                         },
                                         ModalSequence::press(QMessageBox::Ok)});
    const QString skipped = "1 line with a date that is not yyyy-mm-dd, m/d/yyyy or d-Mon-yy (line 5)\n"
                            "1 line with a price or volume that is not a number (line 6)\n"
                            "1 line with a high or low of 0 (line 3)\n"
                            "1 line with the date of an earlier line (line 7)";
    EXPECT_EQ(shown, skipped);
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].endsWith("Read 2 days, 1999-12-31 to 2000-01-03.\n\nSkipped 4 lines:\n\u2022 " +
                                     QString(skipped).replace("\n", "\n\u2022 ")))
        << messages[0].toStdString();

    // Broken files: nothing is written and the message names the file and what is wrong.
    const QStringList before = watchTickers();
    const QString noClose = csv("noclose.csv", "Date,Open,High,Low,Adj Close\n2000-01-03,1,2,1,1\n");
    EXPECT_EQ(import({pickFile(noClose), ModalSequence::press(QMessageBox::Ok)}),
              QStringList{"noclose.csv cannot be imported: its header (line 1) names no Close column."});
    const QString noDay = csv("noday.csv", "Date,High,Low,Close\n2000-01-03,0,0,0\n2000-01-04,x,1,1\n");
    EXPECT_EQ(import({pickFile(noDay), ModalSequence::press(QMessageBox::Ok)}),
              QStringList{"noday.csv cannot be imported: no day could be read.\n"
                          "1 line with a price or volume that is not a number (line 3)\n"
                          "1 line with a high or low of 0 (line 2)"});
    // A FIFO is refused at once, never waited on.
    const QString fifo = files.filePath("fifo.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(import({pickFile(fifo), ModalSequence::press(QMessageBox::Ok)}),
              QStringList{"fifo.csv cannot be imported: it is not a regular file."});
    EXPECT_EQ(watchTickers(), before);
    EXPECT_FALSE(QFileInfo::exists(histPath("NOCLOSE")) || QFileInfo::exists(histPath("NODAY")) ||
                 QFileInfo::exists(histPath("FIFO")));
}

TEST_F(Import, AHistoryThatIsThereIsReplacedOnlyWhenTheUserSaysSo)
{
    const QString path = csv("sample.csv", Standard);
    const QByteArray old = readFile(histPath("SAMPLE"));
    // No goes back to the dialog, where Cancel leaves everything as it was.
    QStringList messages = import({pickFile(path), importAs(), ModalSequence::press(QMessageBox::No), cancel()});
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0],
              "SAMPLE already has a history in " + QDir::toNativeSeparators(samples.filePath("hist")) +
                  ".\nReplace it?");
    EXPECT_EQ(readFile(histPath("SAMPLE")), old);
    // No, then another ticker: the new file, the old one untouched.
    import({pickFile(path), importAs(), ModalSequence::press(QMessageBox::No), importAs("OTHER"),
            ModalSequence::press(QMessageBox::Ok)});
    EXPECT_EQ(readFile(histPath("SAMPLE")), old);
    EXPECT_EQ(readFile(histPath("OTHER")), Standard);
    // Yes replaces it.
    messages = import(
        {pickFile(path), importAs(), ModalSequence::press(QMessageBox::Yes), ModalSequence::press(QMessageBox::Ok)});
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(readFile(histPath("SAMPLE")), Standard);
    EXPECT_EQ(watchTickers(), (QStringList{"OTHER", "SAMPLE"}));
    // A folder in the file's place is not replaced, and the user hears why.
    QDir(samples.path()).mkpath("hist/DIR.csv");
    messages = import({pickFile(path), importAs("DIR"), ModalSequence::press(QMessageBox::Yes),
                       ModalSequence::press(QMessageBox::Ok)});
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[1],
              QDir::toNativeSeparators(histPath("DIR")) +
                  " was not written: it is not a file.\nA history that was there is kept as it was.");
    EXPECT_TRUE(QFileInfo(histPath("DIR")).isDir());
}

TEST_F(Import, TheDataFolderDecidesWhatTheWatchListShowsAndIsKept)
{
    QTemporaryDir data;
    writeFile(data.filePath("hist/AAA.csv"), "Date,Open,High,Low,Close,Volume\n2001-01-02,10,11,9,10,100\n");
    writeFile(data.filePath("hist/BBB.csv"), "Date,Open,High,Low,Close,Volume\n2001-01-02,10,11,9,10,100\n");
    EXPECT_EQ(watchTickers(), QStringList{"SAMPLE"});

    // Picked with Browse as the hist folder itself, which stands for the folder around it.
    QString hint;
    ModalSequence choose({[&](QWidget *dialog) {
        // The folder dialog opens while this answer runs: another timer answers it.
        auto pick = ModalAnswer::dialog([&](QDialog *files) { pickFile(data.filePath("hist"))(files); });
        QTest::mouseClick(dialog->findChild<QPushButton *>("browseButton"), Qt::LeftButton);
        EXPECT_TRUE(pick->answered());
        hint = dialog->findChild<QLabel *>("folderHint")->text();
        QTest::mouseClick(okButton(qobject_cast<QDialog *>(dialog)), Qt::LeftButton);
    }});
    action("actionDataFolder").trigger();
    EXPECT_TRUE(choose.done());
    EXPECT_EQ(hint, "Its hist folder holds 2 histories.");
    EXPECT_EQ(QDir::cleanPath(quotechart::applicationPath()), QDir::cleanPath(data.path()));
    EXPECT_EQ(watchTickers(), (QStringList{"AAA", "BBB"}));

    // Imports go there, and charts read from there.
    import({pickFile(csv("ccc.csv", Standard)), importAs(), ModalSequence::press(QMessageBox::Ok)});
    EXPECT_EQ(readFile(data.filePath("hist/CCC.csv")), Standard);
    EXPECT_EQ(watchTickers(), (QStringList{"AAA", "BBB", "CCC"}));
    EXPECT_FALSE(QFileInfo::exists(histPath("CCC")));

    restart();
    EXPECT_EQ(watchTickers(), (QStringList{"AAA", "BBB", "CCC"}));
    closeAllDocuments();
    openFromWatchList("CCC");
    EXPECT_EQ(chart()->history().record_count, 3);

    // The bundled samples again, and nothing stored for them.
    ModalSequence samplesAgain({[](QWidget *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>("samplesButton"), Qt::LeftButton);
        QTest::mouseClick(okButton(qobject_cast<QDialog *>(dialog)), Qt::LeftButton);
    }});
    action("actionDataFolder").trigger();
    EXPECT_TRUE(samplesAgain.done());
    EXPECT_EQ(watchTickers(), QStringList{"SAMPLE"});
    EXPECT_FALSE(
        QSettings(QSettings::IniFormat, QSettings::UserScope, "QuotechartHost", "host").contains("dataFolder"));

    // A folder that is gone by the next start leaves the samples showing.
    ModalSequence gone({chooseFolder(data.path())});
    action("actionDataFolder").trigger();
    EXPECT_EQ(watchTickers(), (QStringList{"AAA", "BBB", "CCC"}));
    data.remove();
    restart();
    EXPECT_EQ(watchTickers(), QStringList{"SAMPLE"});
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("The data folder"))
        << window->statusBar()->currentMessage().toStdString();
}

TEST_F(Import, IntoSamplesThatCannotBeWrittenTheUserIsOfferedADataFolder)
{
    // Samples whose hist cannot take a file: here hist is one.
    QTemporaryDir readOnly, data;
    writeFile(readOnly.filePath("hist"), "");
    window.reset();
    quotechart::setApplicationPath(readOnly.path());
    start();

    const QString path = csv("new.csv", Standard);
    const QStringList messages =
        import({pickFile(path), importAs(),
                [&](QWidget *widget) { widget->findChild<QPushButton *>("chooseDataFolder")->click(); },
                chooseFolder(data.path()), ModalSequence::press(QMessageBox::Ok)});
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0],
              "The bundled samples' folder cannot be written.\n" + QDir::toNativeSeparators(readOnly.filePath("hist")) +
                  ": it is a file, not a folder.\nChoose a data folder of your own for your histories?");
    EXPECT_TRUE(messages[1].startsWith("Imported NEW into " + QDir::toNativeSeparators(data.filePath("hist/NEW.csv"))));
    EXPECT_EQ(readFile(data.filePath("hist/NEW.csv")), Standard);
    EXPECT_EQ(watchTickers(), QStringList{"NEW"});

    // Declined, nothing is written.
    quotechart::setApplicationPath(readOnly.path());
    window->refreshWatchList();
    import({pickFile(path), importAs("NEWER"), ModalSequence::press(QMessageBox::Cancel)});
    EXPECT_FALSE(QFileInfo::exists(data.filePath("hist/NEWER.csv")));
}

}   // namespace
