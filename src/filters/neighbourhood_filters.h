#pragma once

#include <QImage>

// Filters that compute a pixel from its 3 x 3 neighbourhood. Soften and Sharpen work in place in
// one pass, top row first and left to right, so the upper and left neighbours a pixel reads are
// already filtered; that order is part of their result. Alpha is never changed.
namespace neighbourhood {

// Weighted mean of the centre (weight 101 - level) and its six neighbours above, above-right,
// left, right, below-left and below that are inside the image and not fully transparent.
void Soften(QImage& image, int level = 75);

// Inner pixels only: (c x centre - sum of the 8 neighbours) / (c - 8) with c = 109 - level,
// truncated and clamped. Level 101 (a zero divisor) leaves the image unchanged.
void Sharpen(QImage& image, int level = 85);

// Fills transparent runs lying on (or under) an opaque run and meeting an opaque pixel at one end
// with that pixel's colour at falling alpha (1/2, 1/3, ... of its alpha), softening stair steps.
// Reads from a private copy, so its own writes never feed its tests.
void AntialiasEdge(QImage& image);

}  // namespace neighbourhood
