#pragma once

#include <QImage>

// The one way a layer image is duplicated: a new straight-alpha ARGB32 image of width x height
// holding the source's top-left pixels (converted from any format). Pixels are shared with the
// source until either side writes, so the copy is cheap yet independent.
QImage CopyToARGBBitmap(const QImage& source, int width, int height);
