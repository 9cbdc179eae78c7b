// A chart that follows its history file while a downloader rewrites it: in
// place, by replacement, and caught half-written.

#include "ChartTest.h"
#include "TestAccess.h"
#include "controllers/HistoryFileFollower.h"
#include "document/PlacesByDate.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>

namespace {

using quotechart::HistoryFileFollower;
using quotechart::REvuved;

class FollowedFile : public ChartTest {
protected:
    void SetUp() override
    {
        hist.writeStandard(QStringLiteral("GROW"), syntheticRows(300, 50, QStringLiteral("2001-12-28")));
        showChart();
        load(QStringLiteral("GROW"));
        chart->setVisibleRange(1, 100);
        chart->setFollowHistoryFile(true);
    }

    QString filePath() const { return QDir(hist.path()).filePath(QStringLiteral("hist/GROW.csv")); }

    // Transactions on days `buy` and `sell`, as the recorder stores them.
    void trade(int16_t buy, int16_t sell)
    {
        auto &tables = quotechart::TestAccess::document(*chart).transactions;
        chart->buy_number = 1;
        chart->sell_number = 1;
        tables.buy_days[1] = buy;
        tables.sell_days[1] = sell;
    }
    QString dateOf(int16_t day) const { return chart->history().date_array[std::size_t(day)]; }
    int16_t buyDay() { return quotechart::TestAccess::document(*chart).transactions.buy_days[1]; }
    int16_t sellDay() { return quotechart::TestAccess::document(*chart).transactions.sell_days[1]; }

    // Waits out the settling time and a little more.
    bool reloaded(QSignalSpy &loaded)
    {
        return loaded.wait(HistoryFileFollower::SettleMilliseconds * 6);
    }
    void settle() { QTest::qWait(HistoryFileFollower::SettleMilliseconds * 2); }
};

TEST_F(FollowedFile, AFileRewrittenInPlaceIsReadOnceItsWritesSettle)
{
    trade(40, 20);
    const QString bought = dateOf(40), sold = dateOf(20);
    QSignalSpy loaded(chart.get(), &REvuved::historyLoaded);
    QSignalSpy drawn(chart.get(), &REvuved::DrawComplete);

    // Five new days, written in several pieces as a downloader would.
    const QByteArray text = standardText(syntheticRows(305, 50, QStringLiteral("2002-01-04")));
    QFile file(filePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    for (qsizetype at = 0; at < text.size(); at += 4096) {
        file.write(text.mid(at, 4096));
        file.flush();
        QTest::qWait(20);
    }
    file.close();

    ASSERT_TRUE(reloaded(loaded));
    EXPECT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded[0][1].toInt(), 305);
    EXPECT_EQ(chart->dayCount(), 305);
    EXPECT_EQ(dateOf(1), QStringLiteral("2002-01-04"));
    EXPECT_EQ(chart->newestDay(), 1);   // it showed the newest day: it still does, as wide as before
    EXPECT_EQ(chart->oldestDay(), 100);
    EXPECT_EQ(dateOf(buyDay()), bought);
    EXPECT_EQ(dateOf(sellDay()), sold);
    EXPECT_EQ(buyDay(), 45);
    EXPECT_GE(drawn.count(), 1);
}

TEST_F(FollowedFile, AReplacedFileIsReadAndAWindowInThePastKeepsItsDates)
{
    chart->setVisibleRange(50, 150);
    const QString newest = dateOf(50), oldest = dateOf(150);
    QSignalSpy loaded(chart.get(), &REvuved::historyLoaded);

    const QString fresh = QDir(hist.path()).filePath(QStringLiteral("hist/GROW.csv.part"));
    QFile part(fresh);
    ASSERT_TRUE(part.open(QIODevice::WriteOnly));
    part.write(standardText(syntheticRows(310, 50, QStringLiteral("2002-01-11"))));
    part.close();
    ASSERT_TRUE(std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(filePath()).constData()) == 0);

    ASSERT_TRUE(reloaded(loaded));
    EXPECT_EQ(chart->dayCount(), 310);
    EXPECT_EQ(dateOf(int16_t(chart->newestDay())), newest);
    EXPECT_EQ(dateOf(int16_t(chart->oldestDay())), oldest);

    // The watch goes on with the file that replaced the first.
    loaded.clear();
    hist.writeStandard(QStringLiteral("GROW"), syntheticRows(311, 50, QStringLiteral("2002-01-14")));
    ASSERT_TRUE(reloaded(loaded));
    EXPECT_EQ(chart->dayCount(), 311);
}

