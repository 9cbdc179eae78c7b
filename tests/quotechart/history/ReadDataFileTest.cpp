// Loading history files: both layouts, the line and field rules, the row cap,
// files that are missing, hostile or huge, and the shipped samples.

#include "ChartTest.h"

#include <QLabel>

namespace {

class ReadDataFile : public ChartTest {
protected:
    void SetUp() override { showChart(); }
    const quotechart::PriceHistory &h() const { return chart->history(); }
    QString caption() const { return child<QLabel>("CaptionLabel")->text(); }
};

TEST_F(ReadDataFile, StandardLayoutSkipsRowsWithAZeroHighOrLow)
{
    hist.write("ACME.csv",
               "Date,Open,High,Low,Close,Volume\n"
               "2001-01-05,10,11.5,9.5,10.25,1500\n"
               "2001-01-04,10,0,9.5,10.25,1500\n"
               "2001-01-03,9,10,8.75,9.5,2500.5\n");
    QString ticker = "ACME";
    bool today = true;
    const QVariant result = chart->ReadDataFile(ticker, today);
    EXPECT_FALSE(today);
    EXPECT_FALSE(result.isValid());
    EXPECT_EQ(chart->ticker_name, "ACME");
    EXPECT_EQ(h().record_count, 2);
    EXPECT_EQ(h().date_array[1], "2001-01-05");
    EXPECT_FLOAT_EQ(h().high_array[1], 11.5f);
    EXPECT_FLOAT_EQ(h().low_array[1], 9.5f);
    EXPECT_FLOAT_EQ(h().close_array[1], 10.25f);
    EXPECT_EQ(h().volume_array[1], 1500);
    EXPECT_EQ(h().date_array[2], "2001-01-03");
    EXPECT_EQ(h().volume_array[2], 2500);   // 2500.5 rounds to even
    EXPECT_EQ(caption(), "");
}

TEST_F(ReadDataFile, AFirstLineOfFortyCharactersSelectsTheLongHeader)
{
    const QByteArray forty(40, 'x');
    hist.write("LONG.csv",
               forty +
                   "\nsecond\nACME Corporation (AC)\nfourth\nfifth\n"
                   "2-Jan-01,11,9,10,700\n"
                   "29-Dec-00,12,10,11,800,extra,fields\n");
    load("LONG");
    EXPECT_EQ(h().record_count, 2);
    EXPECT_FLOAT_EQ(h().high_array[1], 11);
    EXPECT_FLOAT_EQ(h().close_array[2], 11);
    EXPECT_EQ(h().volume_array[2], 800);         // "800,extra,fields" is read from its start
    EXPECT_EQ(caption(), "ACME Corporation ");   // the last four characters, "(AC)", are cut off
    EXPECT_EQ(chart->CompanyName(), "ACME Corporation ");

    hist.write("SHORT.csv", QByteArray(39, 'x') + "\n2-Jan-01,10,11,9,10,700\n");
    load("SHORT");
    EXPECT_EQ(h().record_count, 1);
    EXPECT_FLOAT_EQ(h().high_array[1], 11);
    EXPECT_EQ(caption(), "");
}

TEST_F(ReadDataFile, AShortLineIsReplacedByTheNextOne)
{
    hist.write("GAPS.csv",
               "Date,Open,High,Low,Close,Volume\n"
               "\n"
               "2001-01-05,1,2,1,2,3\n"   // 20 characters: a day
               "2001-1-4,1,2,1,2\n"       // 16 characters: replaced by the next line
               "2001-01-03,1,4,1,4,3\r\n"
               "2001-01-02,1,5,1,5,3\r"   // a lone CR ends a line too
               "2001-01-01,1,6,1,6,3");   // no line end at all
    load("GAPS");
    EXPECT_EQ(h().record_count, 4);
    EXPECT_EQ(h().date_array[1], "2001-01-05");
    EXPECT_EQ(h().date_array[2], "2001-01-03");
    EXPECT_EQ(h().date_array[3], "2001-01-02");
    EXPECT_EQ(h().date_array[4], "2001-01-01");
}

TEST_F(ReadDataFile, ColonTickersNameUpperCaseFilesWithUnderscores)
{
    hist.writeStandard("AB_C", syntheticRows(3));
    load("ab:c");
    EXPECT_EQ(chart->ticker_name, "ab:c");
    EXPECT_EQ(h().record_count, 3);
}

TEST_F(ReadDataFile, StoresAtMostFiveThousandRows)
{
    hist.writeStandard("BIG", syntheticRows(6000));
    load("BIG");
    EXPECT_EQ(h().record_count, 5000);
    EXPECT_EQ(h().date_array[5000], syntheticRows(5000).back().date);
}

TEST_F(ReadDataFile, LeavesOlderSlotsOfTheLastLoadInPlace)
{
    hist.writeStandard("TEN", syntheticRows(10, 50));
    hist.writeStandard("THREE", syntheticRows(3, 500));
    load("TEN");
    const float oldClose = h().close_array[5];
    load("THREE");
    EXPECT_EQ(h().record_count, 3);
    EXPECT_GT(h().close_array[1], 400);
    EXPECT_FLOAT_EQ(h().close_array[5], oldClose);
}

TEST_F(ReadDataFile, AValueTooLargeForItsTypeKeepsTheSlotsPreviousValue)
{
    hist.write("A.csv", "Date,Open,High,Low,Close,Volume\n2001-01-05,1,2,1,2,777\n");
    hist.write("B.csv", "Date,Open,High,Low,Close,Volume\n2001-01-05,1,2,1,1e39,99999999999\n");
    load("A");
    load("B");
    EXPECT_EQ(h().record_count, 1);
    EXPECT_FLOAT_EQ(h().close_array[1], 2);
    EXPECT_EQ(h().volume_array[1], 777);
}

TEST_F(ReadDataFile, MissingFieldsCountAsZero)
{
    hist.write("FEW.csv",
               "Date,Open,High,Low,Close,Volume\n"
               "2001-01-05,1,2,1.5\n"               // no close, no volume: stored as 0
               "2001-01-04,1,2 and more text\n");   // no low: dropped
    load("FEW");
    EXPECT_EQ(h().record_count, 1);
    EXPECT_FLOAT_EQ(h().close_array[1], 0);
    EXPECT_EQ(h().volume_array[1], 0);
}

TEST_F(ReadDataFile, AMissingFileLoadsNothing)
{
    child<QLabel>("CaptionLabel")->setText("old caption");
    load("NOPE");
    EXPECT_EQ(chart->ticker_name, "NOPE");
    EXPECT_EQ(h().record_count, 0);
    EXPECT_EQ(caption(), "");
}

TEST_F(ReadDataFile, ATickerIsAFileNameNotAPath)
{
    // Files a path-like ticker would reach if it were taken as a path.
    hist.write("../OUT.csv", standardText(syntheticRows(5)));
    hist.write("../.csv", standardText(syntheticRows(5)));
    hist.write("...csv", standardText(syntheticRows(5)));
    for (const char *ticker : {"../out", "..", ".", "a/b", "..\\out", "/etc/passwd"}) {
        load(ticker);
        EXPECT_EQ(h().record_count, 0) << ticker;
        EXPECT_EQ(chart->ticker_name, ticker);
    }
}

TEST_F(ReadDataFile, SurvivesHostileContent)
{
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7919) % 256);
    hist.write("BIN.csv", binary);
    load("BIN");
    EXPECT_GE(h().record_count, 0);
    EXPECT_LE(h().record_count, 5000);

    hist.write("WIDE.csv",
               "Date,Open,High,Low,Close,Volume\n" + QByteArray(2'000'000, '9') + "\n2001-01-05,1,2,1,2,3\n");
    load("WIDE");
    EXPECT_EQ(h().record_count, 1);   // the wide line is a single field: no high, so no day

    hist.write("EMPTY.csv", "");
    load("EMPTY");
    EXPECT_EQ(h().record_count, 0);
}

TEST_F(ReadDataFile, ReadsAHundredThousandRowsQuickly)
{
    QByteArray text = "Date,Open,High,Low,Close,Volume\n";
    const QByteArray row = "2001-01-05,10,11,9,10,1000\n";
    text.reserve(text.size() + 100'000 * row.size());
    for (int i = 0; i < 100'000; ++i)
        text += row;
    hist.write("HUGE.csv", text);
    load("HUGE");
    EXPECT_EQ(h().record_count, 5000);
}

TEST_F(ReadDataFile, LoadsTheShippedSamples)
{
    hist.copySample("MSFT");
    hist.copySample("GOOG");
    load("msft");
    EXPECT_EQ(h().record_count, 3673);
    EXPECT_EQ(h().date_array[1], "2014-08-08");
    EXPECT_FLOAT_EQ(h().close_array[1], 43.20f);
    EXPECT_EQ(h().date_array[3673], "2000-01-03");
    load("GOOG");   // CR LF line ends
    EXPECT_EQ(h().record_count, 1047);
    EXPECT_EQ(h().date_array[1], "14-Oct-08");
    EXPECT_FLOAT_EQ(h().high_array[1], 394.5f);
    EXPECT_EQ(h().volume_array[1047], 22351900);
}

}   // namespace
