#include "command_support.h"

#include "imaging/rounding.h"
#include "imaging/shape_builders.h"

BusyScope::BusyScope(IconDocument& doc) : doc_(doc) {
  if (doc_.Hooks.BusyCursor) doc_.Hooks.BusyCursor(true);
}

BusyScope::~BusyScope() {
  if (doc_.Hooks.BusyCursor) doc_.Hooks.BusyCursor(false);
}

void RefreshLayerPanel(IconDocument& doc) {
  if (doc.Hooks.LayerPanelChanged) doc.Hooks.LayerPanelChanged();
}

void RefreshSelectedThumbnail(IconDocument& doc) {
  if (doc.Hooks.SelectedThumbnailChanged) doc.Hooks.SelectedThumbnailChanged();
}

void ShowTip(IconDocument& doc, int tip) {
  if (doc.Hooks.ShowTips) doc.Hooks.ShowTips(tip);
}

QRegion HitRegionAt(const QImage& image, float x, float y) {
  return CreateRegion(image, 1).translated(RoundHalfEven(x), RoundHalfEven(y));
}

void UpdateLayerBar(IconDocument& doc) {
  const IconLayer* layer = doc.Selected();
  const bool visible = layer && layer->Visible;
  WindowState& w = doc.Window;
  w.LayerBar[LayerRemove].Enabled = layer != nullptr;
  w.LayerBar[LayerHide].Enabled = layer != nullptr;
  w.LayerBar[LayerHide].Pressed = visible;
  w.LayerBar[LayerSetOrder].Enabled = doc.LayerCount() >= 2 && visible;
  w.LayerBar[LayerMergeDown].Enabled = doc.SelectedLayer >= 1 && visible;
}

bool HasRoomFor(const IconDocument& doc, int extra) {
  return doc.LayerCount() + extra <= IconDocument::kMaxLayers;
}
