#include "caption_text.h"

#include <QFontMetricsF>

QFont MakeFont(const QString& family, double pointSize, int styleBits) {
  QFont font(family);
  font.setPointSizeF(pointSize > 0 ? pointSize : 1.0);
  font.setBold(styleBits & FontBold);
  font.setItalic(styleBits & FontItalic);
  font.setUnderline(styleBits & FontUnderline);
  font.setStrikeOut(styleBits & FontStrikeout);
  return font;
}

QRectF DrawCaptionText(QPainter& target, const QString& text, float x, float y,
                       const QString& fontName, double fontSize, ARGB color, int fontStyle,
                       bool shadow, float layoutWidth, bool clearType) {
  QFont font = MakeFont(fontName, fontSize, fontStyle);
  font.setStyleStrategy(clearType ? QFont::PreferAntialias : QFont::NoAntialias);
  target.setFont(font);
  const QFontMetricsF metrics(font, target.device());
  const int flags = Qt::TextWordWrap;
  QRectF box = metrics.boundingRect(QRectF(x, y, layoutWidth, 0), flags, text);
  box.moveTopLeft(QPointF(x, y));
  box.setWidth(std::min<qreal>(box.width(), layoutWidth));
  const QString shown = metrics.elidedText(text, Qt::ElideRight, layoutWidth * 64);
  const QRectF measured = box;
  target.save();
  target.setRenderHint(QPainter::TextAntialiasing, clearType);
  if (shadow) {
    target.setPen(QColor::fromRgba(MakeARGB(200, 0, 0, 0)));
    target.drawText(box, flags, shown);
    box.translate(0, -1);
  }
  target.setPen(QColor::fromRgba(color));
  target.drawText(box, flags, shown);
  target.restore();
  return measured;
}
