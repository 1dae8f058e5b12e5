#pragma once

#include <Qt>

// Mouse buttons and modifier keys as the controls report them in their events:
// buttons 1 left, 2 right, 4 middle; shift state 1 Shift, 2 Ctrl, 4 Alt (summed).
inline int MouseButtonCode(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return 1;
    case Qt::RightButton:
      return 2;
    case Qt::MiddleButton:
      return 4;
    default:
      return 0;
  }
}

inline int ShiftStateCode(Qt::KeyboardModifiers modifiers) {
  return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
         (modifiers & Qt::AltModifier ? 4 : 0);
}
