#include <gtest/gtest.h>

#include "core/icon_document.h"

namespace {

QImage Solid(int w, int h, ARGB c) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(c);
  return img;
}

// A document with `count` layers whose images are tagged by colour (layer i has blue = i + 1).
IconDocument WithLayers(int count, int selected) {
  IconDocument doc;
  doc.InitDocument(16, 16, false);
  for (int i = 0; i < count; ++i) {
    doc.InsertBlankLayer(16, 16);
    doc.Layers.back().SetImage(Solid(16, 16, MakeARGB(255, 0, 0, i + 1)));
  }
  doc.SelectedLayer = selected;
  return doc;
}

int Tag(const IconLayer& layer) { return BlueOf(layer.Image.pixel(0, 0)); }

TEST(NewDocument, HasOneSelectedTransparentLayerAndOneUndoStep) {
  IconDocument doc;
  doc.InitDocument(40, 30, true);
  ASSERT_EQ(doc.LayerCount(), 1);
  EXPECT_EQ(doc.SelectedLayer, 0);
  const IconLayer& layer = doc.Layers[0];
  EXPECT_EQ(layer.Bounds, (LayerBounds{0, 0, 40, 30}));
  EXPECT_EQ(layer.Image.size(), QSize(40, 30));
  EXPECT_EQ(layer.Image.pixel(39, 29), 0u);
  EXPECT_TRUE(doc.Modified);
  EXPECT_TRUE(doc.DocumentReady);
  EXPECT_EQ(doc.Window.Caption, "Vorkel Glyphsmithy - Project *");
  // Save on the command bar stays off while the menu item is on; Undo returns to an empty page.
  EXPECT_FALSE(doc.Window.CommandBar[CmdSave].Enabled);
  EXPECT_TRUE(doc.Window.Menus.Save);
  EXPECT_TRUE(doc.Window.CommandBar[CmdUndo].Enabled);
  EXPECT_FALSE(doc.Window.CommandBar[CmdRedo].Enabled);
  EXPECT_TRUE(doc.Window.CommandBar[CmdOriginalSize].Pressed);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 100);
  EXPECT_TRUE(doc.Window.CtlScroll21.Enabled);
  doc.Undo();
  EXPECT_EQ(doc.LayerCount(), 0);
  EXPECT_EQ(doc.SelectedLayer, -1);
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_FALSE(doc.Window.CtlScroll21.Enabled);
}

TEST(NewDocument, StartsTheOpeningAnimationAtFiveSteps) {
  IconDocument doc;
  doc.InitDocument(8, 8, true);
  std::vector<double> shown;
  while (true) {
    const bool more = doc.ZoomAnimationTick();
    shown.push_back(doc.View.Zoom);
    if (!more) break;
  }
  EXPECT_EQ(shown, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1.0}));
}

TEST(InsertBlankLayer, GoesAboveTheSelectedLayerOrOnTop) {
  IconDocument doc = WithLayers(4, 2);
  doc.InsertBlankLayer(16, 16);
  ASSERT_EQ(doc.LayerCount(), 5);
  EXPECT_EQ(doc.SelectedLayer, 3);
  EXPECT_EQ(doc.Layers[3].Image.pixel(0, 0), 0u);
  EXPECT_EQ(Tag(doc.Layers[4]), 4);  // the old layer 3 moved up
  EXPECT_EQ(Tag(doc.Layers[2]), 3);

  IconDocument none = WithLayers(3, -1);
  none.InsertBlankLayer(16, 16);
  EXPECT_EQ(none.SelectedLayer, 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(Tag(none.Layers[i]), i + 1);
}

TEST(InsertBlankLayer, CopiesThePreviousHitRegionAndEnablesRemoveFromTwoLayers) {
  IconDocument doc = WithLayers(1, 0);
  doc.Layers[0].HitRegion = QRegion(2, 3, 4, 5);
  EXPECT_TRUE(doc.InsertBlankLayer(16, 16));
  EXPECT_EQ(doc.Layers[1].HitRegion, QRegion(2, 3, 4, 5));
  EXPECT_FALSE(doc.Window.LayerBar[LayerRemove].Enabled);  // one layer before the insertion
  doc.InsertBlankLayer(16, 16);
  EXPECT_TRUE(doc.Window.LayerBar[LayerRemove].Enabled);
  EXPECT_TRUE(doc.Window.LayerBar[LayerHide].Pressed);
}

TEST(LayerAdjustments, ResetThenShowPutsTheSlidersAtRest) {
  IconDocument doc = WithLayers(1, 0);
  IconLayer& layer = doc.Layers[0];
  layer.Hue = 77;
  layer.Brightness = 3;
  layer.Saturation = 90;
  layer.Contrast = 12;
  doc.ResetLayerAdjustments(0);
  doc.ShowLayerAdjustments(0);
  EXPECT_EQ(doc.Window.HUEscroll.Value, 0);
  EXPECT_EQ(doc.Window.BrightnessScroll.Value, 50);
  EXPECT_EQ(doc.Window.SaturationScroll.Value, 40);
  EXPECT_EQ(doc.Window.ContrastScroll.Value, 50);
  for (const QString& text : {doc.Window.HueValue, doc.Window.BrightnessValue,
                              doc.Window.SaturationValue, doc.Window.ContrastValue}) {
    EXPECT_EQ(text, "0");
  }
}

TEST(UndoRedo, RestoresLayersSelectionAndSliderPositions) {
  IconDocument doc = WithLayers(2, 1);
  doc.BeginEdit();
  doc.Layers[1].SetImage(Solid(16, 16, 0xFFFF0000u));
  doc.Layers[1].Opacity = 0.25f;
  // Slider positions at the moment Undo is pressed travel with the state Redo returns to.
  doc.Window.HUEscroll.Value = 60;
  doc.Window.SaturationScroll.Value = 70;
  doc.Undo();
  EXPECT_EQ(Tag(doc.Layers[1]), 2);
  EXPECT_FLOAT_EQ(doc.Layers[1].Opacity, 1.0f);
  EXPECT_TRUE(doc.CanRedo());
  doc.Redo();
  EXPECT_EQ(doc.Layers[1].Image.pixel(5, 5), 0xFFFF0000u);
  EXPECT_FLOAT_EQ(doc.Layers[1].Opacity, 0.25f);
  EXPECT_EQ(doc.Layers[1].Hue, 60);
  EXPECT_EQ(doc.Window.HUEscroll.Value, 60);
  EXPECT_EQ(doc.Window.SaturationScroll.Value, 70);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 25);
  EXPECT_FALSE(doc.CanRedo());
}

