#pragma once

#include <QImage>

#include "core/commands/command_support.h"
#include "core/icon_document.h"

namespace fixtures {

inline QImage Solid(int w, int h, ARGB color) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(color);
  return img;
}

// An image whose every pixel differs, so any flip, turn or shift shows.
inline QImage Numbered(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) row[x] = MakeARGB(255, x, y, 7);
  }
  return img;
}

inline IconDocument Page(int w, int h) {
  IconDocument doc;
  doc.InitDocument(w, h, false);
  return doc;
}

// Adds `image` as a new selected layer at (x, y) above the selected one, the way an import would.
inline IconLayer& AddLayer(IconDocument& doc, const QImage& image, float x = 0, float y = 0) {
  doc.InsertBlankLayer(image.width(), image.height());
  IconLayer& layer = *doc.Selected();
  layer.SetImage(image);
  layer.Bounds = LayerBounds{x, y, float(image.width()), float(image.height())};
  layer.BaseBounds = layer.Bounds;
  layer.HitRegion = HitRegionAt(image, x, y);
  return layer;
}

inline int Steps(const IconDocument& doc) { return doc.Snapshots.UndoPosition; }

// Blue byte of a pixel: the tag the order tests give each layer.
inline int Tag(const IconLayer& layer) { return BlueOf(layer.Image.pixel(0, 0)); }

}  // namespace fixtures
