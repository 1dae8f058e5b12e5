#include "layer_commands.h"

#include <QPainter>

#include <algorithm>
#include <utility>

#include "core/commands/command_support.h"
#include "imaging/draw_image.h"
#include "imaging/rotate_flip.h"
#include "imaging/rounding.h"

namespace {

bool IsEmpty(const LayerBounds& b) { return !(b.Width > 0 && b.Height > 0); }

// The bounding rectangle of two layer rectangles, as the bounds of a region made from them: an
// empty rectangle adds nothing.
LayerBounds UnionBounds(const LayerBounds& a, const LayerBounds& b) {
  if (IsEmpty(a)) return IsEmpty(b) ? LayerBounds{} : b;
  if (IsEmpty(b)) return a;
  const float left = std::min(a.X, b.X);
  const float top = std::min(a.Y, b.Y);
  const float right = std::max(a.X + a.Width, b.X + b.Width);
  const float bottom = std::max(a.Y + a.Height, b.Y + b.Height);
  return LayerBounds{left, top, right - left, bottom - top};
}

void DrawInto(QPainter& surface, const IconLayer& layer, const LayerBounds& origin) {
  const LayerBounds& b = layer.Bounds;
  DrawImageWithOpacity(surface, layer.Image, layer.Opacity, b.X - origin.X, b.Y - origin.Y, b.Width,
                       b.Height, 0, 0, b.Width, b.Height);
}

QImage MergedImage(const IconLayer& lower, const IconLayer& upper, const LayerBounds& u) {
  const int w = RoundHalfEven(u.Width);
  const int h = RoundHalfEven(u.Height);
  if (w < 1 || h < 1) return QImage();
  QImage merged(w, h, QImage::Format_ARGB32);
  merged.fill(0);
  QPainter surface(&merged);
  surface.setCompositionMode(QPainter::CompositionMode_SourceOver);
  surface.setRenderHint(QPainter::SmoothPixmapTransform, false);
  DrawInto(surface, lower, u);
  DrawInto(surface, upper, u);
  surface.end();
  return merged;
}

void ShowMergedLayer(IconDocument& doc) {
  WindowState& w = doc.Window;
  w.CtlScroll21.Value = 100;
  w.ScaleScroll.Value = 50;
  w.ScaleValue = QStringLiteral("0");
  doc.ShowLayerAdjustments(doc.SelectedLayer);
  for (SliderState* s : {&w.CtlScroll21, &w.HUEscroll, &w.BrightnessScroll, &w.SaturationScroll,
                         &w.ContrastScroll, &w.ScaleScroll}) {
    s->Enabled = true;
  }
}

int LibraryType(FlipRotate mode) {
  switch (mode) {
    case FlipRotate::FlipHorizontal:
      return RotateNoneFlipX;
    case FlipRotate::FlipVertical:
      return RotateNoneFlipY;
    case FlipRotate::Rotate90CWW:
      return Rotate90FlipX;
    case FlipRotate::Rotate90CW:
      return Rotate90FlipNone;
  }
  return RotateNoneFlipX;
}

void MoveSelected(IconDocument& doc, int to) {
  int& s = doc.SelectedLayer;
  while (s < to) {
    std::swap(doc.Layers[s], doc.Layers[s + 1]);
    ++s;
  }
  while (s > to) {
    std::swap(doc.Layers[s], doc.Layers[s - 1]);
    --s;
  }
}

}  // namespace

bool DeleteIcon(IconDocument& doc, bool refresh) {
  if (!doc.Selected()) return false;
  {
    BusyScope busy(doc);
    doc.BeginEdit();
    if (doc.LayerCount() < 2) {
      doc.Layers.clear();
    } else {
      doc.Layers.erase(doc.Layers.begin() + doc.SelectedLayer);
    }
    doc.SelectedLayer = doc.Layers.empty() ? -1 : std::max(doc.SelectedLayer - 1, 0);
    // The panel would otherwise keep showing the removed layer's values.
    doc.ShowSelectedLayerInPanel();
  }
  if (refresh) {
    doc.RebuildComposite(5, true);
    RefreshLayerPanel(doc);
  }
  if (doc.LayerCount() == 1) doc.Window.LayerBar[LayerRemove].Enabled = false;
  return true;
}

