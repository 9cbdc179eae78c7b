#include "interaction/TimeRangeKey.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace quotechart {

void sendTimeRangeKey()
{
    QWindow *window = QGuiApplication::focusWindow();
    if (!window)
        return;
    const QString text(QChar(0x14));   // what a terminal sends for Ctrl+T
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleKeyEvent<Queue>(window, QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier, text);
    QWindowSystemInterface::handleKeyEvent<Queue>(window, QEvent::KeyRelease, Qt::Key_T, Qt::ControlModifier, text);
}

}   // namespace quotechart
