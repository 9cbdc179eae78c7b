#pragma once
// Answers a modal widget the way a user would: a zero-delay timer waits for
// the next message box, dialog or popup menu to open, then runs the answer on
// it, while the code under test sits in the widget's own event loop.

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <functional>

class QDialog;
class QMenu;

class ModalAnswer {
public:
    // Gives up after `timeoutMs` without a modal widget.
    explicit ModalAnswer(std::function<void(QWidget *)> answer, int timeoutMs = 5000);
    ~ModalAnswer();
    ModalAnswer(const ModalAnswer &) = delete;
    ModalAnswer &operator=(const ModalAnswer &) = delete;

    bool answered() const { return answered_; }

    // Presses `button` on the next message box and remembers its text and icon.
    static std::unique_ptr<ModalAnswer> messageBox(QMessageBox::StandardButton button);
    // Triggers the action named `actionName` (searched in submenus too) of the
    // next popup menu; an empty name closes the menu without a choice.
    static std::unique_ptr<ModalAnswer> menu(const QString &actionName);
    // Runs `fill` on the next dialog; it is expected to accept or reject it.
    static std::unique_ptr<ModalAnswer> dialog(std::function<void(QDialog *)> fill);

    QString text() const { return text_; }
    QMessageBox::Icon icon() const { return icon_; }
    QString title() const { return title_; }

private:
    void poll();

    std::function<void(QWidget *)> answer_;
    QTimer timer_;
    int remainingPolls_;
    bool answered_ = false;
    QString text_;
    QString title_;
    QMessageBox::Icon icon_ = QMessageBox::NoIcon;
};
