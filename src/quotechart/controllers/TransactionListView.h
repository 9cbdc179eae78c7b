#pragma once
// The transaction list and the two gain labels under it, showing the chart
// model's transaction log: every entry as a row ("B" in green, "S" in red),
// the gains as the labels' texts.
//
// The list is a named child of the chart that a host can reach and change
// (a host empties it before FillListView after opening a chart file); what
// a host does to it directly is read back into the log, so the gains and
// the report keep following what the list shows. The chart owns the view
// and destroys it before the log and the list.

#include "document/TransactionLog.h"

#include <QObject>

class QLabel;
class QTreeWidget;

namespace quotechart {

class TransactionListView : public QObject, private TransactionLog::Observer {
public:
    TransactionListView(TransactionLog &log, QTreeWidget &list, QLabel &sumGain, QLabel &cumGain);
    ~TransactionListView() override;

private:
    void appended(const ListEntry &entry) override;
    void removedLast() override;
    void replaced() override;
    void gainsChanged() override;
    void changedElsewhere();

    TransactionLog &log_;
    QTreeWidget &list_;
    QLabel &sumGain_;
    QLabel &cumGain_;
    bool showing_ = false;   // the list is being changed from the log
};

}   // namespace quotechart
