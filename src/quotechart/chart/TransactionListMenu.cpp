// The transaction list's popup menu: only the last entry can be deleted, and
// deleting a sell takes its buy with it.

#include "chart/ChartPrivate.h"
#include "platform/MessageBox.h"
#include "platform/Rounding.h"
#include "document/TransactionEntries.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

namespace quotechart {

namespace {

QTreeWidgetItem *lastEntry(QTreeWidget &list) { return list.topLevelItem(list.topLevelItemCount() - 1); }

// Whether the selected entry is the last one, and of the given kind (any
// kind when `text` is empty).
bool lastIsSelected(QTreeWidget &list, const QString &text = {})
{
    const QList<QTreeWidgetItem *> selected = list.selectedItems();
    QTreeWidgetItem *last = lastEntry(list);
    return last && !selected.isEmpty() && selected.first() == last && (text.isEmpty() || last->text(0) == text);
}

// After a removal nothing is selected, so that one confirmation takes away
// the last transaction or the last pair, never more.
void removeLast(QTreeWidget &list)
{
    delete list.takeTopLevelItem(list.topLevelItemCount() - 1);
    list.setCurrentItem(nullptr);
    list.clearSelection();
}

void dropOne(int16_t &count) { count = platform::sub16(count, 1).value_or(count); }

}   // namespace

void REvuved::connectTransactionList()
{
    d->widgets.ListView1->viewport()->installEventFilter(this);
    connect(d->menus.mnuPopupListViewDelete, &QAction::triggered, this, [this] { deleteLastTransaction(); });
}

// The right button's release: its press has already selected the entry under
// the pointer, as a click of the list's own does.
bool REvuved::transactionListEvent(QObject *watched, QEvent *event)
{
    QTreeWidget &list = *d->widgets.ListView1;
    if (watched != list.viewport() || event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton || !list.itemAt(mouse->position().toPoint()) || !lastIsSelected(list))
        return false;
    d->menus.mnuPopupListView->exec(mouse->globalPosition().toPoint());
    return true;
}

void REvuved::deleteLastTransaction()
{
    const QString question = QStringLiteral("Delete transaction?") + QChar(10) +
        QStringLiteral("(corresponding Buys or Sells will also be deleted)");
    const QPointer<REvuved> alive(this);
    const QMessageBox::StandardButton answer = platform::messageBox(
        this, question, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel, QStringLiteral("Confirmation"));
    if (!alive)
        return;   // closed while the question was open
    if (answer == QMessageBox::Ok) {
        QTreeWidget &list = *d->widgets.ListView1;
        if (lastIsSelected(list, SellText)) {
            removeLast(list);
            dropOne(sell_number);
            // The buy it closed, now last; after a sell following a sell the
            // entry before is no buy and stays.
            if (QTreeWidgetItem *last = lastEntry(list); last && last->text(0) == BuyText) {
                removeLast(list);
                dropOne(buy_number);
            }
            redraw();
        }
        if (lastIsSelected(list, BuyText)) {
            removeLast(list);
            dropOne(buy_number);
            redraw();
        }
    }
    CalculateSumGain();
    CalculateCumGain();
}

}   // namespace quotechart
