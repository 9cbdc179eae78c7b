#include "platform/MessageBox.h"

#include <QGuiApplication>
#include <QPointer>

namespace platform {

// The box is a child of `parent`, so a host that closes the parent while the
// box is shown takes the box with it; it lives on the heap for that reason,
// and such a box answers NoButton.
QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                       QMessageBox::StandardButtons buttons, const QString &title)
{
    const QPointer<QMessageBox> box =
        new QMessageBox(icon, title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, text, buttons, parent);
    const int answer = box->exec();
    if (!box)
        return QMessageBox::NoButton;
    delete box.data();
    return QMessageBox::StandardButton(answer);
}

}   // namespace platform
