#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRect>

#include "imaging/argb.h"

// A path-gradient brush with one surround colour and focus scales (0, 0): `centreColor` at
// `centre`, `surroundColor` on the path's outline, and along every ray from the centre the colour
// goes linearly from one to the other (t = distance from the centre / distance from the centre to
// the outline on that ray; each straight-alpha channel is c0 + (c1 - c0) t, rounded half to even).
//
// The result is a straight-alpha ARGB32 image covering `area` (in the path's coordinates): the
// brush colour at every pixel whose centre lies inside the path (the path's fill rule), transparent
// elsewhere, since the brush paints nothing outside its path. Fill or stroke with it as a texture
// brush translated to area.topLeft(). An empty area gives a null image.
QImage PathGradientImage(const QPainterPath& path, QPointF centre, ARGB centreColor,
                         ARGB surroundColor, const QRect& area);
