#include "ModalAnswer.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>

ModalAnswer::ModalAnswer(std::function<void(QWidget *)> answer, int timeoutMs)
    : answer_(std::move(answer)), remainingPolls_(timeoutMs)
{
    timer_.setInterval(1);
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start();
}

ModalAnswer::~ModalAnswer() { timer_.stop(); }

void ModalAnswer::poll()
{
    QWidget *widget = QApplication::activePopupWidget();
    if (!widget)
        widget = QApplication::activeModalWidget();
    if (!widget) {
        if (--remainingPolls_ <= 0)
            timer_.stop();
        return;
    }
    timer_.stop();
    if (auto *box = qobject_cast<QMessageBox *>(widget)) {
        text_ = box->text();
        title_ = box->windowTitle();
        icon_ = box->icon();
    }
    answered_ = true;
    answer_(widget);
}

std::unique_ptr<ModalAnswer> ModalAnswer::messageBox(QMessageBox::StandardButton button)
{
    return std::make_unique<ModalAnswer>([button](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box) {
            widget->close();
            return;
        }
        if (QAbstractButton *pressed = box->button(button))
            pressed->click();
        else
            box->close();
    });
}

std::unique_ptr<ModalAnswer> ModalAnswer::menu(const QString &actionName)
{
    return std::make_unique<ModalAnswer>([actionName](QWidget *widget) {
        auto *menu = qobject_cast<QMenu *>(widget);
        QAction *action = menu && !actionName.isEmpty() ? menu->findChild<QAction *>(actionName) : nullptr;
        widget->close();
        // Trigger once the menu's own event loop has returned, as a click would.
        if (action)
            QTimer::singleShot(0, action, [action] { action->trigger(); });
    });
}

std::unique_ptr<ModalAnswer> ModalAnswer::dialog(std::function<void(QDialog *)> fill)
{
    return std::make_unique<ModalAnswer>([fill = std::move(fill)](QWidget *widget) {
        if (auto *dialog = qobject_cast<QDialog *>(widget))
            fill(dialog);
        else
            widget->close();
    });
}
