#include "separator_lines.h"

#include <QPen>

#include "argb.h"

void DrawSeparatorLines(QPainter& surface, float width, float height, float top, float bottom) {
  const QPen dark(QColor::fromRgba(MakeARGB(50, 0, 0, 0)), 1);
  const QPen light(QColor::fromRgba(MakeARGB(255, 255, 255, 255)), 1);
  surface.save();
  surface.setRenderHint(QPainter::Antialiasing, false);
  // Pixel-centred lines so a 1-pixel pen covers exactly one row.
  auto line = [&](const QPen& pen, float y) {
    surface.setPen(pen);
    surface.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));
  };
  if (top > 0) line(dark, height - top - 56);
  line(light, height - bottom);
  line(dark, height - bottom - 1);
  surface.restore();
}
