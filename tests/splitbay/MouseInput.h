#pragma once
// Mouse events as the window system delivers them, for any button state
// (QTest moves only with a button held).

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

inline void sendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, buttons, modifiers);
    QApplication::sendEvent(&widget, &event);
}

inline void pressLeft(QWidget &widget, QPoint at = QPoint(1, 1))
{
    sendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

inline void moveWith(QWidget &widget, Qt::MouseButtons buttons, QPoint at = QPoint(1, 1),
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(widget, QEvent::MouseMove, at, Qt::NoButton, buttons, modifiers);
}

inline void releaseLeft(QWidget &widget, QPoint at = QPoint(1, 1))
{
    sendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}
