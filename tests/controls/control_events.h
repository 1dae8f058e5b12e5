#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

// Delivers a mouse event straight to a widget, at a position in its own pixels.
inline void SendMouse(QWidget* target, QEvent::Type type, QPointF pos,
                      Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  const Qt::MouseButtons held =
      type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(button);
  const QPointF global = target->mapToGlobal(pos);
  QMouseEvent event(type, pos, global, type == QEvent::MouseMove ? Qt::NoButton : button,
                    type == QEvent::MouseMove ? Qt::MouseButtons() : held, modifiers);
  QCoreApplication::sendEvent(target, &event);
}

// A move with the left button held (a drag).
inline void SendDrag(QWidget* target, QPointF pos) {
  const QPointF global = target->mapToGlobal(pos);
  QMouseEvent event(QEvent::MouseMove, pos, global, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &event);
}

inline void Click(QWidget* target, QPointF pos, Qt::MouseButton button = Qt::LeftButton) {
  SendMouse(target, QEvent::MouseButtonPress, pos, button);
  SendMouse(target, QEvent::MouseButtonRelease, pos, button);
}
