// Reading the CSV histories people have, and writing the chart's file from
// them: columns, separators, quotes, date forms, order, the lines skipped and
// why, the chart's capacity; the ticker a file suggests; the bounded reader
// and the writer.

#include "CsvHistory.h"
#include "HistoryImport.h"
#include "QtPrinters.h"
#include "StandardHistory.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>

#include <sys/stat.h>

namespace {

// Each day as "yyyy-mm-dd open high low close volume".
QStringList daysOf(const CsvHistory &history)
{
    // Shortest forms: two numbers that print alike are the same double.
    const auto number = [](double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); };
    QStringList days;
    for (const HistoryDay &d : history.days)
        days
            << QStringList{d.date.toString(Qt::ISODate), number(d.open), number(d.high), number(d.low), number(d.close),
                           QString::number(d.volume)}
                   .join(u' ');
    return days;
}

CsvHistory read(const char *text)
{
    const CsvHistory history = readCsvHistory(QByteArrayView(text));
    EXPECT_EQ(history.error, "") << text;
    return history;
}

TEST(CsvHistory, ColumnsAreFoundByNameInAnyOrderAndCase)
{
    const QStringList expected{"2014-08-08 43.23 43.32 42.91 43.2 28942700",
                               "2014-08-07 42.84 43.45 42.65 43.23 30314900"};
    EXPECT_EQ(daysOf(read("Date,Open,High,Low,Close,Adj Close,Volume\n"
                          "2014-08-08,43.23,43.32,42.91,43.20,41.5,28942700\n"
                          "2014-08-07,42.84,43.45,42.65,43.23,41.6,30314900\n")),
              expected);
    EXPECT_EQ(daysOf(read("VOLUME,adj close,close,LOW,high,open,DATE,Dividends\n"
                          "28942700,41.5,43.20,42.91,43.32,43.23,2014-08-08,0\n"
                          "30314900,41.6,43.23,42.65,43.45,42.84,2014-08-07,0\n")),
              expected);
    // A site's footnote marks, blanks around the names, quotes.
    EXPECT_EQ(daysOf(read(" \"Date\" , Open,High,Low,Close*,Adj Close**, Volume \n"
                          "2014-08-08,43.23,43.32,42.91,43.20,41.5,28942700\n")),
              QStringList{expected[0]});
}

TEST(CsvHistory, OpenAndVolumeReadAsZeroWhenMissingOrEmpty)
{
    EXPECT_EQ(daysOf(read("Date,High,Low,Close\n2014-08-08,43.32,42.91,43.20\n")),
              QStringList{"2014-08-08 0 43.32 42.91 43.2 0"});
    EXPECT_EQ(daysOf(read("Date,Open,High,Low,Close,Volume\n2014-08-08,,43.32,42.91,43.20,\n"
                          "2014-08-07,1,43.32,42.91,43.20\n")),
              (QStringList{"2014-08-08 0 43.32 42.91 43.2 0", "2014-08-07 1 43.32 42.91 43.2 0"}));
}

TEST(CsvHistory, SemicolonsQuotesAndLineEnds)
{
    // Semicolons, found from the header, and the decimal comma that comes with them.
    const CsvHistory semicolons = read("\xEF\xBB\xBF"
                                       "Date;Open;High;Low;Close;Volume\r\n"
                                       "2014-08-08;43,23;43.32;\"42,91\";43;1000\r\n");
    EXPECT_EQ(semicolons.separator, ';');
    EXPECT_EQ(daysOf(semicolons), QStringList{"2014-08-08 43.23 43.32 42.91 43 1000"});
    // Separators inside quotes, doubled quotes, a quote left open, CR alone.
    const CsvHistory quoted = read("\"Date\",\"Note, with a comma\",\"High\",\"Low\",\"Close\"\r"
                                   "\"2014-08-08\",\"say \"\"hi\"\", then go\",\"2\",\"1\",\"1.5\"\r"
                                   "\"2014-08-07\",\"open,2,1,1.5\r");
    EXPECT_EQ(daysOf(quoted), QStringList{"2014-08-08 0 2 1 1.5 0"});
    EXPECT_EQ(quoted.skips(SkipReason::MissingFields).firstLines, QList<int>{3});
}

