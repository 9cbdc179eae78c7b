#include "controllers/TimeRangeKey.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

namespace quotechart {

namespace {

// A popup menu closing under the choice that sends the key can still be
// the focus window when the key is queued: the window system moves the
// focus back only later, and a key sent to the popup is lost.
QWindow *keyWindow(const QWidget &chart)
{
    QWindow *focus = QGuiApplication::focusWindow();
    if (focus && focus->isVisible() && focus->type() != Qt::Popup)
        return focus;
    return chart.window()->windowHandle();
}

}   // namespace

void sendTimeRangeKey(const QWidget &chart)
{
    QWindow *window = keyWindow(chart);
    if (!window)
        return;
    const QString text(QChar(0x14));   // what a terminal sends for Ctrl+T
    using Queue = QWindowSystemInterface::AsynchronousDelivery;
    QWindowSystemInterface::handleKeyEvent<Queue>(window, QEvent::KeyPress, Qt::Key_T, Qt::ControlModifier, text);
    QWindowSystemInterface::handleKeyEvent<Queue>(window, QEvent::KeyRelease, Qt::Key_T, Qt::ControlModifier, text);
}

}   // namespace quotechart
