// REvuved's transactions: recording buys and sells with their arrows, the
// transaction list and the gain labels under it, and the text report. The
// list's texts are what the gains and the report read back.

#include "chart/ChartPrivate.h"
#include "render/Crosshair.h"
#include "platform/MessageBox.h"
#include "platform/PictureBox.h"
#include "render/DayAxis.h"
#include "render/Arrow.h"
#include "document/Gains.h"
#include "document/TransactionEntries.h"
#include "document/TransactionsReport.h"

#include <QLabel>
#include <QPointer>
#include <QTreeWidget>

#include <algorithm>
#include <vector>

namespace quotechart {

namespace {

// The user records at most this many of each kind; the tables hold twice as
// many, which only a chart file fills.
constexpr int16_t RecordLimit = 125;
// With the price drawing suppressed a recorded arrow's tip stands this far
// above the pane's bottom (the next redraw puts a sell's at 50).
constexpr double RecordedHiddenBuyRise = 200;
constexpr double RecordedHiddenSellRise = 30;

void appendEntry(QTreeWidget &list, const ListEntry &entry)
{
    auto *item = new QTreeWidgetItem({entry.text, entry.price, entry.date, entry.percent});
    item->setForeground(0, entry.text == BuyText ? BuyEntryColour : SellEntryColour);
    list.addTopLevelItem(item);
}

std::vector<ListEntry> entriesOf(const QTreeWidget &list)
{
    std::vector<ListEntry> entries;
    entries.reserve(std::size_t(list.topLevelItemCount()));
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list.topLevelItem(i);
        entries.push_back({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return entries;
}

// Room for one more after `count` recorded; when full the user is told. A
// count a host made negative would write below the table: refused silently.
bool hasRoom(QWidget *parent, int16_t count, const char *kind)
{
    if (count >= 0 && count < RecordLimit)
        return true;
    if (count >= RecordLimit)
        platform::messageBox(
            parent, QStringLiteral("You can't record more than %1 %2").arg(RecordLimit).arg(QLatin1String(kind)),
            QMessageBox::Warning, QMessageBox::Ok);
    return false;
}

// The loaded day under x, as the crosshair's read-out finds it.
std::optional<int16_t> loadedDayUnder(const REvuved &chart, platform::SurfaceRegion &pane, float x)
{
    const DayAxis days = DayAxis::singleSlot(pane.scaleWidth(), chart.starting_date_local, chart.ending_date_local, 0);
    const std::optional<int16_t> day = days.dayAt(x);
    const int16_t loaded = std::min(chart.history().record_count, PriceHistory::capacity);
    if (!day || *day < 1 || *day > loaded)
        return std::nullopt;
    return day;
}

}   // namespace

// The right-button release that opened the menu drew the crosshair at x; it
// is inverted away while the arrow is drawn and then put back.
void REvuved::drawRecordedArrow(float x, int16_t day, bool isBuy)
{
    platform::SurfaceRegion &pane = d->widgets.Picture1->surface();
    invertVerticalLine(pane, x);
    pane.setDrawMode(platform::DrawMode::CopyPen);
    if (d->document.switches.hide_chart_flag) {
        const double rise = isBuy ? RecordedHiddenBuyRise : RecordedHiddenSellRise;
        float px = float(x / pane.twipsPerPixelX());
        float py = float((pane.scaleHeight() - rise) / pane.twipsPerPixelY());
        DrawArrow(px, py, pane, isBuy);
    } else {
        drawArrowForDay(x, day, isBuy);
    }
    pane.setDrawWidth(1);
    invertVerticalLine(pane, x);
    pane.setDrawMode(platform::DrawMode::CopyPen);
}

void REvuved::RecordBuy(float &x)
{
    const std::optional<int16_t> day = loadedDayUnder(*this, d->widgets.Picture1->surface(), x);
    if (!day)
        return;
    if (!hasRoom(this, buy_number, "buys"))
        return;
    drawRecordedArrow(x, *day, true);
    appendEntry(*d->widgets.ListView1, buyEntry(*d->history, *day));
    ++buy_number;
    d->document.transactions.buy_days[buy_number] = *day;
}

void REvuved::RecordSell(float &x)
{
    const QPointer<REvuved> alive(this);
    if (const std::optional<int16_t> day = loadedDayUnder(*this, d->widgets.Picture1->surface(), x))
        recordSell(x, *day);
    if (!alive)
        return;   // the host closed the chart while a refusal was shown
    CalculateSumGain();
    CalculateCumGain();
}

// A smaller index is a more recent day: the sell may not be older than the
// last buy, and may fall on its day.
void REvuved::recordSell(float x, int16_t day)
{
    TransactionTables &t = d->document.transactions;
    const bool bought = buy_number >= 1 && buy_number <= TransactionTables::capacity;
    if (!bought || day > t.buy_days[buy_number]) {
        platform::messageBox(this, QStringLiteral("You can't sell the security before you bought it"),
                             QMessageBox::Warning, QMessageBox::Ok);
        return;
    }
    if (!hasRoom(this, sell_number, "sells"))
        return;
    const int16_t boughtOn = t.buy_days[buy_number];
    drawRecordedArrow(x, day, false);
    appendEntry(*d->widgets.ListView1, sellEntry(*d->history, day, boughtOn));
    ++sell_number;
    t.sell_days[sell_number] = day;
}

void REvuved::ClearBuysSells()
{
    buy_number = 0;
    sell_number = 0;
    d->widgets.ListView1->clear();
    redraw();
    d->widgets.SumGain->setText(SumGainCaption);
    d->widgets.CumGain->setText(CumGainCaption);
}

void REvuved::FillListView()
{
    const TransactionTables &t = d->document.transactions;
    QTreeWidget &list = *d->widgets.ListView1;
    const int buys = std::min<int>(buy_number, TransactionTables::capacity);
    for (int i = 1; i <= buys; ++i) {
        appendEntry(list, buyEntry(*d->history, t.buy_days[i]));
        if (i <= sell_number)
            appendEntry(list, sellEntry(*d->history, t.sell_days[i], t.buy_days[i]));
    }
}

void REvuved::CalculateSumGain()
{
    d->widgets.SumGain->setText(summarizedGainText(entriesOf(*d->widgets.ListView1), sell_number));
}

void REvuved::CalculateCumGain()
{
    d->widgets.CumGain->setText(cumulativeGainText(entriesOf(*d->widgets.ListView1), sell_number));
}

QString REvuved::PrintTransactionsReport()
{
    return transactionsReport(d->document.company_name, entriesOf(*d->widgets.ListView1), d->widgets.SumGain->text(),
                              d->widgets.CumGain->text());
}

}   // namespace quotechart
