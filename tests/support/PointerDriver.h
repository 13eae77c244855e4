#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

// Mouse events as the window system delivers them: to the widget holding the mouse capture
// when there is one, else to the widget under the pointer. Positions are given relative to
// the widget the pointer is over.
namespace PointerDriver {

inline void Send(QWidget* over, QEvent::Type type, const QPoint& pos, Qt::MouseButton button,
                 Qt::MouseButtons buttons) {
    QWidget* receiver = QWidget::mouseGrabber() ? QWidget::mouseGrabber() : over;
    const QPoint global = over->mapToGlobal(pos);
    QMouseEvent event(type, receiver->mapFromGlobal(global), global, button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(receiver, &event);
}

inline void Press(QWidget* over, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) {
    Send(over, QEvent::MouseButtonPress, pos, button, button);
}

// A move with the left button held.
inline void Drag(QWidget* over, const QPoint& pos) {
    Send(over, QEvent::MouseMove, pos, Qt::NoButton, Qt::LeftButton);
}

// A move with no button held.
inline void Hover(QWidget* over, const QPoint& pos) {
    Send(over, QEvent::MouseMove, pos, Qt::NoButton, Qt::NoButton);
}

inline void Release(QWidget* over, const QPoint& pos, Qt::MouseButton button = Qt::LeftButton) {
    Send(over, QEvent::MouseButtonRelease, pos, button, Qt::NoButton);
}

} // namespace PointerDriver
