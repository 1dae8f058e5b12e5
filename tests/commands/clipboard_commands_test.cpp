#include "core/commands/clipboard_commands.h"

#include <gtest/gtest.h>

#include "command_fixtures.h"

using namespace fixtures;

namespace {

// QRegion compares its rectangle lists, not the covered pixels.
bool SameArea(const QRegion& a, const QRegion& b) { return a.xored(b).isEmpty(); }

TEST(CopyPaste, OwnCopyIsPastedAboveTheSelectedLayerAtItsPlace) {
  IconDocument doc = Page(48, 48);
  AddLayer(doc, Solid(48, 48, MakeARGB(255, 9, 9, 9)));
  IconLayer& source = AddLayer(doc, Numbered(16, 16), 5, 6);
  source.Opacity = 0.7f;
  AddLayer(doc, Solid(48, 48, 0));
  doc.SelectedLayer = 1;

  const QImage picture = CopyLayer(doc);
  EXPECT_EQ(picture.size(), QSize(16, 16));
  ASSERT_TRUE(doc.ClipboardLayer.has_value());

  doc.SelectedLayer = 0;
  const int before = doc.Snapshots.UndoPosition;
  ASSERT_TRUE(PasteLayer(doc, {picture, true}));
  ASSERT_EQ(doc.LayerCount(), 4);
  EXPECT_EQ(doc.SelectedLayer, 1);
  const IconLayer& pasted = doc.Layers[1];
  EXPECT_EQ(pasted.Bounds, (LayerBounds{5, 6, 16, 16}));
  EXPECT_FLOAT_EQ(pasted.Opacity, 0.7f);
  EXPECT_EQ(pasted.Image, Numbered(16, 16));
  EXPECT_TRUE(SameArea(pasted.HitRegion, doc.Layers[2].HitRegion));
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 70);
  EXPECT_EQ(doc.Snapshots.UndoPosition, before + 1);

  // The pasted layer owns its pixels: drawing on it leaves the copy and its origin alone.
  doc.Layers[1].Image.setPixel(0, 0, 0);
  EXPECT_EQ(doc.Layers[2].Image.pixel(0, 0), Numbered(16, 16).pixel(0, 0));
  EXPECT_EQ(doc.ClipboardLayer->Image.pixel(0, 0), Numbered(16, 16).pixel(0, 0));
}

TEST(CopyPaste, OutsideBitmapGoesToTheOriginWithARectangularRegion) {
  IconDocument doc = Page(32, 32);
  AddLayer(doc, Solid(32, 32, 0));
  QImage outside(10, 7, QImage::Format_RGB32);
  outside.fill(Qt::green);
  ASSERT_TRUE(PasteLayer(doc, {outside, false}));
  const IconLayer& pasted = doc.Layers[1];
  EXPECT_EQ(pasted.Image.format(), QImage::Format_ARGB32);
  EXPECT_EQ(pasted.Bounds, (LayerBounds{0, 0, 10, 7}));
  EXPECT_TRUE(SameArea(pasted.HitRegion, QRegion(0, 0, 10, 7)));
  EXPECT_EQ(doc.Composite.pixel(9, 6), MakeARGB(255, 0, 255, 0));
}

TEST(CopyPaste, PasteWithoutABitmapOnlyRecordsTheStep) {
  IconDocument doc = Page(8, 8);
  AddLayer(doc, Solid(8, 8, 0));
  const int before = doc.Snapshots.UndoPosition;
  ASSERT_TRUE(PasteLayer(doc, {}));
  EXPECT_EQ(doc.LayerCount(), 1);
  EXPECT_EQ(doc.Snapshots.UndoPosition, before + 1);
}

TEST(CopyPaste, MarkerWithoutAnInternalCopyPastesTheBitmap) {
  IconDocument doc = Page(8, 8);
  AddLayer(doc, Solid(8, 8, 0));
  ASSERT_TRUE(PasteLayer(doc, {Solid(3, 3, MakeARGB(255, 1, 2, 3)), true}));
  EXPECT_EQ(doc.Layers[1].Image.size(), QSize(3, 3));
}

TEST(CopyPaste, CropPieceKeepsItsPagePosition) {
  IconDocument doc = Page(48, 48);
  AddLayer(doc, Solid(48, 48, MakeARGB(255, 200, 0, 0)));
  const QImage piece = Solid(20, 10, MakeARGB(255, 200, 0, 0));
  const QImage picture = CopyLayer(doc, CropPiece{piece, QPoint(4, 12)});
  EXPECT_EQ(picture.size(), QSize(20, 10));
  ASSERT_TRUE(PasteLayer(doc, {picture, true}));
  EXPECT_EQ(doc.Layers[1].Bounds, (LayerBounds{4, 12, 20, 10}));
  EXPECT_TRUE(SameArea(doc.Layers[1].HitRegion, QRegion(4, 12, 20, 10)));
}

TEST(CopyPaste, CutRemovesTheLayerAndPasteBringsItBack) {
  IconDocument doc = Page(16, 16);
  AddLayer(doc, Numbered(16, 16));
  const QImage picture = CutLayer(doc);
  EXPECT_EQ(doc.LayerCount(), 0);
  ASSERT_TRUE(PasteLayer(doc, {picture, true}));
  ASSERT_EQ(doc.LayerCount(), 1);
  EXPECT_EQ(doc.Layers[0].Image, Numbered(16, 16));
  EXPECT_EQ(doc.SelectedLayer, 0);
}

TEST(CopyPaste, FullStackRefusesPasteWithoutAStep) {
  IconDocument doc = Page(4, 4);
  AddLayer(doc, Solid(4, 4, 0));
  doc.Layers.resize(IconDocument::kMaxLayers, doc.Layers[0]);
  const int before = doc.Snapshots.UndoPosition;
  EXPECT_FALSE(PasteLayer(doc, {Solid(2, 2, 0), false}));
  EXPECT_EQ(doc.Snapshots.UndoPosition, before);
}

}  // namespace
