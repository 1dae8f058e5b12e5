#include <gtest/gtest.h>

#include "core/compositor.h"
#include "imaging/argb.h"
#include "imaging/shape_builders.h"

namespace {

IconLayer MakeLayer(int w, int h, ARGB colour, float x = 0, float y = 0) {
  IconLayer layer;
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(colour);
  layer.SetImage(img);
  layer.Bounds = {x, y, float(w), float(h)};
  return layer;
}

TEST(Compositor, HiddenOnlyLayerGivesATransparentPage) {
  std::vector<IconLayer> layers{MakeLayer(4, 4, 0xFFFF0000u)};
  layers[0].Visible = false;
  const QImage page = ComposeLayers(layers, 4, 4);
  EXPECT_EQ(page.format(), QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(page.pixel(x, y), 0u);
}

TEST(Compositor, OpacityHalvesAlphaAndKeepsColour) {
  std::vector<IconLayer> layers{MakeLayer(2, 2, 0xFF3366CCu)};
  layers[0].Opacity = 0.5f;
  const QColor c = QColor::fromRgba(ComposeLayers(layers, 2, 2).pixel(1, 1));
  EXPECT_NEAR(c.alpha(), 128, 1);
  EXPECT_NEAR(c.red(), 0x33, 1);
  EXPECT_NEAR(c.green(), 0x66, 1);
  EXPECT_NEAR(c.blue(), 0xCC, 1);
}

TEST(Compositor, StacksBottomToTopAtRoundedBounds) {
  std::vector<IconLayer> layers{MakeLayer(4, 4, 0xFF0000FFu),
                                MakeLayer(1, 1, 0xFFFF0000u, 2.5f, 1.5f)};
  const QImage page = ComposeLayers(layers, 4, 4);
  EXPECT_EQ(page.pixel(2, 2), 0xFFFF0000u);  // 2.5 -> 2, 1.5 -> 2
  EXPECT_EQ(page.pixel(3, 2), 0xFF0000FFu);
  // Half-transparent red over opaque blue mixes.
  layers[1].Image.fill(0x80FF0000u);
  const QColor mixed = QColor::fromRgba(ComposeLayers(layers, 4, 4).pixel(2, 2));
  EXPECT_EQ(mixed.alpha(), 255);
  EXPECT_NEAR(mixed.red(), 128, 1);
  EXPECT_NEAR(mixed.blue(), 127, 1);
}

TEST(Compositor, ScalesNearestNeighbourWhenBoundsDiffer) {
  IconLayer layer = MakeLayer(2, 1, 0xFF000000u);
  layer.Image.setPixel(1, 0, 0xFFFFFFFFu);
  layer.Bounds = {0, 0, 4, 1};
  const QImage page = ComposeLayers({layer}, 4, 1);
  EXPECT_EQ(page.pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(page.pixel(2, 0), 0xFFFFFFFFu);
}

TEST(Compositor, ClipAboveStaysForTheRestOfThePass) {
  // A 60x60 tile at the origin clips everything drawn after it to its rounded outline: the
  // corner pixel (0, 0) lies outside, the centre inside, for the layer right above and the next.
  IconLayer tile = MakeLayer(60, 60, 0xFF00FF00u);
  tile.ClipAbove = true;
  IconLayer above = MakeLayer(60, 60, 0xFFFF0000u);
  IconLayer third = MakeLayer(60, 60, 0xFF0000FFu);
  third.Opacity = 1.0f;
  std::vector<IconLayer> layers{tile, above};
  QImage page = ComposeLayers(layers, 64, 64);
  EXPECT_EQ(page.pixel(30, 30), 0xFFFF0000u);
  EXPECT_EQ(page.pixel(0, 0), 0xFF00FF00u);  // the tile itself is not clipped
  EXPECT_EQ(page.pixel(62, 62), 0u);

  layers.push_back(third);  // its lower neighbour has no clip, yet the clip still holds
  page = ComposeLayers(layers, 64, 64);
  EXPECT_EQ(page.pixel(30, 30), 0xFF0000FFu);
  EXPECT_EQ(page.pixel(0, 0), 0xFF00FF00u);

  layers[1].Visible = false;  // a hidden layer skips its clip step too
  page = ComposeLayers(layers, 64, 64);
  EXPECT_EQ(page.pixel(0, 0), 0xFF0000FFu);
}

TEST(Compositor, RefreshesTheCachedCopyWhenTheImageChanges) {
  std::vector<IconLayer> layers{MakeLayer(2, 2, 0xFF112233u)};
  EXPECT_EQ(ComposeLayers(layers, 2, 2).pixel(0, 0), 0xFF112233u);
  layers[0].Image.setPixel(0, 0, 0xFF445566u);
  EXPECT_EQ(ComposeLayers(layers, 2, 2).pixel(0, 0), 0xFF445566u);
}

TEST(Compositor, RaisesAPageBelowOneToOne) {
  EXPECT_EQ(ComposeLayers({}, 0, -3).size(), QSize(1, 1));
}

}  // namespace
