#include "chart/GridLineDelegate.h"

#include "platform/TextExtent.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace quotechart {

void GridLineDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    painter->save();
    painter->setPen(QColor(192, 192, 192));
    const QRect cell = option.rect;
    painter->drawLine(cell.bottomLeft(), cell.bottomRight());
    painter->drawLine(cell.topRight(), cell.bottomRight());
    painter->restore();
}

// The cell's text is the item's, whole, for everyone who reads it; only the
// painting and the size hint see the start of it that can show.
void GridLineDelegate::initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QWidget *view = option->widget;
    const QScreen *screen = view ? view->screen() : nullptr;
    const int reach = screen ? screen->geometry().width() : option->rect.width();
    option->text = platform::visiblePart(option->text, option->font, reach, view);
}

}   // namespace quotechart
