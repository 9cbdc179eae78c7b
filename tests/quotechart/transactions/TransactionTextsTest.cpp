// The list's entry texts, the gains read back from them and the report, with
// hand-worked values.

#include "document/Gains.h"
#include "document/TransactionEntries.h"
#include "document/TransactionsReport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using quotechart::ListEntry;

ListEntry B(const char *price, const char *date = "") { return {"B", price, date, ""}; }
ListEntry S(const char *price, const char *date = "", const char *percent = "") { return {"S", price, date, percent}; }

QString sum(const std::vector<ListEntry> &list, int16_t sells) { return quotechart::summarizedGainText(list, sells); }
QString cum(const std::vector<ListEntry> &list, int16_t sells) { return quotechart::cumulativeGainText(list, sells); }

class Entries : public ::testing::Test {
protected:
    void SetUp() override
    {
        history = std::make_unique<quotechart::PriceHistory>();
        day(1, 10.994f, "2001-01-05");
        day(2, 10.006f, "2001-01-04");
        day(3, 12.5f, "3-Jan-01");
        day(4, 12.0f, "2-Jan-01");
        day(5, 0.0f, "1-Jan-01");
    }
    void day(int k, float close, const char *date)
    {
        history->close_array[k] = close;
        history->date_array[k] = date;
    }
    std::unique_ptr<quotechart::PriceHistory> history;
};

TEST_F(Entries, ABuyShowsItsCloseToTheCentAndItsDateAsStored)
{
    const ListEntry buy = quotechart::buyEntry(*history, 3);
    EXPECT_EQ(buy.text, "B");
    EXPECT_EQ(buy.price, "12.50");
    EXPECT_EQ(buy.date, "3-Jan-01");
    EXPECT_EQ(buy.percent, "");
}

TEST_F(Entries, ASellsGainComesFromTheUnroundedCloses)
{
    // 10.994 / 10.006 gives 9.9 %; the prices as shown (10.99, 10.01) would give 9.8 %.
    const ListEntry sell = quotechart::sellEntry(*history, 1, 2);
    EXPECT_EQ(sell.text, "S");
    EXPECT_EQ(sell.price, "10.99");
    EXPECT_EQ(sell.date, "2001-01-05");
    EXPECT_EQ(sell.percent, "9.9");
    EXPECT_EQ(quotechart::sellEntry(*history, 4, 3).percent, "-4.0");
    EXPECT_EQ(quotechart::sellEntry(*history, 3, 3).percent, "0.0");
}

TEST_F(Entries, DaysOutsideTheArraysOrAZeroCloseLeaveTheirColumnsEmpty)
{
    for (int16_t bad : {int16_t(0), int16_t(-3), int16_t(5001), int16_t(32767)}) {
        const ListEntry buy = quotechart::buyEntry(*history, bad);
        EXPECT_EQ(buy.text, "B");
        EXPECT_EQ(buy.price + buy.date + buy.percent, "");
        EXPECT_EQ(quotechart::sellEntry(*history, 3, bad).percent, "");
        EXPECT_EQ(quotechart::sellEntry(*history, bad, 3).price, "");
    }
    const ListEntry againstNothing = quotechart::sellEntry(*history, 3, 5);   // bought at 0
    EXPECT_EQ(againstNothing.price, "12.50");
    EXPECT_EQ(againstNothing.percent, "");
}

TEST(Gains, TheWorkedExampleAddsToThirtyAndCompoundsToThirtyTwo)
{
    const std::vector<ListEntry> list{B("10.00"), S("11.00"), B("10.00"), S("12.00")};
    EXPECT_EQ(sum(list, 2), "Summarized gain: 30.0 %");
    EXPECT_EQ(cum(list, 2), "Cumulative gain: 32.0 %");
    EXPECT_EQ(sum(list, 1), "Summarized gain: 10.0 %");   // only the counted pairs
    EXPECT_EQ(cum(list, 1), "Cumulative gain: 10.0 %");
}

