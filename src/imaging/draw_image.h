#pragma once

#include <QImage>
#include <QPainter>

// Draws the source rectangle of `image` into the destination rectangle with the image's alpha
// multiplied by `opacity`. All eight coordinates are rounded half to even before drawing, and the
// painter's current interpolation (smooth-pixmap hint) and clip apply.
void DrawImageWithOpacity(QPainter& surface, const QImage& image, float opacity, float dstX,
                          float dstY, float dstWidth, float dstHeight, float srcX, float srcY,
                          float srcWidth, float srcHeight);

// The same rounding, for callers that draw their own way.
QRect RoundedRect(float x, float y, float width, float height);
