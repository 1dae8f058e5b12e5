#pragma once

#include <QBrush>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>

// The opaque part of an image (alpha >= level) as one rectangle per horizontal run, in image
// coordinates. A null image gives an empty region.
QRegion CreateRegion(const QImage& image, int level = 150);

// The soft rounded-rectangle outline of the iOS tile: eight cubic pieces whose control points lie
// half the corner size along each edge. With `isFill` the path is also filled on `graph`.
QPainterPath RoundShape(QPainter* graph, const QBrush* fillColor, float x, float y, float width,
                        float height, int roundValue, bool isFill);

// The tile outline for a layer's current bounds, corner size min(w, h) / 6.
QPainterPath UpdateiOSstylePath(int oW, int oH, float oX, float oY);
