#include "core/commands/layer_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "command_fixtures.h"
#include "core/commands/layer_sliders.h"

using namespace fixtures;

namespace {

constexpr ARGB kRed = MakeARGB(255, 255, 0, 0);
constexpr ARGB kBlue = MakeARGB(255, 0, 0, 255);

// Four 8 x 8 layers tagged 1 to 4 from the bottom, layer `selected` selected.
IconDocument Tagged(int count, int selected) {
  IconDocument doc = Page(8, 8);
  for (int i = 0; i < count; ++i) AddLayer(doc, Solid(8, 8, MakeARGB(255, 0, 0, i + 1)));
  doc.SelectedLayer = selected;
  return doc;
}

std::vector<int> Tags(const IconDocument& doc) {
  std::vector<int> tags;
  for (const IconLayer& layer : doc.Layers) tags.push_back(Tag(layer));
  return tags;
}

TEST(MergeDown, CoversBothBoundsInOneLayerAndRecordsTwoSteps) {
  IconDocument doc = Page(64, 64);
  AddLayer(doc, Solid(32, 32, kRed), 0, 0);
  AddLayer(doc, Solid(32, 32, kBlue), 16, 16);
  const int before = Steps(doc);

  ASSERT_TRUE(CombineIcon(doc));
  ASSERT_EQ(doc.LayerCount(), 1);
  EXPECT_EQ(doc.SelectedLayer, 0);
  const IconLayer& merged = doc.Layers[0];
  EXPECT_EQ(merged.Bounds, (LayerBounds{0, 0, 48, 48}));
  EXPECT_EQ(merged.BaseBounds, merged.Bounds);
  EXPECT_EQ(merged.Image.size(), QSize(48, 48));
  EXPECT_EQ(merged.ImageWidth, 48);
  EXPECT_FLOAT_EQ(merged.Opacity, 1.0f);
  EXPECT_EQ(merged.Image.pixel(0, 0), kRed);
  EXPECT_EQ(merged.Image.pixel(20, 20), kBlue);  // the upper layer wins where both lie
  EXPECT_EQ(merged.Image.pixel(47, 47), kBlue);
  EXPECT_EQ(AlphaOf(merged.Image.pixel(40, 5)), 0);
  EXPECT_TRUE(merged.HitRegion.contains(QPoint(0, 0)));
  EXPECT_TRUE(merged.HitRegion.contains(QPoint(47, 47)));
  EXPECT_FALSE(merged.HitRegion.contains(QPoint(40, 5)));

  EXPECT_EQ(Steps(doc), before + 2);
  for (int undo = 0; undo < 2; ++undo) {
    doc.Undo();
    ASSERT_EQ(doc.LayerCount(), 2) << "undo " << undo;
    EXPECT_EQ(doc.Layers[1].Bounds, (LayerBounds{16, 16, 32, 32}));
    EXPECT_EQ(doc.Layers[1].Image.pixel(0, 0), kBlue);
  }
}

TEST(MergeDown, BakesTheUpperOpacityAndShowsFullOpacity) {
  IconDocument doc = Page(32, 32);
  AddLayer(doc, Solid(8, 8, 0));
  AddLayer(doc, Solid(8, 8, kBlue)).Opacity = 0.5f;
  doc.Window.CtlScroll21.Value = 50;
  ASSERT_TRUE(CombineIcon(doc));
  EXPECT_NEAR(AlphaOf(doc.Layers[0].Image.pixel(3, 3)), 128, 1);
  EXPECT_FLOAT_EQ(doc.Layers[0].Opacity, 1.0f);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 100);
}

TEST(MergeDown, BottomLayerHasNothingToMergeInto) {
  IconDocument doc = Tagged(2, 0);
  const int before = Steps(doc);
  EXPECT_FALSE(CombineIcon(doc));
  EXPECT_EQ(doc.LayerCount(), 2);
  EXPECT_EQ(Steps(doc), before);
}

struct OrderCase {
  LayerOrder mode;
  int selected;
  std::vector<int> tags;
  int selectedAfter;
};

TEST(LayerOrder, MovesTheSelectedLayerAndRecordsAStep) {
  const std::vector<OrderCase> cases = {
      {LayerOrder::ToFront, 1, {1, 3, 4, 2}, 3},
      {LayerOrder::ToBack, 2, {3, 1, 2, 4}, 0},
      {LayerOrder::BackOne, 1, {2, 1, 3, 4}, 0},
      {LayerOrder::ForwardOne, 1, {1, 3, 2, 4}, 2},
      // Past either end: nothing moves, but the step is still taken.
      {LayerOrder::ToFront, 3, {1, 2, 3, 4}, 3},
      {LayerOrder::ForwardOne, 3, {1, 2, 3, 4}, 3},
      {LayerOrder::BackOne, 0, {1, 2, 3, 4}, 0},
  };
  for (const OrderCase& c : cases) {
    IconDocument doc = Tagged(4, c.selected);
    const int before = Steps(doc);
    ASSERT_TRUE(ChangeLayerOrder(doc, c.mode));
    EXPECT_EQ(Tags(doc), c.tags) << int(c.mode) << " from " << c.selected;
    EXPECT_EQ(doc.SelectedLayer, c.selectedAfter) << int(c.mode) << " from " << c.selected;
    EXPECT_EQ(Steps(doc), before + 1);
    doc.Undo();
    EXPECT_EQ(Tags(doc), (std::vector<int>{1, 2, 3, 4}));
  }
}

