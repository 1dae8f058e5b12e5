#pragma once

#include <QImage>
#include <QRegion>

#include "core/icon_document.h"

// Small pieces every document command shares: the wait cursor, the window hooks, hit regions and
// the layer tool bar's enabled states.

// Shows the wait cursor for the lifetime of the object.
class BusyScope {
 public:
  explicit BusyScope(IconDocument& doc);
  ~BusyScope();
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  IconDocument& doc_;
};

void RefreshLayerPanel(IconDocument& doc);
void RefreshSelectedThumbnail(IconDocument& doc);
void ShowTip(IconDocument& doc, int tip);

// The opaque part (alpha >= 1) of `image`, placed at page position (x, y) rounded.
QRegion HitRegionAt(const QImage& image, float x, float y);

// Layer tool bar after a selection change: Remove and Hide follow the selection, Hide shows the
// layer's visibility, Set Order and Merge Down need a visible layer (and one below it to merge).
void UpdateLayerBar(IconDocument& doc);

// True when `extra` more layers still fit the stack.
bool HasRoomFor(const IconDocument& doc, int extra);
