#include "icon_document.h"

#include <QFileInfo>

#include <algorithm>

#include "core/compositor.h"
#include "imaging/rounding.h"

IconDocument::IconDocument() {
  // At start nothing is open: no document, sliders disabled, file commands off.
  Window.CtlScroll21.Value = 10;
  for (int b : {LayerNew, LayerRemove, LayerHide}) Window.LayerBar[b].Enabled = false;
  for (int b : {CmdImport, CmdSave, CmdUndo, CmdRedo, CmdZoomIn, CmdZoomOut, CmdOriginalSize}) {
    Window.CommandBar[b].Enabled = false;
  }
}

IconLayer* IconDocument::Selected() {
  return SelectedLayer >= 0 && SelectedLayer < LayerCount() ? &Layers[SelectedLayer] : nullptr;
}

const IconLayer* IconDocument::Selected() const {
  return SelectedLayer >= 0 && SelectedLayer < LayerCount() ? &Layers[SelectedLayer] : nullptr;
}

QString IconDocument::CaptionFor(const QString& fileName) {
  if (fileName.isEmpty()) return QStringLiteral("Vorkel Glyphsmithy - Project *");
  return QStringLiteral("Vorkel Glyphsmithy - ") + QFileInfo(fileName).fileName();
}

void IconDocument::InitDocument(int width, int height, bool withBlankLayer) {
  Layers.clear();
  ClearHistory();
  Window.Caption = CaptionFor(QString());
  View.StartOpeningAnimation();
  View.Animating = false;  // started at the end, once the page exists
  FileName.clear();
  PageHeight = height;
  SelectedLayer = -1;
  SuppressPageSizeEvents = true;
  DocumentReady = true;
  PageWidth = width;

  Window.PageWidthBox = {width, true};
  Window.PageHeightBox = {height, true};
  Window.ScaleScroll.Value = 50;
  Window.CtlScroll21.Value = 0;
  Window.Menus = MenuState{true, true, true, false, false, false, false};
  Window.SetLayerSlidersEnabled(false);
  View.Hs1 = ScrollBarModel{10, 5, View.Hs1.LargeChange, false};
  View.Vs1 = ScrollBarModel{10, 5, View.Vs1.LargeChange, false};
  SetAdjustmentSliders(0, 50, 40, 50);

  Window.CommandBar[CmdImport].Enabled = true;
  Window.CommandBar[CmdSave].Enabled = false;
  Window.CommandBar[CmdUndo].Enabled = false;
  Window.CommandBar[CmdRedo].Enabled = false;
  View.ZoomInEnabled = true;
  View.ZoomOutEnabled = true;
  View.OriginalSizePressed = true;
  MirrorViewButtons();

  Window.LayerBar[LayerNew].Enabled = true;
  Window.LayerBar[LayerRemove].Enabled = false;
  Window.LayerBar[LayerHide].Enabled = false;
  Window.LayerBar[LayerHide].Pressed = false;
  Window.LayerBar[4].Pressed = false;
  SuppressPageSizeEvents = false;

  if (withBlankLayer) InsertBlankLayer(PageWidth, PageHeight);
  RebuildComposite(5, false);
  Notify(Hooks.LayerPanelChanged);
  if (Hooks.ShowTips) Hooks.ShowTips(1);

  View.StartOpeningAnimation();
}

