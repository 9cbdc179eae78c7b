#pragma once
// Answers the modal widgets a command opens one after another (a file
// dialog, then a dialog, then a question, then a message), each with the next
// answer in turn, as a user clicks through them. Message boxes' texts are kept.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <vector>

class ModalSequence {
public:
    using Answer = std::function<void(QWidget *)>;

    explicit ModalSequence(std::vector<Answer> answers, int timeoutMs = 5000)
        : answers_(std::move(answers)), remainingPolls_(timeoutMs)
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    // How many answers were given; all of them when the command went as planned.
    std::size_t answered() const { return next_; }
    bool done() const { return next_ == answers_.size(); }
    // Each message box as "text" or "text\ninformative text".
    const QStringList &messages() const { return messages_; }

    // Presses `button` on a message box.
    static Answer press(QMessageBox::StandardButton button)
    {
        return [button](QWidget *widget) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (box && box->button(button))
                box->button(button)->click();
            else
                widget->close();
        };
    }

private:
    void poll()
    {
        if (last_ && !last_->isVisible())
            last_ = nullptr;
        QWidget *widget = QApplication::activePopupWidget();
        if (!widget)
            widget = QApplication::activeModalWidget();
        if (!widget || widget == last_) {
            if (--remainingPolls_ <= 0)
                timer_.stop();
            return;
        }
        last_ = widget;
        if (auto *box = qobject_cast<QMessageBox *>(widget))
            messages_ << (box->informativeText().isEmpty()
                              ? box->text()
                              : box->text() + QStringLiteral("\n") + box->informativeText());
        const Answer &answer = answers_[next_++];
        if (next_ == answers_.size())
            timer_.stop();
        answer(widget);
    }

    std::vector<Answer> answers_;
    std::size_t next_ = 0;
    QPointer<QWidget> last_;
    QStringList messages_;
    QTimer timer_;
    int remainingPolls_;
};
