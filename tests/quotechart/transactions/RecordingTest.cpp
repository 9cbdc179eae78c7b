// Buys and sells recorded as a host records them: the refusal, the tables,
// the list's entries and gains, the arrows, the limits, clearing and the
// report.

#include "Pixels.h"
#include "TransactionsFixture.h"
#include "chart/GridLineDelegate.h"
#include "render/Crosshair.h"
#include "platform/Rounding.h"
#include "render/PriceAxis.h"

#include <QAbstractButton>

#include <QSignalSpy>

namespace {

const QColor BuyArrow(0, 180, 0), SellArrow(180, 0, 0);
const QString CantSell = "You can't sell the security before you bought it";

class Recording : public TransactionsTest {
protected:
    // The message a sell gave, empty when it gave none.
    QString sellMessage(int day)
    {
        auto answer = ModalAnswer::messageBox(QMessageBox::Ok);
        sellOn(day);
        return answer->answered() ? answer->text() : QString();
    }
    QString buyMessage(float x)
    {
        auto answer = ModalAnswer::messageBox(QMessageBox::Ok);
        chart->RecordBuy(x);
        return answer->answered() ? answer->text() : QString();
    }
    // Drawn by a host's call the arrow's centre column is left inverted (no
    // crosshair stood there to be put back); inverting it again shows the
    // arrow whole.
    void invertLinesAt(std::initializer_list<int> days)
    {
        for (int day : days)
            quotechart::invertVerticalLine(price().surface(), xOf(day));
        price().surface().setDrawMode(platform::DrawMode::CopyPen);
    }
    bool arrowsShow()
    {
        const QImage &image = price().image();
        return !paintedRows(image, BuyArrow).empty() || !paintedRows(image, SellArrow).empty();
    }
};

TEST_F(Recording, ASellNeedsABuyThatIsNotMoreRecentThanIt)
{
    EXPECT_EQ(sellMessage(30), CantSell);   // nothing bought yet
    EXPECT_EQ(chart->sell_number, 0);
    EXPECT_EQ(list().topLevelItemCount(), 0);
    EXPECT_EQ(label("SumGain"), "Summarized gain: 0.0 %");   // recomputed all the same
    EXPECT_EQ(label("CumGain"), "Cumulative gain: 0.0 %");

    setDay(40, 20.0f);
    setDay(12, 25.0f);
    buyOn(40);
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    ModalAnswer refusal([&](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        buttons = box->standardButtons();
        icon = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    sellOn(45);
    EXPECT_TRUE(refusal.answered());
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(chart->sell_number, 0);

    EXPECT_EQ(sellMessage(40), "");   // the buy's own day
    EXPECT_EQ(sellMessage(12), "");
    EXPECT_EQ(chart->buy_number, 1);
    EXPECT_EQ(chart->sell_number, 2);
    EXPECT_EQ(tables().buy_days[1], 40);
    EXPECT_EQ(tables().sell_days[1], 40);
    EXPECT_EQ(tables().sell_days[2], 12);
    EXPECT_EQ(entries(), QStringList({entry("B", 40), entry("S", 40, "0.0"), entry("S", 12, "25.0")}));
}

TEST_F(Recording, TheListAndTheGainsFollowTheWorkedExample)
{
    setDay(50, 10.0f);
    setDay(45, 11.0f);
    setDay(30, 10.0f);
    setDay(20, 12.0f);
    buyOn(50);
    EXPECT_EQ(label("SumGain"), "Summarized gain");   // a buy completes no pair
    sellOn(45);
    buyOn(30);
    sellOn(20);
    EXPECT_EQ(label("SumGain"), "Summarized gain: 30.0 %");
    EXPECT_EQ(label("CumGain"), "Cumulative gain: 32.0 %");
    EXPECT_EQ(entries(), QStringList({entry("B", 50), entry("S", 45, "10.0"), entry("B", 30), entry("S", 20, "20.0")}));
    EXPECT_EQ(list().topLevelItem(0)->foreground(0).color(), QColor(0, 200, 0));
    EXPECT_EQ(list().topLevelItem(1)->foreground(0).color(), QColor(200, 0, 0));
    EXPECT_FALSE(list().isSortingEnabled());
}

TEST_F(Recording, APairAtTheSamePriceGainsNothing)
{
    setDay(30, 12.34f);
    setDay(20, 12.34f);
    buyOn(30);
    sellOn(20);
    EXPECT_EQ(label("SumGain"), "Summarized gain: 0.0 %");
    EXPECT_EQ(label("CumGain"), "Cumulative gain: 0.0 %");
    EXPECT_EQ(entries().last(), entry("S", 20, "0.0"));
}

TEST_F(Recording, TheArrowsTipsUnderTheLowAndOverTheHigh)
{
    buyOn(30);
    sellOn(20);
    invertLinesAt({30, 20});
    const quotechart::PriceAxis prices(price().surface().scaleHeight(), quotechart::TestAccess::scale(*chart));
    const auto row = [](double twips) { return int(platform::roundHalfEven(float(twips / T))); };
    const QImage &image = price().image();
    EXPECT_EQ(paintedRows(image, BuyArrow),
              arrowRows(int(xOf(30) / T), row(prices.yOverBottomEdge(history().low_array[30])), true));
    EXPECT_EQ(paintedRows(image, SellArrow),
              arrowRows(int(xOf(20) / T), row(prices.yOverBottomEdge(history().high_array[20]) - 100), false));
}

TEST_F(Recording, WithThePriceDrawingSuppressedTheTipsSitAboveTheBottom)
{
    quotechart::TestAccess::document(*chart).switches.hide_chart_flag = true;
    setRange(1, 100);
    buyOn(30);
    sellOn(20);
    invertLinesAt({30, 20});
    const int h = price().height();
    EXPECT_EQ(paintedRows(price().image(), BuyArrow), arrowRows(int(xOf(30) / T), h - 13, true));    // 200 twips up
    EXPECT_EQ(paintedRows(price().image(), SellArrow), arrowRows(int(xOf(20) / T), h - 2, false));   // 30 twips up
    setRange(1, 100);
    const auto sells = paintedRows(price().image(), SellArrow), buys = paintedRows(price().image(), BuyArrow);
    ASSERT_FALSE(sells.empty() || buys.empty());
    EXPECT_EQ(sells.rbegin()->first, h - 3);   // the redraw's 50 twips
    EXPECT_EQ(buys.begin()->first, h - 13);
}

TEST_F(Recording, NoMoreThan125OfAKindAndOnlyOnLoadedDays)
{
    for (int i = 0; i < 125; ++i)
        buyOn(50);
    float x = xOf(50);
    EXPECT_EQ(buyMessage(x), "You can't record more than 125 buys");
    EXPECT_EQ(chart->buy_number, 125);
    EXPECT_EQ(tables().buy_days[126], 0);
    for (int i = 0; i < 125; ++i)
        sellOn(50);
    EXPECT_EQ(sellMessage(50), "You can't record more than 125 sells");
    EXPECT_EQ(chart->sell_number, 125);
    EXPECT_EQ(tables().sell_days[126], 0);
    EXPECT_EQ(list().topLevelItemCount(), 250);

    chart->ClearBuysSells();
    setRange(250, 300);
    float left = 0;   // the slot of day 301, past the oldest loaded day
    EXPECT_EQ(buyMessage(left), "");
    chart->buy_number = -1;   // as only a host could set it
    float inside = xOf(260);
    EXPECT_EQ(buyMessage(inside), "");
    EXPECT_EQ(chart->buy_number, -1);
    EXPECT_EQ(tables().buy_days[0], 0);
    EXPECT_EQ(list().topLevelItemCount(), 0);

    quotechart::REvuved empty;   // nothing loaded at all
    empty.resize(600, 400);
    empty.RecordBuy(inside);
    EXPECT_EQ(empty.buy_number, 0);
}

TEST_F(Recording, ClearingForgetsTheCountsAndTheListButNotTheTables)
{
    buyOn(30);
    sellOn(20);
    QSignalSpy drawn(chart.get(), &quotechart::REvuved::DrawComplete);
    chart->ClearBuysSells();
    EXPECT_EQ(chart->buy_number, 0);
    EXPECT_EQ(chart->sell_number, 0);
    EXPECT_EQ(list().topLevelItemCount(), 0);
    EXPECT_EQ(label("SumGain"), "Summarized gain");
    EXPECT_EQ(label("CumGain"), "Cumulative gain");
    EXPECT_EQ(drawn.count(), 1);
    EXPECT_FALSE(arrowsShow());
    EXPECT_EQ(tables().buy_days[1], 30);
    EXPECT_EQ(tables().sell_days[1], 20);
}

TEST_F(Recording, FillingTheListAppendsTheCountedPairsEachTime)
{
    tables().buy_days[1] = 10;
    tables().buy_days[2] = 20;
    tables().sell_days[1] = 5;
    tables().sell_days[2] = 3;   // past the count
    chart->buy_number = 2;
    chart->sell_number = 1;
    setDay(10, 8.0f);
    setDay(5, 10.0f);
    chart->FillListView();
    const QStringList once{entry("B", 10), entry("S", 5, "25.0"), entry("B", 20)};
    EXPECT_EQ(entries(), once);
    chart->FillListView();
    EXPECT_EQ(entries(), once + once);
    EXPECT_EQ(list().topLevelItem(4)->foreground(0).color(), QColor(200, 0, 0));
}

TEST_F(Recording, FillingFromTablesNoChartCouldRecordStaysInsideThem)
{
    tables().buy_days.fill(0);
    tables().buy_days[1] = -7;
    tables().buy_days[2] = 5001;
    tables().sell_days.fill(32767);
    chart->buy_number = 32767;
    chart->sell_number = 32767;
    chart->FillListView();
    EXPECT_EQ(list().topLevelItemCount(), 500);   // all 250 of each table
    EXPECT_EQ(entries().first(), "B|||");
    EXPECT_EQ(entries()[1], "S|||");
    chart->CalculateSumGain();
    chart->CalculateCumGain();
    EXPECT_EQ(label("SumGain"), "Summarized gain: 0.0 %");
    EXPECT_EQ(label("CumGain"), "Cumulative gain: 0.0 %");
}

TEST_F(Recording, TheReportReadsTheListAndTheLabelsAsTheyAre)
{
    quotechart::TestAccess::document(*chart).company_name = "ACME";
    setDay(50, 10.0f, "2-Jan-01");
    setDay(45, 11.0f, "5-Jan-01");
    buyOn(50);
    sellOn(45);
    EXPECT_EQ(chart->PrintTransactionsReport(),
              QString("ACME\n"
                      "Bought on:   2-Jan-01\t\t at: $10.00\n"
                      "Sold on:     5-Jan-01\t\t at: $11.00\t Gain:10.0%\n"
                      "\n"
                      "Summarized gain: 10.0 %\n"
                      "Cumulative gain: 10.0 %\n"));
    chart->ClearBuysSells();
    EXPECT_EQ(chart->PrintTransactionsReport(), QString("ACME\n\nSummarized gain\nCumulative gain\n"));
}

// The list keeps a cell's text whole (the report reads it back) but lays out
// only what a cell can show: a million-character date made every paint of
// the list cost a third of a second.
TEST_F(Recording, AMillionCharacterDateIsListedWholeAndLaidOutOnlyAsFarAsItShows)
{
    const QString date(1'000'000, QLatin1Char('7'));
    setDay(50, 10.0f, date);
    buyOn(50);
    ASSERT_EQ(list().topLevelItemCount(), 1);
    EXPECT_EQ(list().topLevelItem(0)->text(2), date);
    EXPECT_TRUE(chart->PrintTransactionsReport().contains(date));

    struct CellOption : quotechart::GridLineDelegate {
        using GridLineDelegate::GridLineDelegate;
        QString shown(const QModelIndex &index) const
        {
            QStyleOptionViewItem option;
            initStyleOption(&option, index);
            return option.text;
        }
    };
    const CellOption delegate;
    const QString shown = delegate.shown(list().model()->index(0, 2));
    EXPECT_TRUE(date.startsWith(shown));
    EXPECT_LT(shown.size(), 100'000);
    list().viewport()->repaint();
}

}   // namespace