bool IconDocument::InsertBlankLayer(int width, int height) {
  if (LayerCount() >= kMaxLayers) return false;
  if (Hooks.BusyCursor) Hooks.BusyCursor(true);
  DiscardRedo();
  PushUndoSnapshot();

  const int countBefore = LayerCount();
  const int slot = SelectedLayer >= 0 ? SelectedLayer + 1 : countBefore;
  IconLayer layer;
  layer.Opacity = 1.0f;
  layer.Bounds = LayerBounds{0, 0, float(width), float(height)};
  layer.BaseBounds = layer.Bounds;
  QImage image(std::max(PageWidth, 1), std::max(PageHeight, 1), QImage::Format_ARGB32);
  image.fill(0);
  layer.Image = image;
  // The stored size follows the caller's width and height; callers that pass another size than
  // the page replace the image with their own before anything draws the layer.
  layer.ImageWidth = width;
  layer.ImageHeight = height;
  if (const IconLayer* previous = Selected()) layer.HitRegion = previous->HitRegion;
  Layers.insert(Layers.begin() + slot, std::move(layer));
  SelectedLayer = slot;
  ResetLayerAdjustments(slot);
  ShowSelectedLayerInPanel();

  Window.LayerBar[LayerRemove].Enabled = countBefore > 1;
  Window.LayerBar[LayerHide].Enabled = true;
  Window.LayerBar[LayerHide].Pressed = true;
  if (Hooks.BusyCursor) Hooks.BusyCursor(false);
  return true;
}

void IconDocument::ResetLayerAdjustments(int index) {
  if (index < 0 || index >= LayerCount()) return;
  IconLayer& layer = Layers[index];
  layer.Hue = 0;
  layer.Contrast = 50;
  layer.Brightness = 50;
  layer.Saturation = 40;
}

void IconDocument::ShowLayerAdjustments(int index) {
  if (index < 0 || index >= LayerCount()) return;
  const IconLayer& layer = Layers[index];
  SetAdjustmentSliders(layer.Hue, layer.Brightness, layer.Saturation, layer.Contrast);
}

void IconDocument::SetAdjustmentSliders(int hue, int brightness, int saturation, int contrast) {
  Window.HUEscroll.Value = hue;
  Window.BrightnessScroll.Value = brightness;
  Window.SaturationScroll.Value = saturation;
  Window.ContrastScroll.Value = contrast;
  Window.HueValue = QString::number(hue);
  Window.BrightnessValue = QStringLiteral("0");
  Window.SaturationValue = QStringLiteral("0");
  Window.ContrastValue = QStringLiteral("0");
}

void IconDocument::ShowSelectedLayerInPanel() {
  const IconLayer* layer = Selected();
  if (layer) {
    Window.CtlScroll21.Value = RoundHalfEven(layer->Opacity * 100.0);
    Window.ScaleScroll.Value = layer->ScaleOffset + 50;
    Window.ScaleValue = QString::number(layer->ScaleOffset);
    ShowLayerAdjustments(SelectedLayer);
  }
  Window.SetLayerSlidersEnabled(layer != nullptr);
}

void IconDocument::RebuildComposite(int /*interpolation*/, bool refresh) {
  // Every caller asks for nearest neighbour, the only interpolation the compositor uses.
  PageWidth = std::max(PageWidth, 1);
  PageHeight = std::max(PageHeight, 1);
  Composite = ComposeLayers(Layers, PageWidth, PageHeight);
  RenderCanvas(refresh);
}

void IconDocument::RenderCanvas(bool refresh) {
  if (!DocumentReady) return;
  if (Hooks.CanvasChanged) Hooks.CanvasChanged(refresh);
}

UndoSnapshot IconDocument::CaptureState() const {
  return UndoSnapshot{LayerCount(), SelectedLayer, Layers};
}

void IconDocument::PushUndoSnapshot() {
  Modified = true;
  Snapshots.Push(CaptureState());
  Window.CommandBar[CmdUndo].Enabled = true;
  Window.Menus.Undo = true;
}

void IconDocument::DiscardRedo() {
  Snapshots.DiscardRedo();
  Window.CommandBar[CmdRedo].Enabled = false;
  Window.Menus.Redo = false;
}

void IconDocument::LoadState(const UndoSnapshot& state) {
  Layers = state.Layers;
  SelectedLayer = state.SelectedLayer;
  if (SelectedLayer >= LayerCount()) SelectedLayer = LayerCount() - 1;
  ShowSelectedLayerInPanel();
}

