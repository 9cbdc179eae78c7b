#include "platform/DateText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct Parsed {
    const char *text;
    QDate date;
};

void expectParses(std::initializer_list<Parsed> cases)
{
    for (const Parsed &c : cases)
        EXPECT_EQ(parseDate(QString::fromLatin1(c.text)), c.date) << '"' << c.text << '"';
}

void expectRefused(std::initializer_list<const char *> texts)
{
    for (const char *text : texts)
        EXPECT_EQ(parseDate(QString::fromLatin1(text)), std::nullopt) << '"' << text << '"';
}

// The sample histories: in the repository's hist/ once it ships them, else
// in the shared folder the project was started from.
QString sampleHistoryFolder()
{
    const QDir source = QFileInfo(QString::fromUtf8(__FILE__)).dir();
    for (const QString &folder : {source.filePath("../../hist"), QStringLiteral("/work/shared/hist")}) {
        if (QFileInfo::exists(folder + "/GOOG.csv"))
            return folder;
    }
    return {};
}

const QDate january2nd2001(2001, 1, 2);

}   // namespace

TEST(ParseDate, HistoryAndUserForms)
{
    expectParses({
        {"2-Jan-01", january2nd2001},
        {"02-Jan-2001", january2nd2001},
        {"2001-01-02", january2nd2001},
        {"2001-1-2", january2nd2001},
        {"2001/01/02", january2nd2001},
        {"1/2/2001", january2nd2001},
        {"01/02/01", january2nd2001},
        {"Jan 2, 2001", january2nd2001},
        {"Jan 2 2001", january2nd2001},
        {"2 Jan 2001", january2nd2001},
        {"14-Oct-08", QDate(2008, 10, 14)},
        {"2014-08-08", QDate(2014, 8, 8)},
        {"29-Feb-2000", QDate(2000, 2, 29)},
        {"31-Dec-9999", QDate(9999, 12, 31)},
        {"1-Jan-0100", QDate(100, 1, 1)},
    });
}

TEST(ParseDate, MonthNamesInAnyCaseAndBlanksAround)
{
    expectParses({
        {"2-JAN-01", january2nd2001},
        {"2-jan-01", january2nd2001},
        {"2-January-2001", january2nd2001},
        {"january 2, 2001", january2nd2001},
        {"5 SEPTEMBER 1999", QDate(1999, 9, 5)},
        {"  2-Jan-01 \t", january2nd2001},
        {"Jan  2 ,  2001", january2nd2001},
        {"2001 - 01 - 02", january2nd2001},
    });
}

TEST(ParseDate, TwoDigitYearsTurnAt30)
{
    expectParses({
        {"1-Jan-00", QDate(2000, 1, 1)},
        {"1-Jan-29", QDate(2029, 1, 1)},
        {"1-Jan-30", QDate(1930, 1, 1)},
        {"1-Jan-99", QDate(1999, 1, 1)},
        {"12/31/29", QDate(2029, 12, 31)},
    });
}

TEST(ParseDate, ImpossibleDatesAndOtherTextAreRefused)
{
    expectRefused({"30-Feb-01", "31-Feb-01", "29-Feb-01", "2001-13-01", "2001-02-30", "0-Jan-01", "32-Jan-01",
                   "13/2/2001", "1/0/2001", "1-Jan-0099", "1-Jan-0000"});
    expectRefused({"",          "   ",         "abc",        "2-Jan",       "2-Jan-01-5",  "2-Jan-01x",
                   "2-Jax-01",  "2-Ja-01",     "2-Janu-01",  "2Jan01",      "2-Jan/01",    "2/Jan/01",
                   "1/2-2001",  "2001 01 02",  "Jan-2-2001", "Jan 2; 2001", "2 Jan, 2001", "1-Jan-1",
                   "1-Jan-001", "1-Jan-20011", "001-Jan-01", "2001-001-02", "1.2.2001",    "Jan 2, 2001,",
                   "-2-Jan-01"});
    EXPECT_EQ(parseDate(u"2-J\u00e4n-01"), std::nullopt);
    EXPECT_EQ(parseDate(QString(100000, u'1')), std::nullopt);
}

TEST(ParseDate, EveryDateOfTheSampleHistoriesReadsNewestFirst)
{
    const QString folder = sampleHistoryFolder();
    if (folder.isEmpty())
        GTEST_SKIP() << "sample histories not found";
    for (const char *name : {"GOOG.csv", "MSFT.csv"}) {
        QFile file(folder + '/' + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << name;
        const QStringList lines = QString::fromLatin1(file.readAll()).split('\n', Qt::SkipEmptyParts);
        ASSERT_GT(lines.size(), 1000) << name;
        QDate previous;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const std::optional<QDate> date = parseDate(QStringView(lines[i]).left(lines[i].indexOf(',')));
            ASSERT_TRUE(date) << name << " line " << i + 1;
            if (previous.isValid()) {
                ASSERT_LT(*date, previous) << name << " line " << i + 1;
            }
            previous = *date;
        }
    }
}

TEST(FormatDate, TokensOfTheRulersAndCaption)
{
    const QDate march5th2001(2001, 3, 5);
    const QDate october14th2008(2008, 10, 14);
    const struct {
        QDate date;
        const char *pattern;
        const char *text;
    } cases[] = {
        {march5th2001, "dd,mmm,yyyy", "05,Mar,2001"},
        {october14th2008, "dd,mmm,yyyy", "14,Oct,2008"},
        {march5th2001, "d,mmm,yy", "5,Mar,01"},
        {QDate(2003, 1, 31), "mmm,yy", "Jan,03"},
        {QDate(1999, 7, 1), "mmm,yyyy", "Jul,1999"},
        {march5th2001, "d", "5"},
        {october14th2008, "d", "14"},
        {march5th2001, "mmm", "Mar"},
        {march5th2001, "m", "3"},
        {october14th2008, "mm", "10"},
        {march5th2001, "mm/dd", "03/05"},
        {QDate(2000, 9, 1), "yy", "00"},
        {QDate(2000, 9, 1), "mmmm d, yyyy", "September 1, 2000"},
        {march5th2001, "ddd dddd", "Mon Monday"},
        {QDate(100, 1, 1), "yyyy", "0100"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatDate(c.date, QString::fromLatin1(c.pattern)), QLatin1String(c.text)) << c.pattern;
}

TEST(FormatDate, OtherCharactersAreCopied)
{
    const QDate date(2001, 3, 5);
    EXPECT_EQ(formatDate(date, u"Date: d.m.y"), QLatin1String("Date: 5.3.y"));
    EXPECT_EQ(formatDate(date, u"yyyyyy"), QLatin1String("200101"));
    EXPECT_EQ(formatDate(date, u"mmmmm"), QLatin1String("March3"));
    EXPECT_EQ(formatDate(date, u"DD MMM \u00e9"), QString::fromUtf16(u"DD MMM \u00e9"));
    EXPECT_EQ(formatDate(date, u""), QString());
}

TEST(FormatDate, AnInvalidDateGivesNoText)
{
    EXPECT_EQ(formatDate(QDate(), u"dd,mmm,yyyy"), QString());
    EXPECT_EQ(formatDate(QDate(2001, 2, 30), u"d"), QString());
}