TEST(UndoRedo, ANewEditAfterUndoDiscardsTheRedoStates) {
  IconDocument doc = WithLayers(1, 0);
  const int steps = doc.Snapshots.UndoPosition;
  doc.BeginEdit();
  doc.Layers[0].Opacity = 0.5f;
  doc.Undo();
  EXPECT_TRUE(doc.Window.CommandBar[CmdRedo].Enabled);
  doc.BeginEdit();
  doc.Layers[0].Opacity = 0.75f;
  EXPECT_FALSE(doc.CanRedo());
  EXPECT_FALSE(doc.Window.Menus.Redo);
  doc.Redo();  // nothing to redo: stays
  EXPECT_FLOAT_EQ(doc.Layers[0].Opacity, 0.75f);
  EXPECT_EQ(doc.Snapshots.UndoPosition, steps + 1);
}

TEST(UndoRedo, HiddenSelectedLayerKeepsHideEnabledAndReleased) {
  IconDocument doc = WithLayers(1, 0);
  doc.Layers[0].Visible = false;
  doc.BeginEdit();
  doc.Layers[0].Opacity = 0.5f;
  doc.Undo();
  EXPECT_TRUE(doc.Window.LayerBar[LayerHide].Enabled);
  EXPECT_FALSE(doc.Window.LayerBar[LayerHide].Pressed);
}

TEST(Snapshots, StayIndependentOfLaterEdits) {
  IconDocument doc = WithLayers(1, 0);
  doc.BeginEdit();
  // Writing into the live image must not reach the stored copy.
  doc.Layers[0].Image.setPixel(0, 0, 0xFF00FF00u);
  doc.Layers[0].HitRegion = QRegion(0, 0, 1, 1);
  const UndoSnapshot& stored = doc.Snapshots.Slot(doc.Snapshots.UndoPosition - 1);
  EXPECT_EQ(Tag(stored.Layers[0]), 1);
  EXPECT_TRUE(stored.Layers[0].HitRegion.isEmpty());
}

TEST(PageSize, BoxesClampAndMarkTheChange) {
  IconDocument doc;
  doc.InitDocument(32, 32, true);
  doc.SetPageWidth(600);
  EXPECT_EQ(doc.PageWidth, 512);
  EXPECT_TRUE(doc.Window.PageWidthChanged);
  doc.SetPageHeight(0);
  EXPECT_EQ(doc.PageHeight, 1);
  EXPECT_EQ(doc.Composite.size(), QSize(512, 1));
  doc.SuppressPageSizeEvents = true;
  doc.SetPageWidth(10);
  EXPECT_EQ(doc.PageWidth, 512);
}

TEST(Capacity, AFullStackRefusesAnotherLayer) {
  IconDocument doc;
  doc.InitDocument(1, 1, false);
  doc.Layers.resize(IconDocument::kMaxLayers);
  const int steps = doc.Snapshots.UndoPosition;
  EXPECT_FALSE(doc.InsertBlankLayer(1, 1));
  EXPECT_EQ(doc.LayerCount(), IconDocument::kMaxLayers);
  EXPECT_EQ(doc.Snapshots.UndoPosition, steps);
}

}  // namespace
