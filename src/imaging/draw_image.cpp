#include "draw_image.h"

#include "rounding.h"

QRect RoundedRect(float x, float y, float width, float height) {
  return QRect(RoundHalfEven(x), RoundHalfEven(y), RoundHalfEven(width), RoundHalfEven(height));
}

void DrawImageWithOpacity(QPainter& surface, const QImage& image, float opacity, float dstX,
                          float dstY, float dstWidth, float dstHeight, float srcX, float srcY,
                          float srcWidth, float srcHeight) {
  if (image.isNull() || opacity <= 0.0f) return;
  const QRect dst = RoundedRect(dstX, dstY, dstWidth, dstHeight);
  const QRect src = RoundedRect(srcX, srcY, srcWidth, srcHeight);
  if (dst.width() <= 0 || dst.height() <= 0 || src.width() <= 0 || src.height() <= 0) return;
  const qreal previous = surface.opacity();
  surface.setOpacity(previous * std::min(1.0f, opacity));
  surface.drawImage(dst, image, src);
  surface.setOpacity(previous);
}
