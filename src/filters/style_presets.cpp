#include "style_presets.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "filters/color_adjustments.h"
#include "filters/neighbourhood_filters.h"
#include "filters/pixel_access.h"
#include "filters/region_paint.h"
#include "imaging/shape_builders.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace pixel;

namespace styles {
namespace {

QImage Transparent(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(0);
  return img;
}

// The clearly opaque body of an icon and its bounding box.
struct Shape {
  QRegion region;
  QRect bounds;
};

Shape ShapeOf(const QImage& image) {
  Shape s{CreateRegion(image, 150), {}};
  s.bounds = s.region.boundingRect();
  return s;
}

// The bounding box of the pixels with alpha >= level, the same as the bounds of CreateRegion's
// region but without building one.
QRect OpaqueBounds(const QImage& image, int level) {
  int top = -1, bottom = -1, left = image.width(), right = -1;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(image.constScanLine(y));
    auto reaches = [&](int x) { return static_cast<int>(row[x] >> 24) >= level; };
    int first = 0;
    while (first < image.width() && !reaches(first)) ++first;
    if (first == image.width()) continue;
    int last = image.width() - 1;
    while (!reaches(last)) --last;
    if (top < 0) top = y;
    bottom = y;
    left = std::min(left, first);
    right = std::max(right, last);
  }
  if (top < 0) return QRect();
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

StyleResult CrystalStyle(const QImage& mImg) {
  StyleResult result;
  const QImage src = Argb32Of(mImg);
  if (src.isNull()) return result;
  const int w = src.width();
  const int h = src.height();
  const Shape s = ShapeOf(src);
  const QRect& b = s.bounds;
  const QRectF ellipse(b.x() - b.width() / 2, b.y() + b.height() / 3, 3.0 * b.width(), b.height());
  const QRegion cap = s.region.subtracted(regionpaint::EllipseRegion(ellipse));
  const QRect g = cap.boundingRect();
  result.rX = static_cast<float>(g.x());
  result.rY = static_cast<float>(g.y());
  if (g.isEmpty()) return result;
  QImage work = Transparent(w, h);
  regionpaint::FillLinearGradient(work, cap, g, MakeARGB(200, 255, 255, 255),
                                  MakeARGB(20, 255, 255, 255), true);
  result.rW = g.width();
  result.rH = g.height();
  result.rImg = Transparent(g.width(), g.height());
  // Two pixels smaller and about one pixel in: the highlight stays inside the left and top edges.
  // An image of 2 pixels or less would need a zero or mirrored size; it draws nothing instead.
  if (w > 2 && h > 2) {
    QPainter p(&result.rImg);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(1 - g.x(), 1 - g.y(), w - 2, h - 2), work);
  }
  return result;
}

StyleResult OrigamiStyle(const QImage& mImg, int isHorizontal, ARGB mColor1, ARGB mColor2) {
  StyleResult result;
  const QImage src = Argb32Of(mImg);
  if (src.isNull()) return result;
  const Shape s = ShapeOf(src);
  QRect cut = s.bounds;
  // Only the rectangle's near edge moves; it keeps its size, so it still covers the far half.
  if (isHorizontal == 1)
    cut.moveLeft(cut.x() + cut.width() / 2);
  else
    cut.moveTop(cut.y() + cut.height() / 2);
  const QRegion half = s.region.subtracted(cut);
  const QRect g = half.boundingRect();
  result.rX = static_cast<float>(g.x());
  result.rY = static_cast<float>(g.y());
  if (g.isEmpty()) return result;
  // The gradient drawn on a full-size image and cut out at g equals drawing it shifted by -g.
  result.rImg = Transparent(g.width(), g.height());
  regionpaint::FillLinearGradient(result.rImg, half.translated(-g.topLeft()),
                                  QRect(QPoint(0, 0), g.size()), mColor2, mColor1,
                                  isHorizontal != 1);
  result.rW = g.width();
  result.rH = g.height();
  return result;
}

TileResult iOSStyle(ARGB mBgColor1, int oW, int oH, float rX, float rY) {
  TileResult result;
  result.rW = static_cast<float>(oW);
  result.rH = static_cast<float>(oH);
  result.rPath = RoundShape(nullptr, nullptr, rX, rY, static_cast<float>(oW),
                            static_cast<float>(oH), std::min(oW, oH) / 6, false);
  if (oW <= 0 || oH <= 0) return result;
  // Rasterise the outline as a plain coverage mask, then write the exact colour: painting a
  // translucent colour straight onto ARGB32 would pass it through premultiplied bytes.
  QImage mask(oW, oH, QImage::Format_ARGB32_Premultiplied);
  mask.fill(0);
  {
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(result.rPath, Qt::white);
  }
  result.rImg = Transparent(oW, oH);
  for (int y = 0; y < oH; ++y) {
    const auto* m = reinterpret_cast<const uint32_t*>(mask.constScanLine(y));
    auto* out = reinterpret_cast<uint32_t*>(result.rImg.scanLine(y));
    for (int x = 0; x < oW; ++x) {
      if ((m[x] >> 24) >= 128) out[x] = mBgColor1;
    }
  }
  return result;
}

namespace {

// Adds the light m to R, G and B of one pixel: round(c + m) clamped to 0..255. With c an integer,
// round(c + m) = c + floor(m) + (1 when the fraction is above one half, or exactly one half and
// c + floor(m) is odd), which keeps the three channels to integer work.
struct Light {
  int whole;
  int up;   // fraction above one half
  int tie;  // fraction exactly one half
  explicit Light(double m) {
    const double f = std::floor(m);
    whole = static_cast<int>(f);
    up = m - f > 0.5;
    tie = m - f == 0.5;
  }
  uint8_t Lit(uint8_t c) const {
    const int base = c + whole;
    return ClampByte(base + up + (tie & base));
  }
  void Apply(uint8_t* px) const {
    px[kR] = Lit(px[kR]);
    px[kG] = Lit(px[kG]);
    px[kB] = Lit(px[kB]);
  }
};

// The lit area: box rows and columns in image coordinates, the whole-number light centre, the
// radius and strength. dist < r exactly when dx^2 + dy^2 < r^2 (square roots of whole numbers).
struct LightField {
  int top, bottom, left, right, cx, cy, r;
  double strength;
  int64_t R2() const { return int64_t(r) * r; }
  double At(int64_t q) const { return (1.0 - std::sqrt(static_cast<double>(q)) / r) * strength; }
};

// Any strength: one light per pixel pair (cx - dx, cx + dx) of a row.
void LightRowsExact(QImage& image, const LightField& f) {
  for (int y = f.top; y <= f.bottom; ++y) {
    const int64_t dy2 = int64_t(y - f.cy) * (y - f.cy);
    uint8_t* row = image.scanLine(y);
    for (int dx = 0;; ++dx) {
      const int64_t q = int64_t(dx) * dx + dy2;
      if (q >= f.R2()) break;
      const bool hasRight = f.cx + dx >= f.left && f.cx + dx <= f.right;
      const bool hasLeft = dx > 0 && f.cx - dx >= f.left && f.cx - dx <= f.right;
      if (!hasRight && !hasLeft) {
        if (f.cx + dx > f.right && f.cx - dx < f.left) break;
        continue;
      }
      const Light light(f.At(q));
      if (hasRight) light.Apply(row + 4 * (f.cx + dx));
      if (hasLeft) light.Apply(row + 4 * (f.cx - dx));
    }
  }
}

// Lights m = (1 - sqrt(dx^2 + dy2) / r) s for dx = 0 .. n - 1; packed square roots and divisions
// are correctly rounded exactly like the scalar ones.
void LightsOfRow(const LightField& f, int64_t dy2, int n, double* m) {
  int dx = 0;
#if defined(__SSE2__)
  const __m128d one = _mm_set1_pd(1.0), r = _mm_set1_pd(f.r), s = _mm_set1_pd(f.strength);
  for (; dx + 2 <= n; dx += 2) {
    const __m128d q =
        _mm_set_pd(double(int64_t(dx + 1) * (dx + 1) + dy2), double(int64_t(dx) * dx + dy2));
    _mm_storeu_pd(m + dx, _mm_mul_pd(_mm_sub_pd(one, _mm_div_pd(_mm_sqrt_pd(q), r)), s));
  }
#endif
  for (; dx < n; ++dx) m[dx] = f.At(int64_t(dx) * dx + dy2);
}

// Adds amount[i] (0..255) to B, G and R of pixel i with saturation; alpha untouched.
void AddSaturated(uint8_t* px, const uint8_t* amount, int n) {
  int i = 0;
#if defined(__SSE2__)
  const __m128i colour = _mm_set1_epi32(0x00FFFFFF);
  for (; i + 4 <= n; i += 4) {
    int32_t four;
    std::memcpy(&four, amount + i, 4);
    __m128i a = _mm_cvtsi32_si128(four);
    a = _mm_unpacklo_epi8(a, a);
    a = _mm_and_si128(_mm_unpacklo_epi16(a, a), colour);
    __m128i* p = reinterpret_cast<__m128i*>(px + 4 * i);
    _mm_storeu_si128(p, _mm_adds_epu8(_mm_loadu_si128(p), a));
  }
#endif
  for (; i < n; ++i) {
    for (int ch : {kB, kG, kR}) px[4 * i + ch] = ClampByte(px[4 * i + ch] + amount[i]);
  }
}

// Non-negative strength: the rows cy - d and cy + d share their lights, so each square root
// serves up to four pixels, and a light is a saturating byte add. A light ending in exactly one
// half rounds to even: those pixels get their last unit afterwards.
void LightRowsPositive(QImage& image, const LightField& f) {
  const int width = f.right - f.left + 1;
  const int maxDx = std::max(f.cx - f.left, f.right - f.cx);
  const int maxDy = std::max(f.cy - f.top, f.bottom - f.cy);
  std::vector<double> m(static_cast<size_t>(maxDx) + 1);
  std::vector<uint8_t> byDx(m.size()), tieByDx(m.size()), amount(width);
  std::vector<int> ties;
  for (int d = 0; d <= maxDy; ++d) {
    const int64_t dy2 = int64_t(d) * d;
    if (dy2 >= f.R2()) break;
    const int rows[2] = {f.cy - d, d > 0 ? f.cy + d : -1};
    const bool use[2] = {rows[0] >= f.top && rows[0] <= f.bottom,
                         d > 0 && rows[1] >= f.top && rows[1] <= f.bottom};
    if (!use[0] && !use[1]) continue;
    int n = 0;  // lit distances: dx^2 + dy2 < r^2
    while (n <= maxDx && int64_t(n) * n + dy2 < f.R2()) ++n;
    LightsOfRow(f, dy2, n, m.data());
    bool anyTie = false;
    for (int dx = 0; dx < n; ++dx) {
      const int64_t whole = static_cast<int64_t>(m[dx]);  // m >= 0: truncation is floor
      const double frac = m[dx] - static_cast<double>(whole);
      const int64_t up = whole + (frac > 0.5);
      byDx[dx] = static_cast<uint8_t>(up < 255 ? up : 255);
      tieByDx[dx] = frac == 0.5 && whole < 255;
      anyTie |= tieByDx[dx] != 0;
    }
    std::fill(byDx.begin() + n, byDx.end(), 0);
    std::fill(tieByDx.begin() + n, tieByDx.end(), 0);
    // The row's amounts by x: mirrored left of the centre, straight from it to the right.
    for (int x = f.left; x <= std::min(f.right, f.cx - 1); ++x) amount[x - f.left] = byDx[f.cx - x];
    if (f.cx <= f.right) {
      const int from = std::max(f.left, f.cx);
      std::copy(byDx.begin() + (from - f.cx), byDx.begin() + (f.right - f.cx + 1),
                amount.begin() + (from - f.left));
    }
    ties.clear();
    if (anyTie) {
      for (int x = f.left; x <= f.right; ++x) {
        if (tieByDx[std::abs(x - f.cx)]) ties.push_back(x);
      }
    }
    for (int k = 0; k < 2; ++k) {
      if (!use[k]) continue;
      uint8_t* row = image.scanLine(rows[k]);
      AddSaturated(row + 4 * f.left, amount.data(), width);
      for (int x : ties) {
        for (int ch : {kB, kG, kR}) {
          uint8_t& c = row[4 * x + ch];
          if (c < 255 && (c & 1)) ++c;  // c + floor(m) was odd: the half rounds up to even
        }
      }
    }
  }
}

}  // namespace

void i3Dstyle(QImage& image, int pressure) {
  if (!PrepareArgb32(image)) return;
  const QRect b = OpaqueBounds(image, 150);
  const int r = b.width() > b.height() ? b.width() : b.height();
  const int x0 = b.x();
  const int y0 = b.y();
  const OffsetBox box = ClipBox(x0, y0, r, image.width(), image.height());
  if (box.empty() || r == 0) return;
  const LightField field{
      y0 + box.top,  y0 + box.bottom, x0 + box.left, x0 + box.right, x0 + r / 3, y0 + r / 3, r,
      pressure * 5.0};
  if (field.strength >= 0.0)
    LightRowsPositive(image, field);
  else
    LightRowsExact(image, field);
}

StyleResult CrystalOverlay(const QImage& icon) {
  StyleResult result = CrystalStyle(icon);
  neighbourhood::AntialiasEdge(result.rImg);
  return result;
}

StyleResult OrigamiOverlay(const QImage& icon, int menuIndex, ARGB drawingColor) {
  return OrigamiStyle(icon, menuIndex, SetAlpha(drawingColor, 15), SetAlpha(drawingColor, 0));
}

StyleResult VistaStyle(QImage& icon) {
  StyleResult overlay = CrystalOverlay(icon);
  i3Dstyle(icon, 5);
  adjust::SaturationColor(icon, 25);
  return overlay;
}

void Irradiation(QImage& icon) { i3Dstyle(icon, 5); }

void MacStyle(QImage& icon) {
  adjust::SaturationColor(icon, -25);
  neighbourhood::Soften(icon, 90);
  i3Dstyle(icon, 3);
}

TileResult IosTile(ARGB drawingColor, int pageWidth, int pageHeight) {
  TileResult tile = iOSStyle(drawingColor, pageWidth, pageHeight, 0.0f, 0.0f);
  neighbourhood::AntialiasEdge(tile.rImg);
  return tile;
}

}  // namespace styles
