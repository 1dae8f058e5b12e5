#include "button_face.h"

#include <QFontMetricsF>

#include "imaging/caption_text.h"
#include "imaging/rounding.h"

namespace {

void Piece(QPainter& g, const QImage& skin, double x, double y, double w, double h, int sx, int sy,
           int sw, int sh) {
  const QRect dst(RoundHalfEven(x), RoundHalfEven(y), RoundHalfEven(w), RoundHalfEven(h));
  if (dst.width() <= 0 || dst.height() <= 0) return;
  g.drawImage(dst, skin, QRect(sx, sy, sw, sh));
}

}  // namespace

void DrawNineSlice(QPainter& graphics, const QImage& skin, const QRectF& rect) {
  if (skin.isNull()) return;
  const double x0 = static_cast<int>(rect.x());
  const double y = rect.y();
  const double m = rect.width() - 7;
  const double v = rect.height() - 7;
  Piece(graphics, skin, x0, y, 4, 4, 0, 0, 4, 4);
  Piece(graphics, skin, x0 + 4, y, m, 4, 4, 0, 4, 4);
  Piece(graphics, skin, x0 + m + 4, y, 4, 4, 22, 0, 4, 4);
  Piece(graphics, skin, x0 + m + 4, y + 4, 4, v, 22, 4, 4, 32);
  Piece(graphics, skin, x0 + m + 4, y + v + 4, 4, 4, 22, 36, 4, 4);
  Piece(graphics, skin, x0 + 4, y + v + 4, m, 4, 4, 36, 4, 4);
  Piece(graphics, skin, x0, y + v + 4, 4, 4, 0, 36, 4, 4);
  Piece(graphics, skin, x0, y + 4, 4, v, 0, 4, 4, 32);
  Piece(graphics, skin, x0 + 4, y + 4, m, v, 4, 4, 4, 32);
}

void DrawButtonFace(QPainter& graphics, const QRectF& rect, const QImage& normalSkin,
                    const QImage& pressedSkin, bool isPressed) {
  DrawNineSlice(graphics, isPressed ? pressedSkin : normalSkin, rect);
}

ButtonText PrepareButtonText(QPainter& graphics, const QString& text, float x, float buttonHeight,
                             const QString& fontName, double fontSize, int fontStyle,
                             int renderingMode, ARGB color, float opacity) {
  ButtonText out;
  out.Brush = QColor::fromRgba(SetAlpha(color, RoundHalfEven(opacity)));
  out.Font = MakeFont(fontName, fontSize, fontStyle);
  out.Font.setStyleStrategy(renderingMode == 0 || renderingMode == 1 || renderingMode == 2
                                ? QFont::PreferAntialias
                                : QFont::PreferDefault);
  out.Flags = Qt::TextDontClip | Qt::TextSingleLine;
  graphics.setRenderHint(QPainter::TextAntialiasing, renderingMode >= 0 && renderingMode <= 2);
  const QFontMetricsF metrics(out.Font, graphics.device());
  QRectF box = metrics.boundingRect(QRectF(x, 0, 0, 0), out.Flags, text);
  box.moveTopLeft(QPointF(x, 0));
  box.moveTop(RoundHalfEven(buttonHeight - box.height()) / 2);
  out.Box = box;
  return out;
}
