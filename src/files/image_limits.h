#pragma once

#include <QtGlobal>

// Bounds every reader of outside data applies before it allocates pixels.
namespace image_limits {

constexpr int kMaxSide = 16384;
constexpr qint64 kMaxPixels = 256'000'000;  // per image, and per document in all
// Pixels that need no justification: a 1024 x 1024 page or layer is always accepted.
constexpr qint64 kFreePixelBytes = qint64(4) << 20;
// Deflate shrinks data by at most about 1032:1, so a compressed source of n bytes can honestly
// stand for no more than about 1100 * n bytes of pixels.
constexpr qint64 kMaxInflation = 1100;

// True when a width x height image is within the side and pixel limits.
inline bool SizeAllowed(qint64 width, qint64 height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
         width * height <= kMaxPixels;
}

// True when an ARGB32 image of width x height is small, or backed by enough source bytes.
inline bool AllocationJustified(qint64 width, qint64 height, qint64 sourceBytes) {
  if (!SizeAllowed(width, height)) return false;
  const qint64 bytes = width * height * 4;
  return bytes <= kFreePixelBytes || bytes <= kMaxInflation * sourceBytes;
}

}  // namespace image_limits
