// Linked crosshairs: a day picked on one chart shows the same date on the
// others, at their trading day on or before it, and on none outside their
// history; the Window menu switches the link off and on.

#include "CrosshairLink.h"
#include "HostFixture.h"

#include <QSignalSpy>

namespace {

// Days newest first, as a history holds them; the text forms the files use.
quotechart::PriceHistory historyOf(const QStringList &newestFirst)
{
    quotechart::PriceHistory h;
    h.record_count = int16_t(newestFirst.size());
    for (int i = 0; i < newestFirst.size(); ++i)
        h.date_array[std::size_t(i + 1)] = newestFirst[i];
    return h;
}

TEST(DayOnOrBefore, TakesTheNewestTradingDayNotAfterTheDateAndNoneOutsideTheHistory)
{
    // Friday 2014-08-08 back to Monday 2014-08-04, then the Friday before; 2014-08-02/03 a weekend.
    const quotechart::PriceHistory h =
        historyOf({"2014-08-08", "2014-08-07", "6-Aug-14", "2014-08-05", "8/4/2014", "2014-08-01"});
    EXPECT_EQ(dayOnOrBefore(h, QDate(2014, 8, 8)), 1);
    EXPECT_EQ(dayOnOrBefore(h, QDate(2014, 8, 6)), 3);
    EXPECT_EQ(dayOnOrBefore(h, QDate(2014, 8, 4)), 5);
    EXPECT_EQ(dayOnOrBefore(h, QDate(2014, 8, 3)), 6);   // the weekend: the Friday before
    EXPECT_EQ(dayOnOrBefore(h, QDate(2014, 8, 1)), 6);
    EXPECT_EQ(dayOnOrBefore(h, QDate(2014, 7, 31)), 0);   // before the oldest day
    EXPECT_EQ(dayOnOrBefore(h, QDate(2014, 8, 9)), 0);    // after the newest
    EXPECT_EQ(dayOnOrBefore(h, QDate()), 0);
    EXPECT_EQ(dayOnOrBefore(historyOf({}), QDate(2014, 8, 8)), 0);
    EXPECT_EQ(dayOnOrBefore(historyOf({"2014-08-08"}), QDate(2014, 8, 8)), 1);
    EXPECT_EQ(dateOfDay(h, 3), QDate(2014, 8, 6));
    EXPECT_FALSE(dateOfDay(h, 7).isValid());
}

class Linked : public HostTest {
protected:
    quotechart::REvuved *document(const QString &title) const
    {
        for (QMdiSubWindow *window : window->documents()->subWindowList())
            if (window->windowTitle() == title)
                return qobject_cast<quotechart::REvuved *>(window->widget());
        return nullptr;
    }
    // A left press and release on the chart's price pane, `fraction` of its width from the left.
    void pressOn(quotechart::REvuved *chart, double fraction)
    {
        QWidget *price = chart->findChild<QWidget *>("Picture1");
        const QPoint at(int(price->width() * fraction), price->height() / 2);
        QTest::mousePress(price, Qt::LeftButton, {}, at);
        QTest::mouseRelease(price, Qt::LeftButton, {}, at);
    }
};

TEST_F(Linked, TheCrosshairShowsTheSameDateOnTheOtherChart)
{
    action("actionTile").trigger();
    quotechart::REvuved *msft = document("MSFT"), *goog = document("GOOG");
    ASSERT_TRUE(msft && goog);
    // The samples' newest days are years apart: MSFT shows the days GOOG shows.
    activate("MSFT");
    ASSERT_TRUE(window->setTimeRange(dateOfDay(goog->history(), goog->ending_date_local), dateOfDay(goog->history(), 1)));
    QSignalSpy msftDays(msft, &quotechart::REvuved::crosshairMoved), googDays(goog, &quotechart::REvuved::crosshairMoved);
    pressOn(msft, 0.6);
    ASSERT_FALSE(msftDays.isEmpty());
    const int day = msftDays.last().at(0).toInt();
    ASSERT_GT(day, 0);
    ASSERT_FALSE(googDays.isEmpty());
    const int shown = googDays.last().at(0).toInt();
    EXPECT_EQ(shown, dayOnOrBefore(goog->history(), dateOfDay(msft->history(), day)));
    EXPECT_GT(shown, 0);
    EXPECT_TRUE(goog->isVerticalLineDisplayed);
    EXPECT_LE(dateOfDay(goog->history(), shown), dateOfDay(msft->history(), day));

    // And back the other way, without the first chart echoing it.
    msftDays.clear();
    pressOn(goog, 0.3);
    ASSERT_EQ(msftDays.size(), 1);
    EXPECT_EQ(msftDays.last().at(0).toInt(),
              dayOnOrBefore(msft->history(), dateOfDay(goog->history(), googDays.last().at(0).toInt())));

    // Switched off in the Window menu, the other chart's crosshair goes and stays away.
    action("actionLinkedCrosshairs").trigger();
    EXPECT_FALSE(action("actionLinkedCrosshairs").isChecked());
    EXPECT_FALSE(msft->isVerticalLineDisplayed);
    msftDays.clear();
    pressOn(goog, 0.5);
    EXPECT_TRUE(msftDays.isEmpty());
    // The choice is kept across a restart.
    ASSERT_TRUE(window->close());
    window.reset();
    start();
    EXPECT_FALSE(action("actionLinkedCrosshairs").isChecked());
}

TEST_F(Linked, ADateOutsideAChartsHistoryShowsNoCrosshairThere)
{
    QTemporaryDir data;
    QDir(data.path()).mkpath("hist");
    auto write = [&](const char *ticker, const QByteArray &text) {
        QFile file(data.filePath(QStringLiteral("hist/%1.csv").arg(ticker)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    write("OLD", "Date,Open,High,Low,Close,Volume\n2001-01-05,10,11,9,10,100\n2001-01-04,10,11,9,10,100\n"
                 "2001-01-03,10,11,9,10,100\n");
    write("NEW", "Date,Open,High,Low,Close,Volume\n2020-01-03,10,11,9,10,100\n2020-01-02,10,11,9,10,100\n");
    window->setDataFolder(data.path());
    closeAllDocuments();
    quotechart::REvuved *old = window->openChart("OLD");
    quotechart::REvuved *recent = window->openChart("NEW");
    action("actionTile").trigger();
    QTest::qWait(0);
    pressOn(recent, 0.5);
    ASSERT_TRUE(recent->isVerticalLineDisplayed);
    EXPECT_FALSE(old->isVerticalLineDisplayed);
}

}   // namespace
