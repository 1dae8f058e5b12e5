#pragma once

#include <QImage>
#include <QRect>
#include <QRectF>
#include <QRegion>

#include "imaging/argb.h"

namespace regionpaint {

// The pixels whose centres lie strictly inside the ellipse inscribed in `bounds`, one rectangle
// per row run.
QRegion EllipseRegion(const QRectF& bounds);

// Writes a linear gradient into the pixels of `region` on a transparent ARGB32 image: `from` at
// the top (vertical) or left edge of `rect`, `to` at the opposite edge, sampled at pixel centres
// and interpolated per straight-alpha channel. The colours are written, not blended, which is what
// source-over gives on a transparent image, without a premultiplied round trip.
void FillLinearGradient(QImage& image, const QRegion& region, const QRect& rect, ARGB from, ARGB to,
                        bool vertical);

}  // namespace regionpaint