TEST(Gains, LossesEvenPairsAndNoPairs)
{
    const std::vector<ListEntry> mixed{B("10.00"), S("9.00"), B("10.00"), S("12.00")};
    EXPECT_EQ(sum(mixed, 2), "Summarized gain: 10.0 %");
    EXPECT_EQ(cum(mixed, 2), "Cumulative gain: 8.0 %");   // 0.9 x 1.2
    const std::vector<ListEntry> even{B("12.34"), S("12.34")};
    EXPECT_EQ(sum(even, 1), "Summarized gain: 0.0 %");
    EXPECT_EQ(cum(even, 1), "Cumulative gain: 0.0 %");
    const std::vector<ListEntry> lost{B("10.00"), S("5.00")};
    EXPECT_EQ(sum(lost, 1), "Summarized gain: -50.0 %");
    EXPECT_EQ(sum({}, 0), "Summarized gain: 0.0 %");
    EXPECT_EQ(cum({}, 0), "Cumulative gain: 0.0 %");
    EXPECT_FLOAT_EQ(quotechart::cumulativeGain(mixed, 2), 8.0f);
}

TEST(Gains, ANegativeCountGivesTheCaptionAlone)
{
    const std::vector<ListEntry> list{B("10.00"), S("11.00")};
    EXPECT_EQ(sum(list, -1), "Summarized gain: ");
    EXPECT_EQ(cum(list, -32768), "Cumulative gain: ");
}

TEST(Gains, PairsThatAreNoBuyAndSellCountForNothing)
{
    // A buy following a buy: the first pair is two buys, the sell sits third.
    const std::vector<ListEntry> twoBuys{B("10.00"), B("20.00"), S("11.00")};
    EXPECT_EQ(sum(twoBuys, 1), "Summarized gain: 0.0 %");
    EXPECT_EQ(cum(twoBuys, 1), "Cumulative gain: 0.0 %");
    // Counted pairs missing from the list, unreadable and zero prices.
    const std::vector<ListEntry> odd{B("10.00"), S("11.00"), B(""),  S("12.00"), B("0.00"),
                                     S("1.00"),  B("2.00"),  S("x"), S("3.00"),  B("1.00")};
    EXPECT_EQ(sum(odd, 32767), "Summarized gain: 10.0 %");
    EXPECT_EQ(cum(odd, 32767), "Cumulative gain: 10.0 %");
}

TEST(Gains, TotalsBeyondSinglePrecisionKeepTheirLastValue)
{
    // 3E36 / 0.01 still fits a single; a hundred times it does not.
    const std::vector<ListEntry> huge{B("10.00"), S("11.00"), B("0.01"), S("3000000000000000000000000000000000000.00")};
    EXPECT_EQ(sum(huge, 2), "Summarized gain: 10.0 %");
    EXPECT_TRUE(std::isfinite(quotechart::cumulativeGain(huge, 2)));
    EXPECT_EQ(cum(huge, 2), "Cumulative gain: 0.0 %");
}

TEST(Report, OnePairOfACMEByteForByte)
{
    const std::vector<ListEntry> list{B("10.00", "2-Jan-01"), S("11.00", "5-Jan-01", "10.0")};
    EXPECT_EQ(quotechart::transactionsReport("ACME", list, "Summarized gain: 10.0 %", "Cumulative gain: 10.0 %"),
              QString("ACME\n"
                      "Bought on:   2-Jan-01\t\t at: $10.00\n"
                      "Sold on:     5-Jan-01\t\t at: $11.00\t Gain:10.0%\n"
                      "\n"
                      "Summarized gain: 10.0 %\n"
                      "Cumulative gain: 10.0 %\n"));
}

TEST(Report, AnEmptyListAndAnOpenBuy)
{
    EXPECT_EQ(quotechart::transactionsReport("", {}, "Summarized gain", "Cumulative gain"),
              QString("\n\nSummarized gain\nCumulative gain\n"));
    const std::vector<ListEntry> open{B("7.25", "9-Feb-01")};
    EXPECT_EQ(quotechart::transactionsReport("X", open, "a", "b"),
              QString("X\nBought on:   9-Feb-01\t\t at: $7.25\n\na\nb\n"));
}

}   // namespace
