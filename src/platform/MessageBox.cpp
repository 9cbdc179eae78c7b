#include "platform/MessageBox.h"

#include <QGuiApplication>

namespace platform {

QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                       QMessageBox::StandardButtons buttons, const QString &title)
{
    QMessageBox box(icon, title.isEmpty() ? QGuiApplication::applicationDisplayName() : title, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

}   // namespace platform
