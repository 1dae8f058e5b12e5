#include "compositor.h"

#include <QPainter>

#include <algorithm>

#include "imaging/draw_image.h"
#include "imaging/rounding.h"
#include "imaging/shape_builders.h"

QImage ComposeLayers(const std::vector<IconLayer>& layers, int pageWidth, int pageHeight) {
  pageWidth = std::max(pageWidth, 1);
  pageHeight = std::max(pageHeight, 1);
  QImage page(pageWidth, pageHeight, QImage::Format_ARGB32_Premultiplied);
  page.fill(Qt::transparent);
  {
    QPainter surface(&page);
    surface.setCompositionMode(QPainter::CompositionMode_SourceOver);
    surface.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (size_t i = 0; i < layers.size(); ++i) {
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
  return page.convertToFormat(QImage::Format_ARGB32);
}
