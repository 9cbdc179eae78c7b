#include "controllers/TransactionListMenu.h"

#include "document/ChartModel.h"
#include "platform/MessageBox.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QTreeWidget>

namespace quotechart {

namespace {

// Whether the selected entry is the last one, and of the given kind (any
// kind when `text` is empty).
bool lastIsSelected(const QTreeWidget &list, const QString &text = {})
{
    const QList<QTreeWidgetItem *> selected = list.selectedItems();
    const QTreeWidgetItem *last = list.topLevelItem(list.topLevelItemCount() - 1);
    return last && !selected.isEmpty() && selected.first() == last && (text.isEmpty() || last->text(0) == text);
}

const QString DeleteQuestion = QStringLiteral("Delete transaction?") + QChar(10) +
    QStringLiteral("(corresponding Buys or Sells will also be deleted)");

}   // namespace

TransactionListMenu::TransactionListMenu(ChartModel &model, QTreeWidget &list, QMenu &menu, QAction &deleteEntry,
                                         QWidget &chart, ChartActions actions)
    : model_(model), list_(list), menu_(menu), chart_(chart), actions_(std::move(actions))
{
    list_.viewport()->installEventFilter(this);
    connect(&deleteEntry, &QAction::triggered, this, [this] { deleteLastTransaction(); });
}

// The right button's release: its press has already selected the entry under
// the pointer, as a click of the list's own does.
bool TransactionListMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != list_.viewport() || event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::RightButton || !list_.itemAt(mouse->position().toPoint()) || !lastIsSelected(list_))
        return false;
    menu_.exec(mouse->globalPosition().toPoint());
    return true;
}

void TransactionListMenu::deleteLastTransaction()
{
    const QPointer<QWidget> alive(&chart_);
    const QMessageBox::StandardButton answer =
        platform::messageBox(&chart_, DeleteQuestion, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
                             QStringLiteral("Confirmation"));
    if (!alive)
        return;   // closed while the question was open
    if (answer == QMessageBox::Ok) {
        if (lastIsSelected(list_, SellText)) {
            model_.removeLastSell();
            actions_.redraw();
        }
        if (lastIsSelected(list_, BuyText)) {   // nothing is selected after a removal
            model_.removeLastBuy();
            actions_.redraw();
        }
    }
    model_.updateSumGain();
    model_.updateCumGain();
}

}   // namespace quotechart
