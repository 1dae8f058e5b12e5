#pragma once

#include <QImage>

#include <vector>

#include "core/icon_layer.h"

// Flattens the visible layers bottom to top onto a transparent page (the background colour never
// enters it), each drawn at its rounded Bounds with its Opacity, nearest-neighbour when scaled.
// Once a visible layer follows a ClipAbove layer, that layer's tile outline clips the rest of the
// pass. Works in premultiplied ARGB on each layer's cached premultiplied copy and converts to
// straight ARGB32 once at the end. A page size below 1 is raised to 1.
QImage ComposeLayers(const std::vector<IconLayer>& layers, int pageWidth, int pageHeight);
