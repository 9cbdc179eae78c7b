#pragma once
// The old framework's message box: a real modal QMessageBox with a fixed
// text, an icon and buttons, titled with the application's name unless the
// caller names a title. When `parent` is destroyed while the box is shown
// (a host closing the window from a timer, say), the box goes with it and
// the answer is NoButton: the caller must then expect its own widgets gone.

#include <QMessageBox>
#include <QString>

namespace platform {

QMessageBox::StandardButton messageBox(QWidget *parent, const QString &text, QMessageBox::Icon icon,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                       const QString &title = {});

}   // namespace platform
