#pragma once
// The transaction list's popup menu: a right-button release on the last
// entry, selected, opens it; its Delete asks for confirmation and removes
// the last transaction, a sell together with the buy it closed. Only the
// last entry can be deleted.

#include "controllers/ChartActions.h"

#include <QObject>

class QAction;
class QMenu;
class QTreeWidget;
class QWidget;

namespace quotechart {

class ChartModel;

class TransactionListMenu : public QObject {
public:
    // `chart` is the parent of the confirmation; the chart may be closed
    // while it is shown, which the menu expects.
    TransactionListMenu(ChartModel &model, QTreeWidget &list, QMenu &menu, QAction &deleteEntry, QWidget &chart,
                        ChartActions actions);

    void deleteLastTransaction();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    ChartModel &model_;
    QTreeWidget &list_;
    QMenu &menu_;
    QWidget &chart_;
    ChartActions actions_;
};

}   // namespace quotechart
