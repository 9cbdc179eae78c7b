#pragma once
// A chart of 300 synthetic days showing days 1 to 100, with the transactions
// tab in front, and the ways a test records and reads transactions.

#include "ChartTest.h"
#include "ModalAnswer.h"
#include "Pixels.h"
#include "TestAccess.h"
#include "render/DayAxis.h"

#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>

#include <cmath>
#include <map>

class TransactionsTest : public ChartTest {
protected:
    void SetUp() override
    {
        showChart(1200, 900);
        hist.writeStandard("DAYS", syntheticRows(300, 50.0));
        load("DAYS");
        setRange(1, 100);
        child<QTabWidget>("SSTab1")->setCurrentIndex(1);
    }
    void setRange(int s, int e)
    {
        chart->starting_date_local = int16_t(s);
        chart->ending_date_local = int16_t(e);
        quotechart::TestAccess::redraw(*chart);
    }

    quotechart::PriceHistory &history() { return quotechart::TestAccess::history(*chart); }
    quotechart::TransactionTables &tables() { return quotechart::TestAccess::document(*chart).transactions; }
    QTreeWidget &list() { return *child<QTreeWidget>("ListView1"); }
    QString label(const char *name) { return child<QLabel>(QLatin1String(name))->text(); }
    platform::PictureBox &price() { return *box("Picture1"); }

    // The pixel column nearest to where the chart draws `day`, in twips.
    float xOf(int day)
    {
        const double W = price().surface().scaleWidth();
        const int16_t s = chart->starting_date_local, e = chart->ending_date_local;
        const auto axis = quotechart::DayAxis::singleSlot(W, s, e, *quotechart::DayAxis::singleSlotWidth(W, s, e));
        return float(std::lround(axis.x(day) / T) * T);
    }
    void buyOn(int day)
    {
        float x = xOf(day);
        chart->RecordBuy(x);
    }
    void sellOn(int day)
    {
        float x = xOf(day);
        chart->RecordSell(x);
    }
    // A sell the chart refuses, with the message it gave.
    QString refusedSellOn(int day)
    {
        auto answer = ModalAnswer::messageBox(QMessageBox::Ok);
        sellOn(day);
        return answer->answered() ? answer->text() : QString();
    }
    void setDay(int day, float close, const QString &date = {})
    {
        history().close_array[day] = close;
        if (!date.isEmpty())
            history().date_array[day] = date;
    }

    // Each entry as "text|price|date|%".
    QStringList entries()
    {
        QStringList rows;
        for (int i = 0; i < list().topLevelItemCount(); ++i) {
            const QTreeWidgetItem *item = list().topLevelItem(i);
            rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join('|');
        }
        return rows;
    }
    QString entry(const char *text, int day, const QString &percent = {})
    {
        return QStringList{text, QString::number(history().close_array[day], 'f', 2), history().date_array[day],
                           percent}
            .join('|');
    }
};

// The rows of an arrow with its tip at (x, y): a buy's below the tip, a sell's above.
inline std::map<int, std::pair<int, int>> arrowRows(int x, int y, bool isBuy)
{
    const int s = isBuy ? 1 : -1;
    std::map<int, std::pair<int, int>> rows{{y, {x, 1}}};
    for (int k = 1; k <= 4; ++k)
        rows[y + s * k] = k == 1 ? std::pair{x - 1, 3} : std::pair{x - k, 2 * k + 1};
    for (int k = 5; k <= 11; ++k)
        rows[y + s * k] = {x - 1, 3};
    return rows;
}
