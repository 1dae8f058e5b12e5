#include "path_gradient.h"

#include <QPainter>
#include <cmath>
#include <limits>
#include <vector>

#include "imaging/rounding.h"

namespace {

struct Edge {
  QPointF a, b;
};

// The outline as straight edges (curves flattened by Qt).
std::vector<Edge> OutlineEdges(const QPainterPath& path) {
  std::vector<Edge> edges;
  for (const QPolygonF& polygon : path.toSubpathPolygons()) {
    for (int i = 0; i + 1 < polygon.size(); ++i) edges.push_back({polygon[i], polygon[i + 1]});
    if (polygon.size() > 2 && polygon.first() != polygon.last()) {
      edges.push_back({polygon.last(), polygon.first()});
    }
  }
  return edges;
}

// Distance from `c` along the unit direction `d` to the nearest outline crossing at or beyond
// `reach` (the point's own distance); infinity when the ray leaves through no edge.
double OutlineDistance(const std::vector<Edge>& edges, QPointF c, QPointF d, double reach) {
  double best = std::numeric_limits<double>::infinity();
  for (const Edge& e : edges) {
    const QPointF s = e.b - e.a;
    const double denom = d.x() * s.y() - d.y() * s.x();
    if (denom == 0.0) continue;
    const QPointF w = e.a - c;
    const double u = (w.x() * s.y() - w.y() * s.x()) / denom;  // along the ray
    const double v = (w.x() * d.y() - w.y() * d.x()) / denom;  // along the edge
    if (v < 0.0 || v > 1.0 || u < reach - 1e-9) continue;
    best = std::min(best, u);
  }
  return best;
}

ARGB Mix(ARGB c0, ARGB c1, double t) {
  ARGB out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((c0 >> shift) & 0xFF);
    const int b = static_cast<int>((c1 >> shift) & 0xFF);
    out |= static_cast<ARGB>(RoundHalfEven(a + (b - a) * t)) << shift;
  }
  return out;
}

}  // namespace

QImage PathGradientImage(const QPainterPath& path, QPointF centre, ARGB centreColor,
                         ARGB surroundColor, const QRect& area) {
  if (area.isEmpty()) return QImage();
  QImage out(area.size(), QImage::Format_ARGB32);
  if (out.isNull()) return out;
  out.fill(0);
  // Which pixel centres are inside: the path rasterised without anti-aliasing.
  QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
  mask.fill(0);
  {
    QPainter p(&mask);
    p.translate(-area.topLeft());
    p.fillPath(path, Qt::white);
  }
  const std::vector<Edge> edges = OutlineEdges(path);
  for (int y = 0; y < area.height(); ++y) {
    const auto* m = reinterpret_cast<const uint32_t*>(mask.constScanLine(y));
    auto* row = reinterpret_cast<uint32_t*>(out.scanLine(y));
    for (int x = 0; x < area.width(); ++x) {
      if ((m[x] >> 24) < 128) continue;
      const QPointF p(area.x() + x + 0.5, area.y() + y + 0.5);
      const QPointF offset = p - centre;
      const double reach = std::hypot(offset.x(), offset.y());
      double t = 0.0;
      if (reach > 0.0) {
        const double toOutline = OutlineDistance(edges, centre, offset / reach, reach);
        t = std::isfinite(toOutline) && toOutline > 0.0 ? std::min(reach / toOutline, 1.0) : 1.0;
      }
      row[x] = Mix(centreColor, surroundColor, t);
    }
  }
  return out;
}
