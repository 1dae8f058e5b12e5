#pragma once

#include <QImage>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

#include "core/canvas_view.h"
#include "core/history.h"
#include "core/icon_layer.h"
#include "core/window_state.h"
#include "imaging/argb.h"

// What a document asks of whoever shows it. All optional; the command line leaves them empty.
struct DocumentHooks {
  std::function<void(bool refresh)> CanvasChanged;  // repaint the canvas
  std::function<void()> LayerPanelChanged;          // reload the layer list
  std::function<void()> SelectedThumbnailChanged;   // redraw the selected layer's thumbnail
  std::function<void(int tip)> ShowTips;            // show a context tip
  std::function<void(bool busy)> BusyCursor;        // show or restore the wait cursor
};

// The one document of the editor window: page, layer stack, selection, history, view, and the
// panel state the window mirrors. Every command that changes it follows the editing protocol:
// DiscardRedo, PushUndoSnapshot, change, RebuildComposite.
class IconDocument {
 public:
  static constexpr int kMaxLayers = 5001;
  static constexpr int kMaxPageSide = 512;

  IconDocument();

  std::vector<IconLayer> Layers;  // index 0 at the bottom
  int SelectedLayer = -1;
  int PageWidth = 1;
  int PageHeight = 1;
  ARGB BackgroundColor = 0;  // 0: transparent, the canvas shows a checkerboard
  QString FileName;
  bool Modified = false;
  bool DocumentReady = false;
  bool SuppressPageSizeEvents = false;

  std::optional<IconLayer> ClipboardLayer;  // the internal copy made by Copy and Cut
  QImage AdjustSource;  // pristine copy of the selected image during a slider drag or stroke
  LayerBounds ScaleStartBounds;
  QImage Composite;  // the flattened page, straight ARGB32

  CanvasView View;
  History Snapshots;
  WindowState Window;
  DocumentHooks Hooks;

  int LayerCount() const { return static_cast<int>(Layers.size()); }
  IconLayer* Selected();
  const IconLayer* Selected() const;

  // Discards the current document and starts a new page; see the New command.
  void InitDocument(int width, int height, bool withBlankLayer);
  // Snapshot, then a transparent page-sized layer above the selected one (or on top), selected.
  // Returns false (and changes nothing) when the stack is full.
  bool InsertBlankLayer(int width, int height);
  void ResetLayerAdjustments(int index);
  void ShowLayerAdjustments(int index);
  void SetAdjustmentSliders(int hue, int brightness, int saturation, int contrast);
  // Shows the selected layer's opacity, resize and adjustment values and enables the sliders.
  void ShowSelectedLayerInPanel();

  void RebuildComposite(int interpolation = 5, bool refresh = true);
  void RenderCanvas(bool refresh = true);

  // History.
  void PushUndoSnapshot();
  void DiscardRedo();
  // The editing protocol's first two steps in one call.
  void BeginEdit() {
    DiscardRedo();
    PushUndoSnapshot();
  }
  bool CanUndo() const { return Snapshots.UndoPosition > 0; }
  bool CanRedo() const { return Snapshots.RedoCount != 0; }
  void Undo();
  void Redo();
  void ClearHistory();

  // View commands (command-bar buttons 9, 10, 11), the opening animation and canvas resizes.
  void ZoomIn();
  void ZoomOut();
  void ToggleOriginalSize();
  bool ZoomAnimationTick();
  void ResizeCanvas(int sceneWidth, int sceneHeight);
  // Shows the view's Zoom In, Zoom Out and Original Size states on the command bar.
  void MirrorViewButtons();

  // The Properties panel's page size boxes: clamped to 1..512; ignored while
  // SuppressPageSizeEvents is set.
  void SetPageWidth(int width);
  void SetPageHeight(int height);

  // The caption for a document file name (empty: a new project).
  static QString CaptionFor(const QString& fileName);

 private:
  UndoSnapshot CaptureState() const;
  void LoadState(const UndoSnapshot& state);
  void AfterHistoryMove();
  void Notify(const std::function<void()>& hook) const {
    if (hook) hook();
  }
};
