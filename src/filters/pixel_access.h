#pragma once

#include <QImage>
#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstdint>

// Unchecked fast pixel access shared by the filter operations. Every operation brings its image to
// straight-alpha ARGB32 first and then walks rows through scanLine(); a pixel is 4 bytes
// B, G, R, A, which is the in-memory order of Format_ARGB32 on little-endian machines only.
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "pixel byte order assumes a little-endian host");

namespace pixel {

constexpr int kB = 0;
constexpr int kG = 1;
constexpr int kR = 2;
constexpr int kA = 3;

// Converts the image to ARGB32 in place when needed; false for a null image (nothing to do).
inline bool PrepareArgb32(QImage& image) {
  if (image.isNull()) return false;
  if (image.format() != QImage::Format_ARGB32) image.convertTo(QImage::Format_ARGB32);
  return true;
}

// An ARGB32 version of a read-only source, sharing its pixels when it already is one.
inline QImage Argb32Of(const QImage& image) {
  if (image.isNull() || image.format() == QImage::Format_ARGB32) return image;
  return image.convertToFormat(QImage::Format_ARGB32);
}

// "Store as a byte": round half to even and write only when the result lies in 0..255, so an
// out-of-range value leaves the byte as it was.
inline void StoreByte(uint8_t& target, double value) {
  const double r = std::nearbyint(value);
  if (r >= 0.0 && r <= 255.0) target = static_cast<uint8_t>(r);
}

inline void StoreByte(uint8_t& target, int value) {
  if (value >= 0 && value <= 255) target = static_cast<uint8_t>(value);
}

inline uint8_t ClampByte(int v) { return static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v)); }

// Rounds to a byte after the "above 255 is 255, not at least 0 is 0" clamp (NaN goes to 0).
inline uint8_t ClampRoundByte(double v) {
  if (v > 255.0) return 255;
  if (!(v >= 0.0)) return 0;
  return static_cast<uint8_t>(std::nearbyint(v));
}

// The square of radius `a` round (x, y) used by the soft brush and the soft light: offsets from
// the centre, clipped to the image. A zero radius still spans one extra pixel right and down.
// Empty only when no pixel of the image is inside (a one-column or one-row box is not empty).
struct OffsetBox {
  int left, top, right, bottom;
  bool empty() const { return left > right || top > bottom; }
};

inline OffsetBox ClipBox(int x, int y, int a, int width, int height) {
  const int e = a == 0 ? 1 : 0;
  OffsetBox box{std::max(x - a, 0), std::max(y - a, 0), std::min(x + a + e, width - 1),
                std::min(y + a + e, height - 1)};
  box.left -= x;
  box.right -= x;
  box.top -= y;
  box.bottom -= y;
  return box;
}

}  // namespace pixel
