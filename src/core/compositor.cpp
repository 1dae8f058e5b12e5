#include "compositor.h"

#include <QPainter>

#include <algorithm>

#include "imaging/draw_image.h"
#include "imaging/rounding.h"
#include "imaging/shape_builders.h"

namespace {

bool CoversPageExactly(const IconLayer& layer, int pageWidth, int pageHeight) {
  return layer.Opacity > 0.0f && layer.ImageWidth == pageWidth &&
         layer.ImageHeight == pageHeight && layer.Image.size() == QSize(pageWidth, pageHeight) &&
         RoundedRect(layer.Bounds.X, layer.Bounds.Y, layer.Bounds.Width, layer.Bounds.Height) ==
             QRect(0, 0, pageWidth, pageHeight);
}

}  // namespace

QImage ComposeLayers(const std::vector<IconLayer>& layers, int pageWidth, int pageHeight) {
  pageWidth = std::max(pageWidth, 1);
  pageHeight = std::max(pageHeight, 1);
  QImage page;
  size_t first = 0;
  // Source-over onto an empty page is a copy: when the bottom visible layer covers the page
  // exactly, start from its cached pixels instead of blending them.
  while (first < layers.size() && !layers[first].Visible) ++first;
  if (first < layers.size() && CoversPageExactly(layers[first], pageWidth, pageHeight) &&
      (first == 0 || !layers[first - 1].ClipAbove)) {
    page = layers[first].Premultiplied().copy();
    ++first;
  } else {
    page = QImage(pageWidth, pageHeight, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::transparent);
    first = 0;
  }
  {
    QPainter surface(&page);
    surface.setCompositionMode(QPainter::CompositionMode_SourceOver);
    surface.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (size_t i = first; i < layers.size(); ++i) {
      const IconLayer& layer = layers[i];
      if (!layer.Visible) continue;
      if (i > 0 && layers[i - 1].ClipAbove) {
        const IconLayer& tile = layers[i - 1];
        const QPainterPath outline =
            UpdateiOSstylePath(RoundHalfEven(tile.Bounds.Width), RoundHalfEven(tile.Bounds.Height),
                               tile.Bounds.X, tile.Bounds.Y);
        // Intersecting keeps any earlier clip: once set it stays for the rest of the pass.
        surface.setClipPath(outline, surface.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
      }
      if (layer.Opacity <= 0.0f) continue;
      // The layer's cached copy already carries its opacity.
      DrawImageWithOpacity(surface, layer.Premultiplied(), 1.0f, layer.Bounds.X,
                           layer.Bounds.Y, layer.Bounds.Width, layer.Bounds.Height, 0, 0,
                           layer.ImageWidth, layer.ImageHeight);
    }
  }
  // In place: the buffer is ours alone, so no second page is allocated.
  page.convertTo(QImage::Format_ARGB32);
  return page;
}
