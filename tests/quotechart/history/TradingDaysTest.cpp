// Moving between dates and day indices.

#include "ChartTest.h"

namespace {

class TradingDays : public ChartTest {
protected:
    void SetUp() override
    {
        showChart();
        hist.copySample("MSFT");
        load("MSFT");
    }

    int16_t dayOf(const QString &date)
    {
        QString text = date;
        return chart->ConvertDateToInteger(text);
    }
    int16_t indexOf(const QString &stored) const
    {
        const auto &h = chart->history();
        for (int i = 1; i <= h.record_count; ++i)
            if (h.date_array[i] == stored)
                return int16_t(i);
        return -1;
    }
};

TEST_F(TradingDays, FindsTheDayOrTheTradingDayBeforeAWeekend)
{
    EXPECT_EQ(dayOf("2014-08-08"), 1);
    EXPECT_EQ(dayOf("2014-08-07"), 2);
    EXPECT_EQ(dayOf("9-Aug-14"), 1);                          // Saturday -> Friday
    EXPECT_EQ(dayOf("2014-08-03"), indexOf("2014-08-01"));    // Sunday -> Friday
    EXPECT_EQ(dayOf("Jul 4, 2014"), indexOf("2014-07-03"));   // holiday -> day before
    EXPECT_EQ(dayOf("2001-09-17"), indexOf("2001-09-17"));
}

TEST_F(TradingDays, DatesOutsideTheLoadedSpanGiveItsEnds)
{
    EXPECT_EQ(dayOf("2020-01-01"), 1);
    EXPECT_EQ(dayOf("1999-12-31"), 3673);
    EXPECT_EQ(dayOf("1/3/2000"), 3673);
}

TEST_F(TradingDays, NoMatchWithinTwoDaysOrNoDateGivesZero)
{
    EXPECT_EQ(dayOf("2001-09-14"), 0);   // markets closed 11th to 14th: the 14th, 13th, 12th find nothing
    EXPECT_EQ(dayOf("yesterday"), 0);
    EXPECT_EQ(dayOf(""), 0);
    EXPECT_EQ(dayOf("2001-02-30"), 0);
}

TEST_F(TradingDays, NothingLoadedGivesZero)
{
    load("NONE");
    EXPECT_EQ(dayOf("2014-08-08"), 0);
}

TEST_F(TradingDays, VisibleRangeDatesAndTheirIndexErrors)
{
    chart->starting_date_local = 1;
    chart->ending_date_local = 200;
    EXPECT_EQ(chart->StartingDate(), "2014-08-08");
    EXPECT_EQ(chart->EndingDate(), chart->history().date_array[200]);
    chart->ending_date_local = 5000;   // inside the arrays though not loaded: an empty date
    EXPECT_EQ(chart->EndingDate(), "");
    for (int16_t bad : {int16_t(0), int16_t(-3), int16_t(5001)}) {
        chart->starting_date_local = bad;
        try {
            chart->StartingDate();
            ADD_FAILURE() << "no error for " << bad;
        } catch (const quotechart::ControlError &error) {
            EXPECT_EQ(error.number(), 9);
        }
    }
    chart->ending_date_local = 5001;
    EXPECT_THROW(chart->EndingDate(), quotechart::ControlError);
}

TEST_F(TradingDays, ConvertTradingDateReturnsItsArgumentUnchanged)
{
    for (QString text : {QString("14-Oct-08"), QString("not a date"), QString()}) {
        const QVariant value = chart->convert_trading_date(text);
        EXPECT_EQ(value.toString(), text);
        EXPECT_EQ(value.typeId(), QMetaType::QString);
    }
}

}   // namespace
