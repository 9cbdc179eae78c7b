// The chart's face for Qt developers, driven as a host drives it: data from
// memory, properties, the signals whatever causes the change, the slots.

#include "ChartTest.h"
#include "ModalAnswer.h"
#include "TestAccess.h"
#include "render/DayAxis.h"

#include <QAction>
#include <QLabel>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <map>

namespace {

using quotechart::DayPrices;
using quotechart::REvuved;

// `count` weekdays ending on `newest`, newest first, prices around `base`.
QList<DayPrices> weekdays(int count, QDate newest = QDate(2001, 12, 31), float base = 50)
{
    QList<DayPrices> days;
    for (QDate date = newest; days.size() < count; date = date.addDays(-1)) {
        if (date.dayOfWeek() > 5)
            continue;
        const float wave = float(days.size() % 7);
        days.append({date, base + wave, base + wave + 1, base + wave - 1, base + wave + 0.5f, 1000 + int(days.size())});
    }
    return days;
}

class QtApi : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(1200, 900);
        ASSERT_TRUE(chart->loadHistory(QStringLiteral("MEM"), weekdays(300), QStringLiteral("Memory Inc.")));
        chart->setVisibleRange(1, 100);
    }
    QLabel *label(const char *name) { return child<QLabel>(QLatin1String(name)); }
    platform::PictureBox &price() { return *box("Picture1"); }
    // The pixel of the price pane where the chart draws day k.
    QPoint pixelOf(REvuved &c, int day)
    {
        auto *pane = c.findChild<platform::PictureBox *>(QStringLiteral("Picture1"));
        const double W = pane->surface().scaleWidth();
        const auto s = int16_t(c.newestDay()), e = int16_t(c.oldestDay());
        const auto axis = quotechart::DayAxis::singleSlot(W, s, e, *quotechart::DayAxis::singleSlotWidth(W, s, e));
        return QPoint(int(std::lround(axis.x(day) / T)), pane->height() / 2);
    }
};