TEST(CsvHistory, EachDateFormWithTheChartsTwoDigitYears)
{
    struct Case {
        const char *text;
        QDate date;
    } cases[] = {
        {"2014-08-08", {2014, 8, 8}},
        {"2014-8-8", {2014, 8, 8}},
        {"2014-08-08 00:00:00-04:00", {2014, 8, 8}},
        {"2014-08-08T16:00:00Z", {2014, 8, 8}},
        {"8/7/2014", {2014, 8, 7}},
        {"12/31/1999", {1999, 12, 31}},
        {"1/2/29", {2029, 1, 2}},
        {"1/2/30", {1930, 1, 2}},
        {"7-Aug-14", {2014, 8, 7}},
        {"07-aug-2014", {2014, 8, 7}},
        {"1-JAN-00", {2000, 1, 1}},
        {"31-Dec-99", {1999, 12, 31}},
        {" 29-Feb-00 ", {2000, 2, 29}},
        {"0100-01-01", {100, 1, 1}},
        {"2014-02-30", {}},
        {"2014-13-01", {}},
        {"2014-08-08x", {}},
        {"20140808", {}},
        {"0099-01-01", {}},
        {"8/7/214", {}},
        {"13/1/2014", {}},
        {"7-Agu-14", {}},
        {"7-Aug-2014-", {}},
        {"", {}},
        {"2014-08-08 noon", {}},
        {"Aug 7, 2014", {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(csvDate(QByteArrayView(c.text)), c.date) << c.text;
}

TEST(CsvHistory, DaysComeNewestFirstOncePerDate)
{
    // Oldest first, across the two-digit years' turn of the century.
    EXPECT_EQ(daysOf(read("Date,High,Low,Close\n30-Dec-99,2,1,1\n31-Dec-99,2,1,1\n3-Jan-00,2,1,1\n")),
              (QStringList{"2000-01-03 0 2 1 1 0", "1999-12-31 0 2 1 1 0", "1999-12-30 0 2 1 1 0"}));
    // Out of order, with a date twice: the first line of it is kept.
    const CsvHistory repeated =
        read("Date,High,Low,Close\n"
             "1/3/2014,3,1,1\n1/5/2014,5,1,1\n1/3/2014,9,1,1\n1/4/2014,4,1,1\n1/3/2014,9,1,1\n");
    EXPECT_EQ(daysOf(repeated), (QStringList{"2014-01-05 0 5 1 1 0", "2014-01-04 0 4 1 1 0", "2014-01-03 0 3 1 1 0"}));
    EXPECT_EQ(repeated.skips(SkipReason::RepeatedDate).count, 2);
    EXPECT_EQ(repeated.skips(SkipReason::RepeatedDate).firstLines, (QList<int>{4, 6}));
}

TEST(CsvHistory, LinesThatGiveNoDayAreCountedByReasonWithTheirNumbers)
{
    const CsvHistory history = read("Date,Open,High,Low,Close,Volume\n"
                                    "2014-08-08,1,2,1,1.5,100\n"   // line 2 is read
                                    "2014-08-07,1,0,1,1.5,100\n"   // a high of 0
                                    "2014-08-06,1,2,0.0,1.5,100\n"
                                    "2014-08-05,1,1e-50,1,1.5,100\n"   // 0 as the chart stores it
                                    "2014-08-04,null,null,null,null,null\n"
                                    "2014-08-03,1,2,1,1.5,-5\n"
                                    "2014-08-02,1,2,1,inf,1\n"
                                    "2014-08-01,1,2,1,1e39,1\n"
                                    "Aug 1 2014,1,2,1,1.5,100\n"
                                    "2014-07-31,1,2\n"
                                    "\n"
                                    "  \t\n"
                                    ",,,,,\n"   // an empty row of a spreadsheet
                                    "2014-07-30,1,2,1,1.5,100");
    EXPECT_EQ(history.days.size(), 2);
    EXPECT_EQ(history.skips(SkipReason::ZeroHighOrLow).firstLines, (QList<int>{3, 4, 5}));
    EXPECT_EQ(history.skips(SkipReason::BadNumber).firstLines, (QList<int>{6, 7, 8, 9}));
    EXPECT_EQ(history.skips(SkipReason::BadDate).firstLines, QList<int>{10});
    EXPECT_EQ(history.skips(SkipReason::MissingFields).firstLines, QList<int>{11});
    EXPECT_EQ(history.skippedCount(), 9);
    EXPECT_EQ(skippedTexts(history),
              (QStringList{"1 line with fewer fields than the header names (line 11)",
                           "1 line with a date that is not yyyy-mm-dd, m/d/yyyy or d-Mon-yy (line 10)",
                           "4 lines with a price or volume that is not a number (lines 6, 7, 8, 9)",
                           "3 lines with a high or low of 0 (lines 3, 4, 5)"}));

    QByteArray many = "Date,High,Low,Close\n";
    for (int i = 0; i < 8; ++i)
        many += "x,1,1,1\n";
    const CsvHistory bad = readCsvHistory(many);
    EXPECT_EQ(bad.skips(SkipReason::BadDate).count, 8);
    EXPECT_EQ(bad.skips(SkipReason::BadDate).firstLines, (QList<int>{2, 3, 4, 5, 6}));
    EXPECT_EQ(skippedTexts(bad),
              QStringList{"8 lines with a date that is not yyyy-mm-dd, m/d/yyyy or d-Mon-yy "
                          "(lines 2, 3, 4, 5, 6, ...)"});
    EXPECT_EQ(daysReadText(bad), "No day could be read.");
}

TEST(CsvHistory, ALineOfMillionsOfCharactersIsOneLineSkipped)
{
    QByteArray text = "Date,High,Low,Close\n2014-08-08,";
    text += QByteArray(4 << 20, '1') + ",1,1\n" + QByteArray(4 << 20, ',') + "\n\"" + QByteArray(4 << 20, 'x');
    text += "\n2014-08-07,2,1,1\n";
    const CsvHistory history = readCsvHistory(text);
    EXPECT_EQ(history.days.size(), 1);
    EXPECT_EQ(history.skips(SkipReason::BadNumber).firstLines, QList<int>{2});
    EXPECT_EQ(history.skips(SkipReason::MissingFields).firstLines, QList<int>{4});   // a quote left open
}

TEST(CsvHistory, VolumesTheChartCanHold)
{
    const CsvHistory history = read("Date,High,Low,Close,Volume\n"
                                    "2014-08-08,2,1,1,2.5\n2014-08-07,2,1,1,3.5\n2014-08-06,2,1,1,2147483647\n"
                                    "2014-08-05,2,1,1,2147483648\n2014-08-04,2,1,1,1e12\n");
    QList<int32_t> volumes;
    for (const HistoryDay &day : history.days)
        volumes << day.volume;
    const int32_t most = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(volumes, (QList<int32_t>{2, 4, most, most, most}));   // halves to the even neighbour
    EXPECT_EQ(history.cappedVolumes, 2);
    EXPECT_TRUE(daysReadText(history).contains("2 volumes above 2147483647 are kept as 2147483647"));
}

TEST(CsvHistory, TheNewestDaysTheChartHolds)
{
    QByteArray text = "Date,High,Low,Close\n";
    const QDate first(2000, 1, 1);
    for (int i = 0; i < 6000; ++i)   // oldest first
        text += first.addDays(i).toString(Qt::ISODate).toLatin1() + ",2,1,1\n";
    const CsvHistory history = readCsvHistory(text);
    ASSERT_EQ(history.days.size(), HistoryCapacity);
    EXPECT_EQ(history.days.first().date, first.addDays(5999));
    EXPECT_EQ(history.days.last().date, first.addDays(1000));
    EXPECT_EQ(history.olderDays, 1000);
    EXPECT_EQ(daysReadText(history),
              "5000 days, 2002-09-27 to 2016-06-04. The chart holds the newest 5000; "
              "1000 older days are left out.");
}

TEST(CsvHistory, AFileWithoutTheColumnsItNeedsSaysWhichIsMissing)
{
    EXPECT_EQ(readCsvHistory("").error, "it holds no lines");
    EXPECT_EQ(readCsvHistory("\n  \n").error, "it holds no lines");
    EXPECT_EQ(readCsvHistory("\nDate,Open,High,Low,Adj Close\n").error, "its header (line 2) names no Close column");
    EXPECT_EQ(readCsvHistory("Day;High;Low;Close").error, "its header (line 1) names no Date column");
    EXPECT_EQ(readCsvHistory("2014-08-08,1,2,1,1.5,100\n").error,
              "line 1 is a day, not a header naming the columns Date, High, Low and Close");
    EXPECT_EQ(readCsvHistory(QByteArray("D\0ate,High", 10)).error, "its header (line 1) names no Date column");
    EXPECT_TRUE(readCsvHistory("Date,High,Low,Close\n").days.isEmpty());
}

TEST(StandardHistory, WritesTheChartsLayoutThatReadsBackAsTheSameDays)
{
    const CsvHistory history = read("Date,Open,High,Low,Close,Volume\n"
                                    "1/2/2001,10.1,11.25,9.0000001,0.1,1234\n"
                                    "1/3/2001,-0.5,1e7,1e-7,33.333333333333336,0\n");
    const QByteArray text = standardHistoryText(history.days);
    EXPECT_EQ(text,
              "Date,Open,High,Low,Close,Volume\r\n"
              "2001-01-03,-0.5,10000000,0.0000001,33.333333333333336,0\r\n"
              "2001-01-02,10.1,11.25,9.0000001,0.1,1234\r\n");
    EXPECT_EQ(daysOf(read(text.constData())), daysOf(history));
}

TEST(ImportTicker, IsAFileNameAndAChartFileLine)
{
    for (const char *good : {"MSFT", "BRK.B", "BRK-B", "^GSPC", "EURUSD=X", "7203.T", "A_B", "ABCDEFGHIJKLMNOPQRST"})
        EXPECT_TRUE(isImportTicker(good)) << good;
    for (const char *bad : {"", "msft", ".HIDDEN", "-OPTION", "A/B", "A\\B", "A,B", "A:B", "A B", "..", "\"A\"",
                            "ABCDEFGHIJKLMNOPQRSTU", "\xc3\x84PFEL"})
        EXPECT_FALSE(isImportTicker(QString::fromUtf8(bad))) << bad;
}

TEST(ImportTicker, IsProposedFromTheFilesName)
{
    EXPECT_EQ(proposedTicker("/home/me/Downloads/msft.csv"), "MSFT");
    EXPECT_EQ(proposedTicker("BRK-B daily.csv"), "BRK-B");
    EXPECT_EQ(proposedTicker("^gspc.csv"), "^GSPC");
    EXPECT_EQ(proposedTicker("brk.b.csv"), "BRK.B");
    EXPECT_EQ(proposedTicker("-x.csv"), "X");
    EXPECT_EQ(proposedTicker("table (3).csv"), "TABLE");
    EXPECT_EQ(proposedTicker("(1).csv"), "");
    EXPECT_EQ(proposedTicker("averyveryverylongfilename.csv"), "AVERYVERYVERYLONGFIL");
}

class CsvFiles : public ::testing::Test {
protected:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir folder;
};

TEST_F(CsvFiles, OnlyRegularFilesWithinTheLimitAreRead)
{
    const QString small = write("small.csv", "Date,High,Low,Close\n");
    EXPECT_EQ(readCsvFile(small).bytes, "Date,High,Low,Close\n");
    const CsvFile large = readCsvFile(small, 10);
    EXPECT_TRUE(large.bytes.isEmpty());
    EXPECT_EQ(large.error, "it is larger than 0 MiB, far more than a daily history");
    EXPECT_EQ(readCsvFile(small, 20).error, "");   // exactly the limit
    // Gigabytes are refused by their size, before a byte is read.
    QFile huge(write("huge.csv", ""));
    ASSERT_TRUE(huge.resize(qint64(5) << 30));   // sparse
    EXPECT_EQ(readCsvFile(huge.fileName()).error, "it is larger than 32 MiB, far more than a daily history");

    // A FIFO with no writer would block an ordinary open; a device never ends.
    const QString fifo = folder.filePath("fifo.csv");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(readCsvFile(fifo).error, "it is not a regular file");
    EXPECT_EQ(readCsvFile("/dev/zero").error, "it is not a regular file");
    EXPECT_EQ(readCsvFile(folder.path()).error, "it is not a regular file");
    EXPECT_TRUE(readCsvFile(folder.filePath("missing.csv")).error.startsWith("it cannot be read ("));
}

TEST_F(CsvFiles, TheHistoryIsWrittenWholeOrNotAtAll)
{
    const QString path = historyPathIn(folder.path(), "NEW");
    EXPECT_EQ(path, folder.filePath("hist/NEW.csv"));
    EXPECT_EQ(writeHistoryFile(path, "new").failure, HistoryWrite::None);   // hist/ is made
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new");
    EXPECT_EQ(file.permissions() & QFile::ReadOther, QFile::ReadOther);   // not a private temporary file
    EXPECT_EQ(QDir(folder.filePath("hist")).entryList(QDir::Files), QStringList{"NEW.csv"});

    QDir(folder.path()).mkpath("hist/DIR.csv");
    const HistoryWrite onFolder = writeHistoryFile(folder.filePath("hist/DIR.csv"), "x");
    EXPECT_EQ(onFolder.failure, HistoryWrite::File);
    EXPECT_EQ(onFolder.reason, "it is not a file");

    // A data folder whose hist is a file takes nothing.
    write("other", "");
    const HistoryWrite noFolder = writeHistoryFile(folder.filePath("other/hist/NEW.csv"), "x");
    EXPECT_EQ(noFolder.failure, HistoryWrite::Folder);
}

}   // namespace
