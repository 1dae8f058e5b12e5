#include "draw_kit.h"

namespace kit {

QImage Blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

void Begin(QPainter& p, QImage& image, bool smooth) {
  p.begin(&image);
  p.setRenderHint(QPainter::Antialiasing, smooth);
  p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  p.setRenderHint(QPainter::TextAntialiasing, true);
}

QLinearGradient Vertical(double top, double bottom, const QColor& a, const QColor& b) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  return g;
}

QPen Outline(double width, const QColor& color) {
  QPen pen(color, width);
  pen.setJoinStyle(Qt::RoundJoin);
  pen.setCapStyle(Qt::RoundCap);
  return pen;
}

void Sheet(QPainter& p, QRectF r, double fold) {
  QPainterPath page;
  page.moveTo(r.left(), r.top());
  page.lineTo(r.right() - fold, r.top());
  page.lineTo(r.right(), r.top() + fold);
  page.lineTo(r.right(), r.bottom());
  page.lineTo(r.left(), r.bottom());
  page.closeSubpath();
  p.setPen(Outline(1.2));
  p.setBrush(Vertical(r.top(), r.bottom(), kPaper, kPaperShade));
  p.drawPath(page);
  QPainterPath ear;
  ear.moveTo(r.right() - fold, r.top());
  ear.lineTo(r.right() - fold, r.top() + fold);
  ear.lineTo(r.right(), r.top() + fold);
  p.setBrush(kPaperShade.darker(110));
  p.drawPath(ear);
}

QPainterPath TurnArrow(bool toLeft, double s) {
  // Drawn for "to the left"; mirrored for the other way.
  QPainterPath path;
  path.moveTo(0.30 * s, 0.30 * s);
  path.lineTo(0.08 * s, 0.45 * s);
  path.lineTo(0.30 * s, 0.60 * s);
  path.lineTo(0.30 * s, 0.52 * s);
  path.cubicTo(0.62 * s, 0.50 * s, 0.80 * s, 0.62 * s, 0.78 * s, 0.86 * s);
  path.cubicTo(0.95 * s, 0.60 * s, 0.80 * s, 0.36 * s, 0.30 * s, 0.38 * s);
  path.closeSubpath();
  if (toLeft) return path;
  QTransform mirror(-1, 0, 0, 1, s, 0);
  return mirror.map(path);
}

void Magnifier(QPainter& p, double cx, double cy, double radius) {
  p.setPen(QPen(kInk, radius * 0.45, Qt::SolidLine, Qt::RoundCap));
  const double d = radius * 0.72;
  p.drawLine(QPointF(cx + d, cy + d), QPointF(cx + radius * 1.75, cy + radius * 1.75));
  QRadialGradient glass(cx - radius * 0.3, cy - radius * 0.3, radius * 1.2);
  glass.setColorAt(0, QColor(255, 255, 255));
  glass.setColorAt(1, kSky);
  p.setBrush(glass);
  p.setPen(Outline(radius * 0.22, kBlueDark));
  p.drawEllipse(QPointF(cx, cy), radius, radius);
}

}  // namespace kit