bool CombineIcon(IconDocument& doc) {
  if (doc.SelectedLayer < 1 || !doc.Selected()) return false;
  BusyScope busy(doc);
  doc.BeginEdit();
  const IconLayer& upper = doc.Layers[doc.SelectedLayer];
  const IconLayer& lower = doc.Layers[doc.SelectedLayer - 1];
  const LayerBounds u = UnionBounds(upper.Bounds, lower.Bounds);
  QImage merged = MergedImage(lower, upper, u);
  const QRegion keptRegion = upper.HitRegion;

  DeleteIcon(doc, false);
  IconLayer& layer = doc.Layers[doc.SelectedLayer];
  layer.Bounds = u;
  layer.BaseBounds = u;
  layer.SetImage(std::move(merged));
  layer.Opacity = 1.0f;
  layer.ScaleOffset = 0;
  layer.Visible = true;
  layer.HitRegion = layer.HitRegion.united(keptRegion);
  doc.ResetLayerAdjustments(doc.SelectedLayer);

  ShowMergedLayer(doc);
  WindowState& w = doc.Window;
  w.LayerBar[LayerRemove].Enabled = true;
  w.LayerBar[LayerHide] = ButtonState{true, true};
  w.LayerBar[LayerSetOrder].Enabled = doc.SelectedLayer > 0;
  w.LayerBar[LayerMergeDown].Enabled = doc.SelectedLayer > 0;
  doc.RebuildComposite(5, true);
  RefreshLayerPanel(doc);
  return true;
}

bool ChangeLayerOrder(IconDocument& doc, LayerOrder mode) {
  if (!doc.Selected() || doc.LayerCount() == 1) return false;
  doc.BeginEdit();
  const int top = doc.LayerCount() - 1;
  const int s = doc.SelectedLayer;
  switch (mode) {
    case LayerOrder::ToFront:
      MoveSelected(doc, top);
      break;
    case LayerOrder::ToBack:
      MoveSelected(doc, 0);
      break;
    case LayerOrder::BackOne:
      MoveSelected(doc, std::max(s - 1, 0));
      break;
    case LayerOrder::ForwardOne:
      MoveSelected(doc, std::min(s + 1, top));
      break;
  }
  doc.RebuildComposite(5, true);
  RefreshLayerPanel(doc);
  const bool visible = doc.Selected()->Visible;
  doc.Window.LayerBar[LayerSetOrder].Enabled = doc.LayerCount() >= 2 && visible;
  doc.Window.LayerBar[LayerMergeDown].Enabled = doc.SelectedLayer > 0 && visible;
  return true;
}

bool FlipRotateLayer(IconDocument& doc, FlipRotate mode, bool noRefresh) {
  if (!doc.Selected()) return false;
  doc.BeginEdit();
  IconLayer& layer = *doc.Selected();
  const QSize before = layer.Image.size();
  layer.SetImage(RotateFlip(layer.Image, LibraryType(mode)));
  if (layer.Image.size() != before) std::swap(layer.Bounds.Width, layer.Bounds.Height);
  layer.HitRegion = HitRegionAt(layer.Image, layer.Bounds.X, layer.Bounds.Y);
  if (!noRefresh) {
    doc.RebuildComposite(5, true);
    RefreshSelectedThumbnail(doc);
  }
  return true;
}

bool SelectLayer(IconDocument& doc, int index) {
  if (index < 0 || index >= doc.LayerCount()) return false;
  if (doc.SelectedLayer != index) doc.SetAdjustmentSliders(0, 50, 40, 50);
  doc.SelectedLayer = index;
  doc.ShowSelectedLayerInPanel();
  UpdateLayerBar(doc);
  doc.RebuildComposite(5, true);
  return true;
}

bool LayerBarNewLayer(IconDocument& doc) {
  if (!doc.DocumentReady || !doc.InsertBlankLayer(doc.PageWidth, doc.PageHeight)) return false;
  doc.RebuildComposite(5, true);
  RefreshLayerPanel(doc);
  UpdateLayerBar(doc);
  return true;
}

bool LayerBarRemoveLayer(IconDocument& doc) {
  if (!DeleteIcon(doc, true)) return false;
  UpdateLayerBar(doc);
  doc.Window.LayerBar[LayerRemove].Enabled = doc.LayerCount() > 0;
  return true;
}

bool LayerBarToggleVisible(IconDocument& doc) {
  IconLayer* layer = doc.Selected();
  if (!layer) return false;
  layer->Visible = !layer->Visible;
  UpdateLayerBar(doc);
  doc.RebuildComposite(5, true);
  RefreshLayerPanel(doc);
  return true;
}
