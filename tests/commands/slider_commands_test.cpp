#include <gtest/gtest.h>

#include "command_fixtures.h"
#include "core/commands/adjustment_commands.h"
#include "core/commands/layer_sliders.h"

using namespace fixtures;

namespace {

constexpr ARGB kColour = MakeARGB(255, 200, 100, 40);

IconDocument OneLayer() {
  IconDocument doc = Page(8, 8);
  AddLayer(doc, Numbered(8, 8));
  return doc;
}

TEST(OpacitySlider, ADragIsOneUndoStep) {
  IconDocument doc = OneLayer();
  const int before = Steps(doc);
  ASSERT_TRUE(OpacitySliderPressed(doc));
  for (int v = 100; v >= 20; v -= 10) OpacitySliderChanged(doc, v);
  OpacitySliderReleased(doc);
  EXPECT_FLOAT_EQ(doc.Layers[0].Opacity, 0.2f);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 20);
  EXPECT_NEAR(AlphaOf(doc.Composite.pixel(1, 1)), 51, 1);
  EXPECT_EQ(Steps(doc), before + 1);
  doc.Undo();
  EXPECT_FLOAT_EQ(doc.Layers[0].Opacity, 1.0f);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 100);
}

TEST(OpacitySlider, WithoutASelectedLayerNothingIsRecorded) {
  IconDocument doc = OneLayer();
  doc.SelectedLayer = -1;
  const int before = Steps(doc);
  EXPECT_FALSE(OpacitySliderPressed(doc));
  OpacitySliderChanged(doc, 10);
  EXPECT_FLOAT_EQ(doc.Layers[0].Opacity, 1.0f);
  EXPECT_EQ(Steps(doc), before);
}

struct RestartCase {
  AdjustmentSlider slider;
  int away;
  int rest;  // the position that leaves the pixels as they were
};

TEST(AdjustmentSlider, EveryChangeStartsFromThePixelsAtThePress) {
  const std::vector<RestartCase> cases = {
      {AdjustmentSlider::Hue, 30, 0},
      {AdjustmentSlider::Saturation, 0, 40},
      {AdjustmentSlider::Brightness, 90, 50},
      {AdjustmentSlider::Contrast, 10, 50},
  };
  for (const RestartCase& c : cases) {
    IconDocument doc = OneLayer();
    const QImage original = doc.Layers[0].Image;
    const int before = Steps(doc);
    ASSERT_TRUE(AdjustmentSliderPressed(doc, c.slider));
    AdjustmentSliderChanged(doc, c.slider, c.away);
    EXPECT_NE(doc.Layers[0].Image, original) << int(c.slider);
    AdjustmentSliderChanged(doc, c.slider, c.away);  // not cumulative
    const QImage once = doc.Layers[0].Image;
    AdjustmentSliderChanged(doc, c.slider, c.rest);
    EXPECT_EQ(doc.Layers[0].Image, original) << int(c.slider);
    AdjustmentSliderChanged(doc, c.slider, c.away);
    EXPECT_EQ(doc.Layers[0].Image, once) << int(c.slider);
    AdjustmentSliderReleased(doc, c.slider);
    EXPECT_TRUE(doc.AdjustSource.isNull());
    EXPECT_EQ(Steps(doc), before + 1);
    doc.Undo();
    EXPECT_EQ(doc.Layers[0].Image, original) << int(c.slider);
  }
}

TEST(AdjustmentSlider, ReleaseRemembersThePositionAndTheNextDragBuildsOnTheFirst) {
  IconDocument doc = Page(4, 4);
  AddLayer(doc, Solid(4, 4, kColour));
  AdjustmentSliderPressed(doc, AdjustmentSlider::Brightness);
  AdjustmentSliderChanged(doc, AdjustmentSlider::Brightness, 52);  // +10
  AdjustmentSliderReleased(doc, AdjustmentSlider::Brightness);
  EXPECT_EQ(doc.Layers[0].Brightness, 52);
  EXPECT_EQ(doc.Window.BrightnessValue, "2");
  EXPECT_EQ(doc.Layers[0].Image.pixel(0, 0), MakeARGB(255, 210, 110, 50));

  // Mode 1 applies both sliders: the second drag adds the same offset again to the new pixels.
  AdjustmentSliderPressed(doc, AdjustmentSlider::Contrast);
  AdjustmentSliderChanged(doc, AdjustmentSlider::Contrast, 50);
  AdjustmentSliderReleased(doc, AdjustmentSlider::Contrast);
  EXPECT_EQ(doc.Layers[0].Image.pixel(0, 0), MakeARGB(255, 220, 120, 60));
  EXPECT_EQ(doc.Composite.pixel(0, 0), MakeARGB(255, 220, 120, 60));
}

TEST(AdjustmentSlider, UndoAfterADragKeepsTheSliderPositionsForRedo) {
  IconDocument doc = OneLayer();
  AdjustmentSliderPressed(doc, AdjustmentSlider::Hue);
  AdjustmentSliderChanged(doc, AdjustmentSlider::Hue, 20);
  AdjustmentSliderReleased(doc, AdjustmentSlider::Hue);
  const QImage adjusted = doc.Layers[0].Image;
  doc.Undo();
  EXPECT_EQ(doc.Window.HUEscroll.Value, 0);
  doc.Redo();
  EXPECT_EQ(doc.Layers[0].Image, adjusted);
  EXPECT_EQ(doc.Window.HUEscroll.Value, 20);
}

TEST(SharpenCommand, IsOneStepAndLeavesTheEdgeAlone) {
  IconDocument doc = Page(3, 3);
  QImage img = Solid(3, 3, MakeARGB(255, 90, 90, 90));
  img.setPixel(1, 1, MakeARGB(255, 100, 100, 100));
  AddLayer(doc, img);
  const int before = Steps(doc);
  ASSERT_TRUE(ApplySharpen(doc));
  EXPECT_EQ(doc.Layers[0].Image.pixel(1, 1), MakeARGB(255, 103, 103, 103));
  EXPECT_EQ(doc.Layers[0].Image.pixel(0, 0), MakeARGB(255, 90, 90, 90));
  EXPECT_TRUE(doc.AdjustSource.isNull());
  EXPECT_EQ(Steps(doc), before + 1);
  doc.Undo();
  EXPECT_EQ(doc.Layers[0].Image.pixel(1, 1), MakeARGB(255, 100, 100, 100));
}

}  // namespace
