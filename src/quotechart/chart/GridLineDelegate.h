#pragma once
// Draws grid lines around every cell of the transaction list, which Qt's
// item views do not offer for tree views, and lays out only as much of a
// cell's text as the cell can show: a date field of a million characters
// would otherwise be measured and elided on every paint.

#include <QStyledItemDelegate>

namespace quotechart {

class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;
};

}   // namespace quotechart