TEST_F(FollowedFile, AHalfWrittenOrEmptyFileLeavesTheLastWholeHistory)
{
    trade(40, 20);
    const QString bought = dateOf(40);
    QSignalSpy loaded(chart.get(), &REvuved::historyLoaded);
    const QByteArray text = standardText(syntheticRows(305, 50, QStringLiteral("2002-01-04")));

    hist.write(QStringLiteral("GROW.csv"), text.left(text.size() / 2 - 7));   // cut inside a line
    settle();
    hist.write(QStringLiteral("GROW.csv"), QByteArray());
    settle();
    hist.write(QStringLiteral("GROW.csv"), "Date,Open,High,Low,Close,Volume\n");   // whole, but no day
    settle();
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_EQ(chart->dayCount(), 300);
    EXPECT_EQ(dateOf(1), QStringLiteral("2001-12-28"));
    EXPECT_EQ(dateOf(buyDay()), bought);

    hist.write(QStringLiteral("GROW.csv"), text);
    ASSERT_TRUE(reloaded(loaded));
    EXPECT_EQ(chart->dayCount(), 305);
    EXPECT_EQ(dateOf(buyDay()), bought);
}

TEST_F(FollowedFile, NothingIsFollowedWhenSwitchedOffOrForAHistoryFromMemory)
{
    QSignalSpy loaded(chart.get(), &REvuved::historyLoaded);
    QSignalSpy switched(chart.get(), &REvuved::followHistoryFileChanged);
    chart->setFollowHistoryFile(false);
    EXPECT_EQ(switched.count(), 1);
    EXPECT_FALSE(chart->property("followHistoryFile").toBool());
    hist.writeStandard(QStringLiteral("GROW"), syntheticRows(305, 50, QStringLiteral("2002-01-04")));
    settle();
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_EQ(chart->dayCount(), 300);

    chart->setFollowHistoryFile(true);
    chart->loadHistory(QStringLiteral("GROW"), {{QDate(2002, 1, 4), 1, 2, 1, 1, 10}});
    loaded.clear();
    hist.writeStandard(QStringLiteral("GROW"), syntheticRows(306, 50, QStringLiteral("2002-01-07")));
    settle();
    EXPECT_EQ(loaded.count(), 0);
    EXPECT_EQ(chart->dayCount(), 1);
}

// The places by date, without files: days added, days lost, days missing.
TEST(PlacesByDate, DaysKeepTheirDatesWhereverTheHistoryMoved)
{
    using namespace quotechart;
    const auto historyOf = [](const std::vector<HistoryRow> &rows) {
        auto h = std::make_unique<PriceHistory>();
        h->record_count = int16_t(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            h->date_array[i + 1] = rows[i].date;
        return h;
    };
    const auto was = historyOf(syntheticRows(100, 50, QStringLiteral("2001-12-28")));
    const QString missing = was->date_array[7];
    // Three days newer, the oldest ten gone, and day 7's date missing.
    std::vector<HistoryRow> rows = syntheticRows(93, 50, QStringLiteral("2002-01-02"));
    rows.erase(std::find_if(rows.begin(), rows.end(), [&](const HistoryRow &r) { return r.date == missing; }));
    const auto now = historyOf(rows);
    DayDates wasDates, nowDates;
    TransactionTables tables;
    tables.buy_days[1] = 5;
    tables.buy_days[2] = 7;      // its date is missing: the day before it
    tables.sell_days[1] = 100;   // older than every new day: the oldest
    tables.sell_days[2] = 321;   // no day of the history: left alone
    const PlacesByDate moved = placesInNewHistory(*was, wasDates, *now, nowDates, {10, 40}, tables, 2, 2);
    EXPECT_EQ(now->date_array[std::size_t(moved.tables.buy_days[1])], was->date_array[5]);
    EXPECT_EQ(now->date_array[std::size_t(moved.tables.buy_days[2])], was->date_array[8]);
    EXPECT_EQ(moved.tables.sell_days[1], now->record_count);
    EXPECT_EQ(moved.tables.sell_days[2], 321);
    EXPECT_EQ(now->date_array[std::size_t(moved.range.s)], was->date_array[10]);
    EXPECT_EQ(now->date_array[std::size_t(moved.range.e)], was->date_array[40]);

    const PlacesByDate newest = placesInNewHistory(*was, wasDates, *now, nowDates, {1, 200}, tables, 0, 0);
    EXPECT_EQ(newest.range.s, 1);
    EXPECT_EQ(newest.range.e, now->record_count);   // as wide as it can be
    EXPECT_EQ(newest.tables.buy_days[1], 5);         // no counted transaction moves
}

}   // namespace
