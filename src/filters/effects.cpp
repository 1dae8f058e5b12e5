#include "effects.h"

#include <algorithm>
#include <vector>

#include "filters/pixel_access.h"
#include "imaging/bitmap_copy.h"
#include "imaging/color_matrix.h"

using namespace pixel;

namespace effects {
namespace {

// The lowest row holding a pixel of alpha >= 150; 0 when there is none.
int LowestOpaqueRow(const QImage& image) {
  for (int y = image.height() - 1; y > 0; --y) {
    const uint8_t* px = image.constScanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      if (px[4 * x + kA] >= 150) return y;
    }
  }
  return 0;
}

// A = A x y / H, so row 0 is transparent and the alpha grows toward the bottom row.
void FadeFromTop(QImage& image, bool blacken) {
  const int h = image.height();
  for (int y = 0; y < h; ++y) {
    auto* px = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const uint32_t a = ((px[x] >> 24) * static_cast<uint32_t>(y)) / static_cast<uint32_t>(h);
      px[x] = (a << 24) | (blacken ? 0u : (px[x] & 0x00FFFFFFu));
    }
  }
}

}  // namespace

ReflectionResult Reflection(const QImage& oImg) {
  ReflectionResult result;
  if (oImg.isNull()) return result;
  result.nImg = CopyToARGBBitmap(oImg, oImg.width(), oImg.height());
  result.topOff = oImg.height() - LowestOpaqueRow(result.nImg) - 1;
  FadeFromTop(result.nImg, false);
  return result;
}

QImage GradientBlack(const QImage& oImg) {
  if (oImg.isNull()) return QImage();
  QImage n = CopyToARGBBitmap(oImg, oImg.width(), oImg.height());
  FadeFromTop(n, true);
  return n;
}

QImage Shadow(const QImage& oImg, int level) {
  if (oImg.isNull()) return QImage();
  const QImage src = Argb32Of(oImg);
  const int k = std::clamp(level, 0, 255);
  const int w = src.width(), h = src.height();
  const int w2 = w + 2 * k, h2 = h + 2 * k;
  QImage out(w2, h2, QImage::Format_ARGB32);  // every pixel is written below
  if (out.isNull()) return out;
  // Column sums over the window's rows, slid down one row at a time; only the first w columns
  // and h rows hold source pixels. Row prefix sums of them give each window in two loads.
  std::vector<int> columns(w2, 0), prefix(w2 + 2 * k + 2, 0);
  auto addRow = [&](int y, int sign) {
    if (y < 0 || y >= h) return;
    const uint8_t* px = src.constScanLine(y);
    for (int x = 0; x < w; ++x) columns[x] += sign * px[4 * x + kA];
  };
  // Window widths per column; the window's height is worked out per row below.
  std::vector<int> widths(w2);
  for (int x = 0; x < w2; ++x) widths[x] = std::min(x + k, w2 - 1) - std::max(x - k, 0) + 1;
  // Division by each possible count n: floor(sum x magic / 2^32) with magic = floor(2^32 / n) + 1
  // is the exact quotient while sum x n < 2^32, true for every window up to k = 31 (sums stay
  // within 255 n). Larger windows use floor((sum + 0.5) / n) in double, where the half keeps the
  // rounding error off the integer edges.
  const size_t counts = static_cast<size_t>(2 * k + 1) * (2 * k + 1) + 2;
  const bool integerDivision = k <= 31;
  std::vector<uint64_t> magic(counts, 0);
  std::vector<double> inverse(counts, 0.0);
  for (size_t n = 1; n < counts; ++n) {
    magic[n] = (uint64_t(1) << 32) / n + 1;
    inverse[n] = 1.0 / static_cast<double>(n);
  }
  for (int y = 0; y < k; ++y) addRow(y, 1);
  for (int y = 0; y < h2; ++y) {
    addRow(y + k, 1);
    addRow(y - k - 1, -1);
    // prefix[i + k + 1] = sum of columns[0 .. i]; the k entries on each side stay 0.
    for (int x = 0; x < w2; ++x) prefix[x + k + 1] = prefix[x + k] + columns[x];
    for (int x = w2 + k + 1; x < w2 + 2 * k + 2; ++x) prefix[x] = prefix[x - 1];
    const int rows = std::min(y + k, h2 - 1) - std::max(y - k, 0) + 1;
    const uint8_t* centre = y < h ? src.constScanLine(y) : nullptr;
    auto* row = reinterpret_cast<uint32_t*>(out.scanLine(y));
    for (int x = 0; x < w2; ++x) {
      const int window = prefix[x + 2 * k + 1] - prefix[x];
      const int sum = window + (centre && x < w ? centre[4 * x + kA] : 0);
      const size_t n = static_cast<size_t>(rows * widths[x] + 1);
      const uint32_t a = integerDivision ? static_cast<uint32_t>((uint64_t(sum) * magic[n]) >> 32)
                                         : static_cast<uint32_t>((sum + 0.5) * inverse[n]);
      row[x] = a << 24;
    }
  }
  return out;
}

void DisabledStyle(QImage& iImg, int iWidth, int iHeight) {
  if (iImg.isNull() || iWidth <= 0 || iHeight <= 0) return;
  ColorMatrix m{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) m[i][j] = 0.3f;
  }
  m[3][3] = 1.0f;
  m[4][4] = 1.0f;
  QImage n = CopyToARGBBitmap(iImg, iWidth, iHeight);
  iImg = QImage();  // our own reference would make the pass below copy the pixels once more
  ApplyColorMatrix(n, m);
  iImg = n;
}

void HotStyle(QImage& iImg, int iWidth, int iHeight, float newValue) {
  if (iImg.isNull() || iWidth <= 0 || iHeight <= 0) return;
  QImage n = CopyToARGBBitmap(iImg, iWidth, iHeight);
  iImg = QImage();
  ApplyGamma(n, newValue);
  iImg = n;
}

EffectLayer ReflectionLayer(const QImage& icon, float sourceBoundsHeight) {
  ReflectionResult r = Reflection(icon);
  EffectLayer layer;
  layer.image = r.nImg.mirrored(false, true);
  layer.offset = QPointF(0.0, static_cast<double>(sourceBoundsHeight) - 2 * r.topOff + 1);
  layer.opacity = 0.4f;
  return layer;
}

EffectLayer ShadeLayer(const QImage& icon) { return {GradientBlack(icon), QPointF(0, 0), 0.3f}; }

EffectLayer DropShadowLayer(const QImage& icon) { return {Shadow(icon, 1), QPointF(1, 1), 0.4f}; }

void DisabledState(QImage& image) {
  DisabledStyle(image, image.width(), image.height());
  HotStyle(image, image.width(), image.height(), 0.5f);
}

void HotState(QImage& image) { HotStyle(image, image.width(), image.height(), 0.65f); }

}  // namespace effects