TEST(LayerOrder, OneLayerTakesNoStep) {
  IconDocument doc = Tagged(1, 0);
  const int before = Steps(doc);
  EXPECT_FALSE(ChangeLayerOrder(doc, LayerOrder::ToBack));
  EXPECT_EQ(Steps(doc), before);
}

struct FlipCase {
  FlipRotate mode;
  QSize size;
  // Where the pixel now at (x, y) came from in the 4 x 2 source.
  std::function<QPoint(int x, int y)> from;
};

TEST(FlipRotate, TransformsTheImageAndKeepsBoundsInStepForNonSquareLayers) {
  const std::vector<FlipCase> cases = {
      {FlipRotate::FlipHorizontal, {4, 2}, [](int x, int y) { return QPoint(3 - x, y); }},
      {FlipRotate::FlipVertical, {4, 2}, [](int x, int y) { return QPoint(x, 1 - y); }},
      {FlipRotate::Rotate90CW, {2, 4}, [](int x, int y) { return QPoint(y, 1 - x); }},
      {FlipRotate::Rotate90CWW, {2, 4}, [](int x, int y) { return QPoint(y, x); }},
  };
  const QImage source = Numbered(4, 2);
  for (const FlipCase& c : cases) {
    IconDocument doc = Page(16, 16);
    AddLayer(doc, source, 3, 5);
    const int before = Steps(doc);
    ASSERT_TRUE(FlipRotateLayer(doc, c.mode));
    const IconLayer& layer = doc.Layers[0];
    ASSERT_EQ(layer.Image.size(), c.size) << int(c.mode);
    EXPECT_EQ(layer.ImageWidth, c.size.width());
    EXPECT_EQ(layer.ImageHeight, c.size.height());
    EXPECT_EQ(layer.Bounds, (LayerBounds{3, 5, float(c.size.width()), float(c.size.height())}));
    EXPECT_EQ(layer.HitRegion.boundingRect(), QRect(QPoint(3, 5), c.size));
    for (int y = 0; y < c.size.height(); ++y) {
      for (int x = 0; x < c.size.width(); ++x) {
        const QPoint p = c.from(x, y);
        EXPECT_EQ(layer.Image.pixel(x, y), source.pixel(p))
            << int(c.mode) << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(Steps(doc), before + 1);
    // The composite follows the new shape.
    EXPECT_EQ(doc.Composite.pixel(3, 5), layer.Image.pixel(0, 0));
  }
}

TEST(FlipRotate, DiagonalMirrorTwiceAndQuarterTurnFourTimesReturnTheImage) {
  IconDocument doc = Page(16, 16);
  AddLayer(doc, Numbered(5, 3), 2, 2);
  for (int i = 0; i < 2; ++i) FlipRotateLayer(doc, FlipRotate::Rotate90CWW);
  EXPECT_EQ(doc.Layers[0].Image, Numbered(5, 3));
  for (int i = 0; i < 4; ++i) FlipRotateLayer(doc, FlipRotate::Rotate90CW);
  EXPECT_EQ(doc.Layers[0].Image, Numbered(5, 3));
  EXPECT_EQ(doc.Layers[0].Bounds, (LayerBounds{2, 2, 5, 3}));
  // Every step was recorded, and the first state is still there.
  for (int i = 0; i < 6; ++i) doc.Undo();
  EXPECT_EQ(doc.Layers[0].Image, Numbered(5, 3));
}

TEST(DeleteLayer, LastLayerEmptiesTheStackAndUndoBringsItBack) {
  IconDocument doc = Tagged(1, 0);
  const int before = Steps(doc);
  ASSERT_TRUE(DeleteIcon(doc, true));
  EXPECT_EQ(doc.LayerCount(), 0);
  EXPECT_EQ(doc.SelectedLayer, -1);
  EXPECT_FALSE(doc.Window.CtlScroll21.Enabled);
  EXPECT_EQ(AlphaOf(doc.Composite.pixel(0, 0)), 0);
  EXPECT_EQ(Steps(doc), before + 1);
  EXPECT_FALSE(DeleteIcon(doc, true));  // nothing selected: no step
  EXPECT_EQ(Steps(doc), before + 1);
  doc.Undo();
  ASSERT_EQ(doc.LayerCount(), 1);
  EXPECT_EQ(doc.SelectedLayer, 0);
  EXPECT_EQ(Tag(doc.Layers[0]), 1);
}

TEST(DeleteLayer, SelectsTheLayerBelow) {
  for (auto [selected, tags, after] : std::vector<std::tuple<int, std::vector<int>, int>>{
           {1, {1, 3}, 0}, {0, {2, 3}, 0}, {2, {1, 2}, 1}}) {
    IconDocument doc = Tagged(3, selected);
    ASSERT_TRUE(DeleteIcon(doc, true));
    EXPECT_EQ(Tags(doc), tags) << "deleting " << selected;
    EXPECT_EQ(doc.SelectedLayer, after);
  }
}

struct ResizeCase {
  QSize size;
  int position;
  LayerBounds dragged;
};

TEST(ResizeSlider, DragScalesTheLongSideAndReleaseResamplesOnce) {
  const std::vector<ResizeCase> cases = {
      {{40, 20}, 60, {5, 6, 50, 25}},
      {{20, 40}, 60, {5, 6, 25, 50}},
      {{40, 20}, 30, {5, 6, 20, 10}},
      // Shrinking past nothing keeps a pixel on each side.
      {{10, 5}, 0, {5, 6, 1, 1}},
  };
  for (const ResizeCase& c : cases) {
    IconDocument doc = Page(100, 100);
    AddLayer(doc, Solid(c.size.width(), c.size.height(), kRed), 5, 6);
    const int before = Steps(doc);
    ASSERT_TRUE(ScaleSliderPressed(doc));
    ScaleSliderChanged(doc, (50 + c.position) / 2);
    ScaleSliderChanged(doc, c.position);
    IconLayer& layer = doc.Layers[0];
    EXPECT_EQ(layer.Bounds, c.dragged) << c.size.width() << "x" << c.size.height();
    EXPECT_EQ(layer.Image.size(), c.size);  // not resampled while dragging
    EXPECT_EQ(doc.Window.ScaleValue, QString::number(c.position - 50));

    ScaleSliderReleased(doc);
    const QSize resized(int(c.dragged.Width), int(c.dragged.Height));
    EXPECT_EQ(layer.Image.size(), resized);
    EXPECT_EQ(layer.ImageWidth, resized.width());
    EXPECT_EQ(layer.BaseBounds, layer.Bounds);
    EXPECT_EQ(layer.HitRegion.boundingRect(), QRect(QPoint(5, 6), resized));
    EXPECT_EQ(layer.Image.pixel(resized.width() - 1, resized.height() - 1), kRed);
    EXPECT_EQ(doc.Window.ScaleScroll.Value, 50);
    EXPECT_EQ(doc.Window.ScaleValue, "0");
    EXPECT_TRUE(doc.AdjustSource.isNull());
    EXPECT_EQ(Steps(doc), before + 1);
    doc.Undo();
    EXPECT_EQ(doc.Layers[0].Image.size(), c.size);
  }
}

TEST(LayerPanel, SelectingShowsTheLayerAndToggleTakesNoStep) {
  IconDocument doc = Tagged(3, 2);
  doc.Layers[0].Opacity = 0.3f;
  doc.Layers[0].Hue = 70;
  ASSERT_TRUE(SelectLayer(doc, 0));
  EXPECT_EQ(doc.SelectedLayer, 0);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 30);
  EXPECT_EQ(doc.Window.HUEscroll.Value, 70);
  EXPECT_FALSE(doc.Window.LayerBar[LayerMergeDown].Enabled);
  EXPECT_FALSE(SelectLayer(doc, 3));

  const int before = Steps(doc);
  ASSERT_TRUE(LayerBarToggleVisible(doc));
  EXPECT_FALSE(doc.Layers[0].Visible);
  EXPECT_FALSE(doc.Window.LayerBar[LayerHide].Pressed);
  EXPECT_FALSE(doc.Window.LayerBar[LayerSetOrder].Enabled);
  EXPECT_EQ(Steps(doc), before);
}

TEST(LayerLimit, CommandsThatAddALayerRefuseAFullStack) {
  IconDocument doc = Page(4, 4);
  AddLayer(doc, Solid(4, 4, kRed));
  doc.Layers.resize(IconDocument::kMaxLayers, doc.Layers[0]);
  const int before = Steps(doc);
  EXPECT_FALSE(LayerBarNewLayer(doc));
  EXPECT_EQ(doc.LayerCount(), IconDocument::kMaxLayers);
  EXPECT_EQ(Steps(doc), before);
}

}  // namespace
