#include "shape_builders.h"

#include <algorithm>
#include <vector>

QRegion CreateRegion(const QImage& image, int level) {
  if (image.isNull()) return QRegion();
  const QImage argb = image.format() == QImage::Format_ARGB32
                          ? image
                          : image.convertToFormat(QImage::Format_ARGB32);
  const int w = argb.width();
  const int h = argb.height();
  std::vector<QRect> runs;
  for (int y = 0; y < h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(argb.constScanLine(y));
    int n = 0;
    for (int x = 0; x < w; ++x) {
      if (static_cast<int>(row[x] >> 24) < level) continue;
      ++n;
      if (x == w - 1 || static_cast<int>(row[x + 1] >> 24) < level) {
        runs.emplace_back(x - n + 1, y, n, 1);
        n = 0;
      }
    }
  }
  QRegion region;
  // Runs come sorted by row then column and never overlap: the banded order QRegion wants.
  if (!runs.empty()) region.setRects(runs.data(), static_cast<int>(runs.size()));
  return region;
}

QPainterPath RoundShape(QPainter* graph, const QBrush* fillColor, float x, float y, float width,
                        float height, int roundValue, bool isFill) {
  const float r = static_cast<float>(roundValue);
  const float w1 = std::max(width - r, r);
  const float h1 = std::max(height - r, r);
  const float x2 = x + w1;
  const float y2 = y + h1;
  const float h = r / 2.0f;
  const float k = static_cast<float>(roundValue / 2);

  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  path.moveTo(x, y + r);
  path.cubicTo(x, y + h, x + h, y, x + r, y);                       // top-left corner
  path.cubicTo(x + r, y, x2, y, x2, y);                             // top edge
  path.cubicTo(x2 + k, y, x2 + r, y + k, x2 + r, y + r);            // top-right corner
  path.cubicTo(x2 + r, y2, x2 + r, y + r, x2 + r, y2);              // right edge
  path.cubicTo(x2 + r, y2 + h, x2 + h, y2 + r, x2, y2 + r);         // bottom-right corner
  path.cubicTo(x2, y2 + r, x + r, y2 + r, x + r, y2 + r);           // bottom edge
  path.cubicTo(x + h, y2 + r, x, y2 + h, x, y2);                    // bottom-left corner
  path.cubicTo(x, y2, x, y + r, x, y + r);                          // left edge
  path.closeSubpath();
  if (isFill && graph && fillColor) graph->fillPath(path, *fillColor);
  return path;
}

QPainterPath UpdateiOSstylePath(int oW, int oH, float oX, float oY) {
  return RoundShape(nullptr, nullptr, oX, oY, static_cast<float>(oW), static_cast<float>(oH),
                    std::min(oW, oH) / 6, false);
}