void IconDocument::Undo() {
  if (!CanUndo()) return;
  Modified = true;
  UndoSnapshot present = CaptureState();
  if (IconLayer* layer = SelectedLayer >= 0 && SelectedLayer < present.LayerCount
                             ? &present.Layers[SelectedLayer]
                             : nullptr) {
    layer->Brightness = Window.BrightnessScroll.Value;
    layer->Contrast = Window.ContrastScroll.Value;
    layer->Hue = Window.HUEscroll.Value;
    layer->Saturation = Window.SaturationScroll.Value;
  }
  const UndoSnapshot* previous = Snapshots.Undo(std::move(present));
  if (!previous) return;
  LoadState(*previous);
  AfterHistoryMove();
}

void IconDocument::Redo() {
  if (!CanRedo()) return;
  const UndoSnapshot* next = Snapshots.Redo();
  if (!next) return;
  Modified = true;
  LoadState(*next);
  AfterHistoryMove();
}

void IconDocument::AfterHistoryMove() {
  const bool selected = Selected() != nullptr;
  Window.CommandBar[CmdSave].Enabled = LayerCount() > 0;
  Window.CommandBar[CmdUndo].Enabled = CanUndo();
  Window.CommandBar[CmdRedo].Enabled = CanRedo();
  Window.Menus.Undo = CanUndo();
  Window.Menus.Redo = CanRedo();
  Window.LayerBar[LayerRemove].Enabled = selected;
  Window.LayerBar[LayerHide].Enabled = selected;
  Window.LayerBar[LayerHide].Pressed = selected && Selected()->Visible;
  Window.LayerBar[LayerSetOrder].Enabled = SelectedLayer > 0;
  Window.LayerBar[LayerMergeDown].Enabled = SelectedLayer > 0;
  RebuildComposite(5, true);
  Notify(Hooks.LayerPanelChanged);
}

void IconDocument::ClearHistory() {
  Snapshots.Clear();
}

void IconDocument::MirrorViewButtons() {
  Window.CommandBar[CmdZoomIn].Enabled = View.ZoomInEnabled;
  Window.CommandBar[CmdZoomOut].Enabled = View.ZoomOutEnabled;
  Window.CommandBar[CmdOriginalSize].Enabled = true;
  Window.CommandBar[CmdOriginalSize].Pressed = View.OriginalSizePressed;
}

void IconDocument::ZoomIn() {
  const double before = View.Zoom;
  View.ZoomIn(PageWidth, PageHeight);
  MirrorViewButtons();
  // Reaching the limit changes the zoom without a redraw; the next redraw shows it.
  if (View.Zoom != before && View.ZoomInEnabled) RenderCanvas(true);
}

void IconDocument::ZoomOut() {
  const double before = View.Zoom;
  View.ZoomOut(PageWidth, PageHeight);
  MirrorViewButtons();
  if (View.Zoom != before) RenderCanvas(true);
}

void IconDocument::ToggleOriginalSize() {
  View.ToggleOriginalSize(PageWidth, PageHeight, Window.PageWidthChanged);
  MirrorViewButtons();
  RenderCanvas(true);
}

bool IconDocument::ZoomAnimationTick() {
  const bool running = View.AnimationTick();
  RenderCanvas(true);
  return running;
}

void IconDocument::ResizeCanvas(int sceneWidth, int sceneHeight) {
  View.Resize(sceneWidth, sceneHeight, PageWidth, PageHeight);
  RenderCanvas(true);
}

void IconDocument::SetPageWidth(int width) {
  if (SuppressPageSizeEvents) return;
  PageWidth = std::clamp(width, 1, kMaxPageSide);
  Window.PageWidthBox.Value = PageWidth;
  Window.PageWidthChanged = true;
  RebuildComposite(5, true);
}

void IconDocument::SetPageHeight(int height) {
  if (SuppressPageSizeEvents) return;
  PageHeight = std::clamp(height, 1, kMaxPageSide);
  Window.PageHeightBox.Value = PageHeight;
  RebuildComposite(5, true);
}
