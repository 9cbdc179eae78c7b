#include "controllers/TransactionListView.h"

#include <QLabel>
#include <QTreeWidget>

namespace quotechart {

namespace {

void appendRow(QTreeWidget &list, const ListEntry &entry)
{
    auto *item = new QTreeWidgetItem({entry.text, entry.price, entry.date, entry.percent});
    item->setForeground(0, entry.text == BuyText ? BuyEntryColour : SellEntryColour);
    list.addTopLevelItem(item);
}

std::vector<ListEntry> rowsOf(const QTreeWidget &list)
{
    std::vector<ListEntry> rows;
    rows.reserve(std::size_t(list.topLevelItemCount()));
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = list.topLevelItem(i);
        rows.push_back({item->text(0), item->text(1), item->text(2), item->text(3)});
    }
    return rows;
}

// Makes a change of the list from the log, which the list's own signals
// must not report back.
class Showing {
public:
    explicit Showing(bool &flag) : flag_(flag) { flag_ = true; }
    ~Showing() { flag_ = false; }

private:
    bool &flag_;
};

}   // namespace

TransactionListView::TransactionListView(TransactionLog &log, QTreeWidget &list, QLabel &sumGain, QLabel &cumGain)
    : log_(log), list_(list), sumGain_(sumGain), cumGain_(cumGain)
{
    log_.setObserver(this);
    QAbstractItemModel *rows = list_.model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &TransactionListView::changedElsewhere);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &TransactionListView::changedElsewhere);
    connect(rows, &QAbstractItemModel::rowsMoved, this, &TransactionListView::changedElsewhere);
    connect(rows, &QAbstractItemModel::modelReset, this, &TransactionListView::changedElsewhere);
    connect(rows, &QAbstractItemModel::dataChanged, this, &TransactionListView::changedElsewhere);
    connect(rows, &QAbstractItemModel::layoutChanged, this, &TransactionListView::changedElsewhere);
}

TransactionListView::~TransactionListView() { log_.setObserver(nullptr); }

void TransactionListView::appended(const ListEntry &entry)
{
    const Showing showing(showing_);
    appendRow(list_, entry);
}

// After a removal nothing is selected, so that one confirmation of the
// list's Delete takes away the last transaction or the last pair, never more
// (Qt would select the next row on its own).
void TransactionListView::removedLast()
{
    const Showing showing(showing_);
    delete list_.takeTopLevelItem(list_.topLevelItemCount() - 1);
    list_.setCurrentItem(nullptr);
    list_.clearSelection();
}

void TransactionListView::replaced()
{
    const Showing showing(showing_);
    list_.clear();
    for (const ListEntry &entry : log_.entries())
        appendRow(list_, entry);
}

void TransactionListView::gainsChanged()
{
    sumGain_.setText(log_.sumGainText());
    cumGain_.setText(log_.cumGainText());
}

void TransactionListView::changedElsewhere()
{
    if (!showing_)
        log_.replaceEntries(rowsOf(list_));
}

}   // namespace quotechart
