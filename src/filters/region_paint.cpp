#include "region_paint.h"

#include <cmath>
#include <vector>

#include "filters/pixel_access.h"
#include "imaging/rounding.h"

namespace regionpaint {

QRegion EllipseRegion(const QRectF& bounds) {
  const double rx = bounds.width() / 2.0;
  const double ry = bounds.height() / 2.0;
  if (!(rx > 0.0) || !(ry > 0.0)) return QRegion();
  const double cx = bounds.x() + rx;
  const double cy = bounds.y() + ry;
  auto inside = [&](int x, int y) {
    const double dx = (x + 0.5 - cx) / rx;
    const double dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy < 1.0;
  };
  std::vector<QRect> runs;
  const int top = static_cast<int>(std::floor(bounds.top()));
  const int bottom = static_cast<int>(std::ceil(bounds.bottom()));
  for (int y = top; y < bottom; ++y) {
    const double dy = (y + 0.5 - cy) / ry;
    if (dy * dy >= 1.0) continue;
    const double half = rx * std::sqrt(1.0 - dy * dy);
    // Start from the analytic ends and settle them with the exact test.
    int x0 = static_cast<int>(std::floor(cx - half));
    int x1 = static_cast<int>(std::floor(cx + half));
    while (!inside(x0, y) && x0 <= x1) ++x0;
    while (inside(x0 - 1, y)) --x0;
    while (x1 >= x0 && !inside(x1, y)) --x1;
    while (inside(x1 + 1, y)) ++x1;
    if (x1 >= x0) runs.emplace_back(x0, y, x1 - x0 + 1, 1);
  }
  QRegion region;
  if (!runs.empty()) region.setRects(runs.data(), static_cast<int>(runs.size()));
  return region;
}

void FillLinearGradient(QImage& image, const QRegion& region, const QRect& rect, ARGB from, ARGB to,
                        bool vertical) {
  if (!pixel::PrepareArgb32(image) || rect.isEmpty()) return;
  const QRegion clipped = region.intersected(image.rect());
  const double start = vertical ? rect.y() : rect.x();
  const double length = vertical ? rect.height() : rect.width();
  const ArgbBytes a = ARGBToBytes(from);
  const ArgbBytes b = ARGBToBytes(to);
  auto colourAt = [&](int position) {
    double t = (position + 0.5 - start) / length;
    t = t < 0.0 ? 0.0 : (t > 1.0 ? 1.0 : t);
    auto mix = [t](int p, int q) { return static_cast<ARGB>(RoundHalfEven(p + (q - p) * t)); };
    return (mix(a.Alpha, b.Alpha) << 24) | (mix(a.Red, b.Red) << 16) |
           (mix(a.Green, b.Green) << 8) | mix(a.Blue, b.Blue);
  };
  for (const QRect& r : clipped) {
    for (int y = r.top(); y <= r.bottom(); ++y) {
      auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
      for (int x = r.left(); x <= r.right(); ++x) row[x] = colourAt(vertical ? y : x);
    }
  }
}

}  // namespace regionpaint
