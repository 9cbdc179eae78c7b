#pragma once
// Draws grid lines around every cell of the transaction list, which Qt's
// item views do not offer for tree views.

#include <QStyledItemDelegate>

namespace quotechart {

class GridLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};

}   // namespace quotechart