TEST_F(QtApi, DataFromMemoryIsStoredAsAFileLoadStoresIt)
{
    QSignalSpy loaded(chart.get(), &REvuved::historyLoaded);
    QSignalSpy drawn(chart.get(), &REvuved::DrawComplete);
    QList<DayPrices> days = weekdays(6000);
    days[3].high = 0;   // does not count
    ASSERT_TRUE(chart->loadHistory(QStringLiteral("BIG"), days));
    const quotechart::PriceHistory &h = chart->history();
    EXPECT_EQ(h.record_count, 5000);
    EXPECT_EQ(h.date_array[1], days[0].date.toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_EQ(h.date_array[4], days[4].date.toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_EQ(h.date_array[5000], days[5000].date.toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_EQ(h.open_array[1], days[0].open);
    EXPECT_EQ(h.volume_array[2], days[1].volume);
    EXPECT_EQ(chart->ticker(), QStringLiteral("BIG"));
    EXPECT_EQ(chart->ticker_name, QStringLiteral("BIG"));
    EXPECT_EQ(chart->dayCount(), 5000);
    EXPECT_EQ(chart->CompanyName(), QStringLiteral("Memory Inc."));   // no name given: the old one stays
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_EQ(loaded[0][0].toString(), QStringLiteral("BIG"));
    EXPECT_EQ(loaded[0][1].toInt(), 5000);
    EXPECT_EQ(drawn.count(), 0);

    ASSERT_TRUE(chart->loadHistory(QStringLiteral("FEW"), weekdays(3), QStringLiteral("Few")));
    EXPECT_EQ(h.record_count, 3);
    EXPECT_TRUE(h.date_array[4].isEmpty());   // the slots above are cleared
    EXPECT_EQ(h.high_array[4], 0.0f);
    EXPECT_EQ(chart->CompanyName(), QStringLiteral("Few"));
}

TEST_F(QtApi, AListNotNewestFirstOrWithAnInvalidDateChangesNothing)
{
    QSignalSpy loaded(chart.get(), &REvuved::historyLoaded);
    QList<DayPrices> reversed = weekdays(50);
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_FALSE(chart->loadHistory(QStringLiteral("REV"), reversed));
    QList<DayPrices> twice = weekdays(50);
    twice[10].date = twice[9].date;
    EXPECT_FALSE(chart->loadHistory(QStringLiteral("TWICE"), twice));
    QList<DayPrices> invalid = weekdays(50);
    invalid[20].date = QDate();
    EXPECT_FALSE(chart->loadHistory(QStringLiteral("BAD"), invalid));
    EXPECT_EQ(chart->ticker(), QStringLiteral("MEM"));
    EXPECT_EQ(chart->dayCount(), 300);
    EXPECT_EQ(loaded.count(), 0);
}

// Every way the window moves tells the host once, with the new range.
TEST_F(QtApi, EveryWayTheRangeChangesIsToldOnce)
{
    QSignalSpy moved(chart.get(), &REvuved::visibleRangeChanged);
    const auto toldOnce = [&](int s, int e) {
        const bool once = moved.count() == 1 && moved[0][0].toInt() == s && moved[0][1].toInt() == e &&
            chart->newestDay() == s && chart->oldestDay() == e;
        moved.clear();
        return once;
    };
    chart->GoBackward();
    EXPECT_TRUE(toldOnce(100, 199));
    chart->ZoomIn();
    EXPECT_TRUE(toldOnce(100, 169));
    chart->setFocus();
    QTest::keyClick(chart.get(), Qt::Key_Left);
    EXPECT_TRUE(toldOnce(105, 174));
    QWheelEvent wheel(QPointF(100, 100), price().mapToGlobal(QPointF(100, 100)), {}, QPoint(0, -120), Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&price(), &wheel);
    EXPECT_TRUE(toldOnce(36, 243));
    QTest::mouseClick(label("TimeForward"), Qt::LeftButton);
    EXPECT_TRUE(toldOnce(31, 238));
    chart->setVisibleRange(400, 250);   // clamped to the loaded days, and put in order
    EXPECT_TRUE(toldOnce(250, 300));
    chart->setVisibleRange(250, 300);   // no change: redrawn, nothing told
    EXPECT_EQ(moved.count(), 0);

    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("chart.txt"));
    chart->setVisibleRange(10, 60);
    chart->SaveChartInFile(path);
    chart->setVisibleRange(1, 100);
    moved.clear();
    chart->OpenChartFromFile(path);
    EXPECT_TRUE(toldOnce(10, 60));
}

TEST_F(QtApi, TheDrawingSwitchesArePropertiesToldWhicheverWayTheyChange)
{
    const QMetaObject *meta = chart->metaObject();
    for (const char *name :
         {"newestDay", "oldestDay", "dayCount", "ticker", "movingAverage10", "movingAverage50", "movingAverage200",
          "customMovingAverage", "envelopes", "bollingerBands", "highLowClose", "verticalGrid", "horizontalGrid"}) {
        const int index = meta->indexOfProperty(name);
        ASSERT_GE(index, 0) << name;
        EXPECT_TRUE(meta->property(index).hasNotifySignal()) << name;
    }
    QSignalSpy ma10(chart.get(), &REvuved::movingAverage10Changed);
    QSignalSpy bands(chart.get(), &REvuved::bollingerBandsChanged);
    QSignalSpy drawn(chart.get(), &REvuved::DrawComplete);
    EXPECT_TRUE(chart->setProperty("movingAverage10", false));
    EXPECT_FALSE(chart->MA10());
    EXPECT_EQ(drawn.count(), 1);
    ASSERT_EQ(ma10.count(), 1);
    EXPECT_EQ(ma10[0][0].toBool(), false);
    chart->setMovingAverage10(false);   // no change: nothing drawn, nothing told
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_EQ(ma10.count(), 1);

    auto menu = ModalAnswer::menu(QStringLiteral("mnuPriceIndicatorsBands"));   // the user's way
    QTest::mouseClick(&price(), Qt::RightButton, {}, QPoint(200, 100));
    QTRY_COMPARE(bands.count(), 1);
    EXPECT_TRUE(chart->bollingerBands());
    EXPECT_EQ(chart->property("bollingerBands").toBool(), true);
}

TEST_F(QtApi, ThePriceStyleAndTheLogarithmicScaleAreSwitchesToo)
{
    EXPECT_EQ(chart->priceStyle(), REvuved::HighLowClose);
    EXPECT_FALSE(chart->logarithmicScale());
    QSignalSpy style(chart.get(), &REvuved::priceStyleChanged);
    QSignalSpy log(chart.get(), &REvuved::logarithmicScaleChanged);
    QSignalSpy drawn(chart.get(), &REvuved::DrawComplete);
    EXPECT_TRUE(chart->setProperty("priceStyle", QVariant::fromValue(REvuved::Candlestick)));
    EXPECT_EQ(chart->priceStyle(), REvuved::Candlestick);
    EXPECT_EQ(drawn.count(), 1);
    ASSERT_EQ(style.count(), 1);
    EXPECT_EQ(style[0][0].value<REvuved::PriceStyle>(), REvuved::Candlestick);
    chart->setPriceStyle(REvuved::Candlestick);      // no change
    chart->setPriceStyle(REvuved::PriceStyle(7));    // no style at all
    chart->setProperty("priceStyle", -1);
    EXPECT_EQ(chart->priceStyle(), REvuved::Candlestick);
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_EQ(style.count(), 1);
    EXPECT_TRUE(chart->setProperty("priceStyle", "OpenHighLowClose"));   // by name, as a form sets it
    EXPECT_EQ(chart->property("priceStyle").value<REvuved::PriceStyle>(), REvuved::OpenHighLowClose);
    EXPECT_EQ(style.count(), 2);

    EXPECT_TRUE(chart->setProperty("logarithmicScale", true));
    EXPECT_TRUE(chart->logarithmicScale());
    ASSERT_EQ(log.count(), 1);
    EXPECT_TRUE(log[0][0].toBool());
    EXPECT_TRUE(quotechart::TestAccess::scale(*chart).logarithmic);   // the redraw fixed a logarithmic scale
    chart->setLogarithmicScale(true);
    EXPECT_EQ(log.count(), 1);
    chart->setLogarithmicScale(false);
    EXPECT_FALSE(quotechart::TestAccess::scale(*chart).logarithmic);
    EXPECT_EQ(log.count(), 2);
    EXPECT_EQ(drawn.count(), 4);
}

TEST_F(QtApi, TheReadoutsAreTheSameOnALogarithmicScaleInAnyStyle)
{
    chart->showCrosshairAt(40);
    const QString caption = label("CaptionLabel")->text(), change = label("ChangeLabel")->text();
    const QImage linearBars = price().image().copy();
    chart->setLogarithmicScale(true);
    chart->setPriceStyle(REvuved::Candlestick);
    chart->showCrosshairAt(40);
    EXPECT_EQ(label("CaptionLabel")->text(), caption);
    EXPECT_EQ(label("ChangeLabel")->text(), change);
    EXPECT_NE(price().image(), linearBars);
    // Back at the defaults, the pane is the one it was.
    chart->setLogarithmicScale(false);
    chart->setPriceStyle(REvuved::HighLowClose);
    chart->showCrosshairAt(40);
    EXPECT_EQ(price().image(), linearBars);
}

TEST_F(QtApi, AnOpenedTickerShowsItsNewestDays)
{
    hist.copySample(QStringLiteral("MSFT"));
    QSignalSpy loaded(chart.get(), &REvuved::historyLoaded);
    EXPECT_FALSE(chart->openTicker(QStringLiteral("NOSUCH")));
    EXPECT_EQ(chart->ticker(), QStringLiteral("MEM"));   // nothing changed
    EXPECT_EQ(loaded.count(), 0);
    ASSERT_TRUE(chart->openTicker(QStringLiteral("MSFT"), 50));
    EXPECT_EQ(chart->ticker(), QStringLiteral("MSFT"));
    EXPECT_EQ(chart->newestDay(), 1);
    EXPECT_EQ(chart->oldestDay(), 50);
    EXPECT_EQ(loaded.count(), 1);
    ASSERT_TRUE(chart->openTicker(QStringLiteral("MSFT"), 30000));
    EXPECT_EQ(chart->oldestDay(), chart->dayCount());
}

// showCrosshairAt draws what a left press on that day draws.
TEST_F(QtApi, TheCrosshairShownAtADayIsTheOneAPressThereDraws)
{
    QSignalSpy crosshair(chart.get(), &REvuved::crosshairMoved);
    QTest::mousePress(&price(), Qt::LeftButton, {}, pixelOf(*chart, 40));
    QTest::mouseRelease(&price(), Qt::LeftButton, {}, pixelOf(*chart, 40));
    const QString caption = label("CaptionLabel")->text(), change = label("ChangeLabel")->text();
    const QImage pressed = price().image().copy();
    ASSERT_EQ(crosshair.count(), 1);
    EXPECT_EQ(crosshair[0][0].toInt(), 40);

    chart->showCrosshairAt(0);
    EXPECT_EQ(crosshair.last()[0].toInt(), 0);
    EXPECT_FALSE(chart->isVerticalLineDisplayed);
    label("CaptionLabel")->clear();
    label("ChangeLabel")->clear();
    chart->showCrosshairAt(40);
    EXPECT_EQ(label("CaptionLabel")->text(), caption);
    EXPECT_EQ(label("ChangeLabel")->text(), change);
    EXPECT_EQ(price().image(), pressed);
    EXPECT_EQ(crosshair.last()[0].toInt(), 40);
}

// Two charts of different histories follow each other's crosshair by date:
// the nearest trading day on or before it. The link passes a move on once:
// the chart that follows does not lead the first one back.
TEST_F(QtApi, TwoChartsLinkedByDateFollowEachOther)
{
    auto other = std::make_unique<REvuved>();
    other->resize(900, 700);
    other->show();
    QList<DayPrices> fewer = weekdays(150, QDate(2001, 12, 28));
    fewer.removeAt(5);   // 2001-12-21, which the first chart has
    ASSERT_TRUE(other->loadHistory(QStringLiteral("OTHER"), fewer));
    other->setVisibleRange(1, 120);

    const auto dateOf = [](const REvuved &c, int day) {
        return QDate::fromString(c.history().date_array[day], Qt::ISODate);
    };
    const auto dayOnOrBefore = [&](const REvuved &c, QDate date) {
        for (int k = 1; k <= c.history().record_count; ++k)
            if (dateOf(c, k) <= date)
                return k;
        return 0;
    };
    bool linking = false;
    const auto link = [&](REvuved &from, REvuved &to) {
        QObject::connect(&from, &REvuved::crosshairMoved, &to, [&, from = &from, to = &to](int day) {
            if (linking)
                return;
            linking = true;
            to->showCrosshairAt(day ? dayOnOrBefore(*to, dateOf(*from, day)) : 0);
            linking = false;
        });
    };
    link(*chart, *other);
    link(*other, *chart);
    QSignalSpy otherMoved(other.get(), &REvuved::crosshairMoved);

    QTest::mousePress(&price(), Qt::LeftButton, {}, pixelOf(*chart, 10));
    ASSERT_FALSE(otherMoved.isEmpty());
    EXPECT_EQ(dateOf(*other, otherMoved.last()[0].toInt()), dateOf(*chart, 10));
    QTest::mouseMove(&price(), pixelOf(*chart, 7));   // 2001-12-21: missing over there
    EXPECT_EQ(dateOf(*chart, 7), QDate(2001, 12, 21));
    EXPECT_EQ(dateOf(*other, otherMoved.last()[0].toInt()), QDate(2001, 12, 20));
    QTest::mouseRelease(&price(), Qt::LeftButton, {}, pixelOf(*chart, 7));
    EXPECT_FLOAT_EQ(chart->OldVerticalLineX, float(pixelOf(*chart, 7).x() * T));   // the leader stays where it is

    QSignalSpy chartMoved(chart.get(), &REvuved::crosshairMoved);
    QTest::mouseClick(other->findChild<QWidget *>(QStringLiteral("Picture1")), Qt::LeftButton, {}, pixelOf(*other, 20));
    ASSERT_FALSE(chartMoved.isEmpty());
    EXPECT_EQ(dateOf(*chart, chartMoved.last()[0].toInt()), dateOf(*other, 20));
    EXPECT_TRUE(chart->isVerticalLineDisplayed);
}

TEST_F(QtApi, TransactionsAndTimeRangeAreTold)
{
    QSignalSpy transactions(chart.get(), &REvuved::transactionsChanged);
    QSignalSpy timeRange(chart.get(), &REvuved::timeRangeRequested);
    float x = float(pixelOf(*chart, 50).x() * T);
    chart->RecordBuy(x);
    x = float(pixelOf(*chart, 30).x() * T);
    chart->RecordSell(x);
    EXPECT_EQ(transactions.count(), 2);
    chart->ClearBuysSells();
    EXPECT_EQ(transactions.count(), 3);
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("chart.txt"));
    chart->SaveChartInFile(path);
    chart->OpenChartFromFile(path);
    EXPECT_EQ(transactions.count(), 4);

    chart->findChild<QAction *>(QStringLiteral("mnuPopupTimeRange"))->trigger();
    EXPECT_EQ(timeRange.count(), 1);
}

}   // namespace
