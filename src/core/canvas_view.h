#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include "core/icon_layer.h"
#include "imaging/argb.h"

// One canvas scroll bar (Hs1 or Vs1) as the view sees it.
struct ScrollBarModel {
  int Max = 10;
  int Value = 5;
  int LargeChange = 1;
  bool Enabled = false;
  // The scroll position as a ratio rounded to one decimal: the page takes 11 positions per axis.
  double Fraction() const;
};

struct SavedViewState {
  double Zoom = 1.0;
  int HScrollValue = 5;
  int VScrollValue = 5;
  int HScrollMax = 10;
  int VScrollMax = 10;
  bool HScrollEnabled = false;
  bool VScrollEnabled = false;
};

// The dotted frame around the selected layer.
struct SelectionFrame {
  QRect Rect;
  bool Visible = false;
};

// The canvas view: zoom, scroll bars, the opening zoom animation, and drawing of the page onto the
// canvas. Knows nothing of widgets: the window feeds it the canvas size and paints what it renders.
class CanvasView {
 public:
  double Zoom = 0.0;
  SavedViewState SavedView;
  int MaxZoom = 20;
  float ZoomStep = 0.0f;
  float ZoomTarget = 1.0f;
  bool Zooming = false;
  bool Animating = false;  // the zoom animation timer runs
  ScrollBarModel Hs1;
  ScrollBarModel Vs1;
  int SceneWidth = 0;
  int SceneHeight = 0;
  SelectionFrame SelectedShape;

  // Command-bar buttons this view owns: Zoom In, Zoom Out, Original Size.
  bool ZoomInEnabled = true;
  bool ZoomOutEnabled = true;
  bool OriginalSizePressed = false;

  static constexpr ARGB kCanvasGrey = 0xFF808080u;

  // Resets the view for a new or opened document and starts the opening animation.
  void StartOpeningAnimation();
  // One tick of the animation; returns false once it has stopped.
  bool AnimationTick();

  void ZoomIn(int pageWidth, int pageHeight);
  void ZoomOut(int pageWidth, int pageHeight);
  // Toggles Original Size; `pageSizeChanged` is the page-width box's "Change" tag (cleared here).
  void ToggleOriginalSize(int pageWidth, int pageHeight, bool& pageSizeChanged);
  // The canvas was resized to sceneWidth x sceneHeight.
  void Resize(int sceneWidth, int sceneHeight, int pageWidth, int pageHeight);

  // Paints the whole canvas (SceneWidth x SceneHeight) onto `surface`: grey canvas, page
  // background, outline, the composite at the current zoom, and places the selection frame for
  // `selected` (nullptr when no layer is selected).
  void RenderCanvas(QPainter& surface, const QImage& composite, ARGB background,
                    const IconLayer* selected, float opacity = 1.0f);

  // Fills the page area with the background colour or the checkerboard and trims the overflow.
  void DrawPageBackground(QPainter& surface, int left, float top, int width, int height,
                          ARGB background) const;
  void PlaceSelectionFrame(const IconLayer* selected, int pageWidth, int pageHeight);

  // The page's top-left on the canvas for a page of the given on-screen size.
  QPoint PageOrigin(double shownWidth, double shownHeight) const;

 private:
  void SetScrollMaxima(int pageWidth, int pageHeight, bool setLargeChangeAndEnable);
};
