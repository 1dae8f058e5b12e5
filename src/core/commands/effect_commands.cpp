#include "effect_commands.h"

#include <utility>

#include "core/commands/command_support.h"
#include "filters/filters.h"
#include "imaging/rounding.h"

namespace {

constexpr int kReflectionTip = 8;
constexpr int kShadeTip = 10;
constexpr int kStateTip = 2;

void Finish(IconDocument& doc, int tip) {
  doc.RebuildComposite(5, true);
  RefreshLayerPanel(doc);
  if (tip > 0) ShowTip(doc, tip);
}

// Shows an effect layer's opacity on the opacity slider.
void ShowOpacity(IconDocument& doc, float opacity) {
  doc.Window.CtlScroll21.Value = RoundHalfEven(opacity * 100.0);
}

// Records the command's step and inserts the blank layer N above the selected layer L; returns
// L's index, or -1 when there is no room.
int BeginEffectLayer(IconDocument& doc) {
  const int icon = doc.SelectedLayer;
  doc.BeginEdit();
  const IconLayer& l = doc.Layers[icon];
  doc.InsertBlankLayer(l.ImageWidth, l.ImageHeight);
  return icon;
}

template <typename Each>
bool ChangeEveryLayer(IconDocument& doc, Each&& each) {
  if (doc.LayerCount() == 0) return false;
  BusyScope busy(doc);
  doc.BeginEdit();
  for (IconLayer& layer : doc.Layers) each(layer.Image);
  Finish(doc, kStateTip);
  return true;
}

}  // namespace

bool ApplyReflection(IconDocument& doc) {
  if (!doc.Selected() || !HasRoomFor(doc, 1)) return false;
  BusyScope busy(doc);
  const int icon = BeginEffectLayer(doc);
  const IconLayer& l = doc.Layers[icon];
  effects::EffectLayer e = ClsFilters().ReflectionLayer(l.Image, l.Bounds.Height);
  IconLayer& n = doc.Layers[icon + 1];
  n.SetImage(std::move(e.image));
  n.Bounds = LayerBounds{l.Bounds.X + float(e.offset.x()), l.Bounds.Y + float(e.offset.y()),
                         float(n.ImageWidth), float(n.ImageHeight)};
  n.HitRegion = HitRegionAt(n.Image, n.Bounds.X, n.Bounds.Y);
  n.BaseBounds = n.Bounds;
  n.Opacity = e.opacity;
  n.Visible = true;
  ShowOpacity(doc, n.Opacity);
  Finish(doc, kReflectionTip);
  return true;
}

bool ApplyShade(IconDocument& doc) {
  if (!doc.Selected() || !HasRoomFor(doc, 1)) return false;
  BusyScope busy(doc);
  const int icon = BeginEffectLayer(doc);
  const IconLayer& l = doc.Layers[icon];
  effects::EffectLayer e = ClsFilters().ShadeLayer(l.Image);
  IconLayer& n = doc.Layers[icon + 1];
  n.SetImage(std::move(e.image));
  n.Bounds = LayerBounds{l.Bounds.X, l.Bounds.Y, float(n.ImageWidth), float(n.ImageHeight)};
  n.Opacity = e.opacity;
  n.BaseBounds = n.Bounds;
  n.Visible = true;
  // N keeps the hit region copied from L, which covers the same place.
  ShowOpacity(doc, n.Opacity);
  Finish(doc, kShadeTip);
  return true;
}

bool ApplyDropShadow(IconDocument& doc) {
  if (!doc.Selected() || !HasRoomFor(doc, 1)) return false;
  BusyScope busy(doc);
  const int shadowIndex = BeginEffectLayer(doc);
  IconLayer& l = doc.Layers[shadowIndex];
  IconLayer icon = l;  // the icon as it was; its pixels are shared until either side writes
  effects::EffectLayer e = ClsFilters().DropShadowLayer(l.Image);
  l.SetImage(std::move(e.image));
  const float dx = float(e.offset.x());
  const float dy = float(e.offset.y());
  l.HitRegion = HitRegionAt(l.Image, l.Bounds.X + dx, l.Bounds.Y + dy);
  l.Bounds.X += dx;
  l.Bounds.Y += dy;
  l.Bounds.Width = float(l.ImageWidth);
  l.Bounds.Height = float(l.ImageHeight);
  l.Opacity = e.opacity;
  doc.Layers[shadowIndex + 1] = std::move(icon);
  doc.SelectedLayer = shadowIndex;
  // The panel shows the shadow, the selected layer: opacity 40 and its own adjustments.
  doc.ShowSelectedLayerInPanel();
  Finish(doc, 0);
  return true;
}

bool ApplyDisabledState(IconDocument& doc) {
  return ChangeEveryLayer(doc, [](QImage& image) { ClsFilters().DisabledState(image); });
}

bool ApplyHotState(IconDocument& doc) {
  return ChangeEveryLayer(doc, [](QImage& image) { ClsFilters().HotState(image); });
}
