#include "style_commands.h"

#include <utility>

#include "core/commands/command_support.h"
#include "core/commands/layer_commands.h"
#include "filters/filters.h"

namespace {

constexpr int kOverlayTip = 9;
constexpr int kVistaTip = 11;
constexpr int kLightTip = 2;
constexpr int kIosTip = 14;

void Finish(IconDocument& doc, int tip) {
  doc.RebuildComposite(5, true);
  RefreshLayerPanel(doc);
  if (tip > 0) ShowTip(doc, tip);
}

// Puts a style's overlay into the new layer N (at `index`), placed at the icon layer's position
// plus the overlay's offset inside the icon, one page pixel per image pixel.
void PlaceOverlay(IconLayer& n, const LayerBounds& icon, const styles::StyleResult& r) {
  n.SetImage(r.rImg);
  n.ImageWidth = r.rW;
  n.ImageHeight = r.rH;
  n.HitRegion = HitRegionAt(n.Image, r.rX + icon.X, r.rY + icon.Y);
  n.Bounds = LayerBounds{r.rX + icon.X, r.rY + icon.Y, float(r.rW), float(r.rH)};
  n.Opacity = 1.0f;
  n.BaseBounds = n.Bounds;
  n.Visible = true;
}

// The overlay steps shared by Crystal, Origami and Vista: a blank layer above the icon, then the
// style's result in it. `style` may also change the icon's own image.
template <typename Style>
bool AddOverlay(IconDocument& doc, Style&& style) {
  const int icon = doc.SelectedLayer;
  const IconLayer& l = doc.Layers[icon];
  if (!doc.InsertBlankLayer(l.ImageWidth, l.ImageHeight)) return false;
  const styles::StyleResult r = style(doc.Layers[icon].Image);
  PlaceOverlay(doc.Layers[icon + 1], doc.Layers[icon].Bounds, r);
  return true;
}

// Style commands that only change the icon's pixels.
template <typename Change>
bool ChangeIcon(IconDocument& doc, int tip, Change&& change) {
  IconLayer* layer = doc.Selected();
  if (!layer) return false;
  BusyScope busy(doc);
  doc.BeginEdit();
  change(doc.Selected()->Image);
  Finish(doc, tip);
  return true;
}

}  // namespace

bool ApplyCrystalStyle(IconDocument& doc) {
  if (!doc.Selected() || !HasRoomFor(doc, 1)) return false;
  BusyScope busy(doc);
  doc.BeginEdit();
  AddOverlay(doc, [](QImage& icon) { return ClsFilters().CrystalOverlay(icon); });
  Finish(doc, kOverlayTip);
  return true;
}

bool ApplyOrigamiStyle(IconDocument& doc, int menuIndex, const DrawingColors& colors) {
  if (!doc.Selected() || !HasRoomFor(doc, 1)) return false;
  BusyScope busy(doc);
  doc.BeginEdit();
  const ARGB color = colors.SwatchColors[0];
  AddOverlay(doc,
             [&](QImage& icon) { return ClsFilters().OrigamiOverlay(icon, menuIndex, color); });
  Finish(doc, kOverlayTip);
  return true;
}

bool ApplyVistaStyle(IconDocument& doc) {
  if (!doc.Selected() || !HasRoomFor(doc, 1)) return false;
  BusyScope busy(doc);
  // The new layer's snapshot is the command's only history step.
  AddOverlay(doc, [](QImage& icon) { return ClsFilters().VistaStyle(icon); });
  doc.Window.CtlScroll21.Value = 100;
  Finish(doc, kVistaTip);
  return true;
}

bool ApplyIosStyle(IconDocument& doc, const DrawingColors& colors) {
  if (!doc.Selected() || !HasRoomFor(doc, 2)) return false;
  BusyScope busy(doc);
  doc.BeginEdit();
  const int tileIndex = doc.SelectedLayer;
  const IconLayer& l = doc.Layers[tileIndex];
  doc.InsertBlankLayer(l.ImageWidth, l.ImageHeight);

  IconLayer& tile = doc.Layers[tileIndex];
  IconLayer icon = tile;  // the icon as it was; its pixels are shared until either side writes
  styles::TileResult t =
      ClsFilters().IosTile(colors.SwatchColors[0], doc.PageWidth, doc.PageHeight);
  tile.SetImage(std::move(t.rImg));
  tile.ImageWidth = doc.PageWidth;
  tile.ImageHeight = doc.PageHeight;
  tile.Bounds = LayerBounds{0, 0, t.rW, t.rH};
  tile.ClipPath = std::move(t.rPath);
  tile.ClipAbove = true;
  tile.HitRegion = HitRegionAt(tile.Image, 0, 0);
  doc.Layers[tileIndex + 1] = std::move(icon);

  // The layer tool bar's first button puts a blank layer between the tile and the icon.
  doc.SelectedLayer = tileIndex;
  LayerBarNewLayer(doc);
  Finish(doc, kIosTip);
  return true;
}

bool ApplyIrradiation(IconDocument& doc) {
  return ChangeIcon(doc, kLightTip, [](QImage& icon) { ClsFilters().Irradiation(icon); });
}

bool ApplyMacStyle(IconDocument& doc) {
  return ChangeIcon(doc, kLightTip, [](QImage& icon) { ClsFilters().MacStyle(icon); });
}

bool ApplyBlur(IconDocument& doc) {
  return ChangeIcon(doc, 0, [](QImage& icon) { ClsFilters().Soften(icon, 90); });
}
