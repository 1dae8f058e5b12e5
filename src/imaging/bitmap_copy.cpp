#include "bitmap_copy.h"

#include <algorithm>

QImage CopyToARGBBitmap(const QImage& source, int width, int height) {
  if (width <= 0 || height <= 0) return QImage();
  QImage argb = source.format() == QImage::Format_ARGB32
                    ? source
                    : source.convertToFormat(QImage::Format_ARGB32);
  if (argb.width() == width && argb.height() == height) return argb;
  QImage out(width, height, QImage::Format_ARGB32);
  if (out.isNull()) return out;
  out.fill(0);
  const int w = std::min(width, argb.width());
  const int h = std::min(height, argb.height());
  for (int y = 0; y < h; ++y) {
    std::copy_n(reinterpret_cast<const uint32_t*>(argb.constScanLine(y)), w,
                reinterpret_cast<uint32_t*>(out.scanLine(y)));
  }
  return out;
}
