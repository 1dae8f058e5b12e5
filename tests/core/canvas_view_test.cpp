#include <gtest/gtest.h>

#include <QPainter>

#include "core/canvas_view.h"

namespace {

CanvasView ViewAt(double zoom, int sceneW = 800, int sceneH = 600) {
  CanvasView v;
  v.Zoom = zoom;
  v.SceneWidth = sceneW;
  v.SceneHeight = sceneH;
  return v;
}

QImage Render(CanvasView& view, const QImage& composite, ARGB background,
              const IconLayer* selected = nullptr) {
  QImage canvas(view.SceneWidth, view.SceneHeight, QImage::Format_ARGB32);
  canvas.fill(0);
  QPainter p(&canvas);
  view.RenderCanvas(p, composite, background, selected);
  return canvas;
}

TEST(RenderCanvas, CentresThePageOnItsCheckerboard) {
  CanvasView view = ViewAt(1.0, 100, 80);
  QImage page(20, 20, QImage::Format_ARGB32);
  page.fill(0);
  const QImage canvas = Render(view, page, 0);
  // Page of 20 at zoom 1 centred in 100 x 80: left 40, top 30.
  const int left = 40, top = 30;
  const QRgb white = 0xFFFFFFFFu, grey = qRgb(240, 240, 240);
  // First row: a white 5-pixel gap, then a grey square; the second row starts grey.
  for (int x = 0; x < 5; ++x) EXPECT_EQ(canvas.pixel(left + x, top), white) << x;
  for (int x = 5; x < 10; ++x) EXPECT_EQ(canvas.pixel(left + x, top), grey) << x;
  EXPECT_EQ(canvas.pixel(left, top + 5), grey);
  EXPECT_EQ(canvas.pixel(left + 5, top + 5), white);
  EXPECT_EQ(canvas.pixel(left + 19, top + 19), white);
  // Outside the page: the canvas grey, and the outline one pixel out.
  EXPECT_EQ(canvas.pixel(left + 20 + 1, top + 5), 0xFF808080u);
  EXPECT_EQ(canvas.pixel(left + 5, top + 20 + 1), 0xFF808080u);
  const QColor outline = QColor::fromRgb(canvas.pixel(left - 1, top + 3));
  EXPECT_LT(outline.red(), 60);  // near-black line over grey
  EXPECT_EQ(canvas.pixel(5, 5), 0xFF808080u);
}

TEST(RenderCanvas, UsesTheBackgroundColourAndMagnifiesWithHardEdges) {
  CanvasView view = ViewAt(3.0, 60, 60);
  QImage page(4, 4, QImage::Format_ARGB32);
  page.fill(0);
  page.setPixel(1, 1, 0xFFFF0000u);
  const QImage canvas = Render(view, page, 0xFF00FF00u);
  const int left = 24, top = 24;  // (60 - 12) / 2
  EXPECT_EQ(canvas.pixel(left, top), 0xFF00FF00u);
  for (int d = 0; d < 3; ++d) EXPECT_EQ(canvas.pixel(left + 3 + d, top + 3 + d), 0xFFFF0000u);
  EXPECT_EQ(canvas.pixel(left + 6, top + 6), 0xFF00FF00u);
  EXPECT_EQ(canvas.pixel(left + 13, top + 4), 0xFF808080u);  // trimmed past the outline
}

TEST(RenderCanvas, PlacesTheSelectionFrameAroundTheSelectedLayer) {
  CanvasView view = ViewAt(2.0, 100, 100);
  QImage page(20, 20, QImage::Format_ARGB32);
  page.fill(0);
  IconLayer layer;
  layer.Bounds = {3, 4, 5, 6};
  Render(view, page, 0, &layer);
  EXPECT_EQ(view.SelectedShape.Rect, QRect(30 + 6, 30 + 8, 10, 12));
  EXPECT_TRUE(view.SelectedShape.Visible);
  layer.Visible = false;
  Render(view, page, 0, &layer);
  EXPECT_FALSE(view.SelectedShape.Visible);
}

TEST(Zoom, InClimbsByTwoFromOneAndStopsAtTwenty) {
  CanvasView view = ViewAt(1.0);
  std::vector<double> ladder;
  while (view.ZoomInEnabled) {
    view.ZoomIn(16, 16);
    ladder.push_back(view.Zoom);
  }
  EXPECT_EQ(ladder, (std::vector<double>{3, 5, 7, 9, 11, 13, 15, 17, 19, 20}));
  EXPECT_TRUE(view.ZoomOutEnabled);
}

TEST(Zoom, OutDescendsToPointTwoAndStops) {
  CanvasView view = ViewAt(3.0);
  std::vector<double> ladder;
  while (view.ZoomOutEnabled) {
    const double before = view.Zoom;
    view.ZoomOut(16, 16);
    if (view.Zoom != before) ladder.push_back(view.Zoom);
  }
  ASSERT_EQ(ladder.size(), 5u);
  const double expected[] = {1, 0.8, 0.6, 0.4, 0.2};
  for (size_t i = 0; i < 5; ++i) EXPECT_NEAR(ladder[i], expected[i], 1e-9);
  EXPECT_NEAR(view.Zoom, 0.2, 1e-9);
  EXPECT_FALSE(view.ZoomOutEnabled);
  EXPECT_TRUE(view.ZoomInEnabled);
}

TEST(Zoom, OutFromTwoOrJustAboveKeepsAVisiblePage) {
  for (double start : {2.0, 2.1, 20.0}) {
    CanvasView view = ViewAt(start);
    for (int i = 0; i < 30; ++i) {
      view.ZoomOut(16, 16);
      ASSERT_GE(view.Zoom, 0.2 - 1e-9) << "from " << start;
    }
  }
}

TEST(Zoom, ScrollBarsFollowThePageSize) {
  CanvasView view = ViewAt(1.0, 100, 100);
  view.ZoomIn(64, 40);  // zoom 3: 192 x 120 on a 100 x 100 canvas
  EXPECT_TRUE(view.Hs1.Enabled);
  EXPECT_EQ(view.Hs1.Max, 92);
  EXPECT_EQ(view.Hs1.LargeChange, 92);
  EXPECT_EQ(view.Hs1.Value, 46);
  EXPECT_EQ(view.Vs1.Max, 20);
  view.ZoomOut(64, 40);  // back to 1: both fit again
  EXPECT_FALSE(view.Hs1.Enabled);
  EXPECT_FALSE(view.Vs1.Enabled);
}

TEST(OriginalSize, FirstReleaseAfterNewGoesToTheFitZoom) {
  CanvasView view = ViewAt(1.0, 204, 104);
  view.OriginalSizePressed = true;  // as after New
  view.SavedView.Zoom = 1.0;
  bool changed = false;
  view.ToggleOriginalSize(50, 20, changed);  // release
  EXPECT_FALSE(view.OriginalSizePressed);
  EXPECT_DOUBLE_EQ(view.Zoom, 4.0);  // (204 - 4) / 50
  EXPECT_EQ(view.Hs1.Max, 10);
  EXPECT_EQ(view.Hs1.Value, 5);
  // Press: 1:1, remembering the fit view; release returns to it.
  view.ToggleOriginalSize(50, 20, changed);
  EXPECT_DOUBLE_EQ(view.Zoom, 1.0);
  view.ToggleOriginalSize(50, 20, changed);
  EXPECT_DOUBLE_EQ(view.Zoom, 4.0);
}

TEST(OriginalSize, AChangedPageWidthAlwaysGoesToTheFitZoom) {
  CanvasView view = ViewAt(7.0, 204, 204);
  bool changed = false;
  view.ToggleOriginalSize(100, 100, changed);  // press, saves zoom 7
  changed = true;
  view.ToggleOriginalSize(100, 100, changed);  // release
  EXPECT_DOUBLE_EQ(view.Zoom, 2.0);
  EXPECT_FALSE(changed);
}

TEST(Resize, DisablesScrollBarsWhenThePageFits) {
  CanvasView view = ViewAt(5.0);
  view.Resize(100, 400, 40, 40);  // 200 wide, 200 high
  EXPECT_TRUE(view.Hs1.Enabled);
  EXPECT_EQ(view.Hs1.Max, 100);
  EXPECT_EQ(view.Hs1.Value, 50);
  EXPECT_FALSE(view.Vs1.Enabled);
}

TEST(ScrollBarModel, PositionTakesElevenSteps) {
  ScrollBarModel bar{100, 34, 1, true};
  EXPECT_DOUBLE_EQ(bar.Fraction(), 0.3);
  bar.Value = 35;
  EXPECT_DOUBLE_EQ(bar.Fraction(), 0.4);  // 0.35 is not exact in binary and rounds up
  bar.Max = 0;
  EXPECT_DOUBLE_EQ(bar.Fraction(), 0.5);
}

}  // namespace
