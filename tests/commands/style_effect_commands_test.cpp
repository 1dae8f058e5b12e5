#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "command_fixtures.h"
#include "core/commands/adjustment_commands.h"
#include "core/commands/effect_commands.h"
#include "core/commands/layer_commands.h"
#include "core/commands/style_commands.h"
#include "filters/filters.h"

using namespace fixtures;

namespace {

constexpr ARGB kIconColour = MakeARGB(255, 180, 90, 30);
const DrawingColors kColors{{MakeARGB(255, 0, 128, 255), MakeARGB(255, 255, 255, 255)}, 0};

// A 32 x 32 icon: an opaque square with a transparent 4-pixel margin.
QImage Icon() {
  QImage img = Solid(32, 32, 0);
  for (int y = 4; y < 28; ++y) {
    for (int x = 4; x < 28; ++x) img.setPixel(x, y, kIconColour);
  }
  return img;
}

struct CommandCase {
  std::string name;
  std::function<bool(IconDocument&)> run;
  int steps;
  int addedLayers;
  // IOS takes its third step after the tile is made, so its first undo shows tile and icon.
  int layersAfterFirstUndo = 1;
};

std::vector<CommandCase> Commands() {
  return {
      {"Crystal", ApplyCrystalStyle, 2, 1},
      {"Origami vertical", [](IconDocument& d) { return ApplyOrigamiStyle(d, 1, kColors); }, 2, 1},
      {"Origami horizontal", [](IconDocument& d) { return ApplyOrigamiStyle(d, 2, kColors); }, 2,
       1},
      {"IOS", [](IconDocument& d) { return ApplyIosStyle(d, kColors); }, 3, 2, 2},
      {"Vista", ApplyVistaStyle, 1, 1},
      {"Irradiation", ApplyIrradiation, 1, 0},
      {"Mac", ApplyMacStyle, 1, 0},
      {"Blur", ApplyBlur, 1, 0},
      {"Sharpen", ApplySharpen, 1, 0},
      {"Reflection", ApplyReflection, 2, 1},
      {"Shade", ApplyShade, 2, 1},
      {"Drop Shadow", ApplyDropShadow, 2, 1},
      {"Disabled State", ApplyDisabledState, 1, 0},
      {"Hot State", ApplyHotState, 1, 0},
  };
}

IconDocument IconDocumentAt(float x, float y) {
  IconDocument doc = Page(64, 64);
  AddLayer(doc, Icon(), x, y);
  return doc;
}

TEST(StylesAndEffects, HistoryStepsLayersAndAFullUndo) {
  for (const CommandCase& c : Commands()) {
    IconDocument doc = IconDocumentAt(10, 12);
    const int before = Steps(doc);
    std::vector<int> tips;
    doc.Hooks.ShowTips = [&](int tip) { tips.push_back(tip); };
    ASSERT_TRUE(c.run(doc)) << c.name;
    EXPECT_EQ(Steps(doc), before + c.steps) << c.name;
    EXPECT_EQ(doc.LayerCount(), 1 + c.addedLayers) << c.name;
    EXPECT_TRUE(doc.Selected()) << c.name;
    EXPECT_LE(tips.size(), 1u) << c.name;
    // The first undo already shows the document as it was (IOS aside); the rest show the same.
    for (int i = 0; i < c.steps; ++i) {
      doc.Undo();
      if (i == 0 && c.layersAfterFirstUndo != 1) {
        EXPECT_EQ(doc.LayerCount(), c.layersAfterFirstUndo) << c.name;
        continue;
      }
      ASSERT_EQ(doc.LayerCount(), 1) << c.name << " undo " << i;
      EXPECT_EQ(doc.Layers[0].Image, Icon()) << c.name << " undo " << i;
      EXPECT_EQ(doc.Layers[0].Bounds, (LayerBounds{10, 12, 32, 32})) << c.name;
    }
    EXPECT_EQ(Steps(doc), before) << c.name;
  }
}

TEST(StylesAndEffects, WithoutSomethingToActOnNothingHappens) {
  for (const CommandCase& c : Commands()) {
    IconDocument doc = IconDocumentAt(0, 0);
    const bool wholeDocument = c.name == "Disabled State" || c.name == "Hot State";
    if (wholeDocument) doc.Layers.clear();
    doc.SelectedLayer = -1;
    const int before = Steps(doc);
    EXPECT_FALSE(c.run(doc)) << c.name;
    EXPECT_EQ(Steps(doc), before) << c.name;
    EXPECT_EQ(doc.LayerCount(), wholeDocument ? 0 : 1) << c.name;
  }
}

TEST(StylesAndEffects, LayerAddingCommandsRefuseAFullStack) {
  for (const CommandCase& c : Commands()) {
    if (c.addedLayers == 0) continue;
    IconDocument doc = IconDocumentAt(0, 0);
    doc.Layers.resize(IconDocument::kMaxLayers + 1 - c.addedLayers, doc.Layers[0]);
    const int before = Steps(doc);
    EXPECT_FALSE(c.run(doc)) << c.name;
    EXPECT_EQ(Steps(doc), before) << c.name;
    EXPECT_EQ(doc.LayerCount(), IconDocument::kMaxLayers + 1 - c.addedLayers) << c.name;
  }
}

TEST(OverlayStyles, OverlayGoesAboveTheIconAtItsPositionPlusTheStyleOffset) {
  const ClsFilters filters;
  struct Overlay {
    std::string name;
    std::function<bool(IconDocument&)> run;
    styles::StyleResult expected;
  };
  const std::vector<Overlay> overlays = {
      {"Crystal", ApplyCrystalStyle, filters.CrystalOverlay(Icon())},
      {"Origami", [](IconDocument& d) { return ApplyOrigamiStyle(d, 2, kColors); },
       filters.OrigamiOverlay(Icon(), 2, kColors.SwatchColors[0])},
  };
  for (const Overlay& o : overlays) {
    IconDocument doc = IconDocumentAt(7, 9);
    ASSERT_TRUE(o.run(doc));
    ASSERT_EQ(doc.SelectedLayer, 1) << o.name;
    const IconLayer& n = doc.Layers[1];
    EXPECT_EQ(n.Image, o.expected.rImg) << o.name;
    EXPECT_EQ(n.Bounds, (LayerBounds{7 + o.expected.rX, 9 + o.expected.rY, float(o.expected.rW),
                                     float(o.expected.rH)}))
        << o.name;
    EXPECT_EQ(n.BaseBounds, n.Bounds);
    EXPECT_FLOAT_EQ(n.Opacity, 1.0f);
    const QRect placed = QRect(int(n.Bounds.X), int(n.Bounds.Y), n.ImageWidth, n.ImageHeight);
    EXPECT_FALSE(n.HitRegion.isEmpty()) << o.name;
    EXPECT_TRUE(placed.contains(n.HitRegion.boundingRect())) << o.name;
    EXPECT_EQ(doc.Layers[0].Image, Icon()) << o.name;
  }
}

TEST(OverlayStyles, EmptyShapeGivesAnEmptyOverlayThatLaterCommandsSurvive) {
  IconDocument doc = Page(16, 16);
  AddLayer(doc, Solid(16, 16, MakeARGB(100, 255, 0, 0)), 2, 3);  // nothing reaches alpha 150
  ASSERT_TRUE(ApplyCrystalStyle(doc));
  const IconLayer& n = doc.Layers[1];
  EXPECT_EQ(n.ImageWidth, 0);
  EXPECT_EQ(n.Bounds.Width, 0);
  EXPECT_TRUE(n.HitRegion.isEmpty());
  EXPECT_EQ(doc.Composite.pixel(5, 5), MakeARGB(100, 255, 0, 0));
  // Effects on the empty layer and merging it away leave the icon as it was.
  EXPECT_TRUE(ApplyHotState(doc));
  EXPECT_TRUE(ApplyDropShadow(doc));
  doc.SelectedLayer = 2;
  ASSERT_TRUE(CombineIcon(doc));
  doc.SelectedLayer = 1;
  ASSERT_TRUE(CombineIcon(doc));
  ASSERT_EQ(doc.LayerCount(), 1);
  EXPECT_EQ(doc.Layers[0].Bounds, (LayerBounds{2, 3, 16, 16}));
}

TEST(OverlayStyles, VistaLightsTheIconUnderItsHighlight) {
  IconDocument doc = IconDocumentAt(0, 0);
  QImage lit = Icon();
  const styles::StyleResult expected = ClsFilters().VistaStyle(lit);
  ASSERT_TRUE(ApplyVistaStyle(doc));
  EXPECT_EQ(doc.Layers[0].Image, lit);
  EXPECT_EQ(doc.Layers[1].Image, expected.rImg);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 100);
}

TEST(IosStyle, TileClipsEverythingAboveAndABlankLayerSitsBetween) {
  IconDocument doc = Page(128, 128);
  AddLayer(doc, Solid(128, 128, kIconColour));
  ASSERT_TRUE(ApplyIosStyle(doc, kColors));
  ASSERT_EQ(doc.LayerCount(), 3);
  const IconLayer& tile = doc.Layers[0];
  EXPECT_TRUE(tile.ClipAbove);
  EXPECT_TRUE(tile.ClipPath.has_value());
  EXPECT_EQ(tile.Bounds, (LayerBounds{0, 0, 128, 128}));
  EXPECT_EQ(tile.Image.size(), QSize(128, 128));
  EXPECT_EQ(tile.Image.pixel(64, 64), kColors.SwatchColors[0]);
  EXPECT_EQ(AlphaOf(tile.Image.pixel(0, 0)), 0);  // rounded corner
  EXPECT_TRUE(tile.HitRegion.contains(QPoint(64, 64)));
  EXPECT_FALSE(tile.HitRegion.contains(QPoint(0, 0)));

  EXPECT_EQ(doc.SelectedLayer, 1);
  const IconLayer& blank = doc.Layers[1];
  EXPECT_FALSE(blank.ClipAbove);
  EXPECT_EQ(blank.Bounds, (LayerBounds{0, 0, 128, 128}));
  EXPECT_EQ(blank.Image, Solid(128, 128, 0));

  const IconLayer& icon = doc.Layers[2];
  EXPECT_FALSE(icon.ClipAbove);
  EXPECT_EQ(icon.Image, Solid(128, 128, kIconColour));
  // The icon covers the page but shows only inside the tile's outline.
  EXPECT_EQ(AlphaOf(doc.Composite.pixel(0, 0)), 0);
  EXPECT_EQ(doc.Composite.pixel(64, 64), kIconColour);
}

TEST(IosStyle, LayersBelowAndAboveStayInPlace) {
  IconDocument doc = Page(16, 16);
  AddLayer(doc, Solid(16, 16, MakeARGB(255, 0, 0, 1)));
  AddLayer(doc, Solid(16, 16, MakeARGB(255, 0, 0, 2)));
  AddLayer(doc, Solid(16, 16, MakeARGB(255, 0, 0, 3)));
  doc.SelectedLayer = 1;
  ASSERT_TRUE(ApplyIosStyle(doc, kColors));
  ASSERT_EQ(doc.LayerCount(), 5);
  EXPECT_EQ(Tag(doc.Layers[0]), 1);
  EXPECT_TRUE(doc.Layers[1].ClipAbove);
  EXPECT_EQ(doc.SelectedLayer, 2);
  EXPECT_EQ(Tag(doc.Layers[3]), 2);
  EXPECT_EQ(Tag(doc.Layers[4]), 3);
}

TEST(DropShadow, ShadowLiesUnderTheIconOnePixelRightAndDown) {
  IconDocument doc = Page(64, 64);
  AddLayer(doc, Solid(8, 8, kIconColour), 10, 12);
  ASSERT_TRUE(ApplyDropShadow(doc));
  ASSERT_EQ(doc.LayerCount(), 2);
  EXPECT_EQ(doc.SelectedLayer, 0);
  const IconLayer& shadow = doc.Layers[0];
  EXPECT_EQ(shadow.Bounds, (LayerBounds{11, 13, 10, 10}));
  EXPECT_EQ(shadow.Image.size(), QSize(10, 10));
  EXPECT_FLOAT_EQ(shadow.Opacity, 0.4f);
  EXPECT_EQ(shadow.Image.pixel(4, 4) & 0xFFFFFF, 0u);  // black
  EXPECT_TRUE(QRect(11, 13, 10, 10).contains(shadow.HitRegion.boundingRect()));
  EXPECT_TRUE(shadow.HitRegion.contains(QPoint(15, 17)));
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 40);

  const IconLayer& icon = doc.Layers[1];
  EXPECT_EQ(icon.Bounds, (LayerBounds{10, 12, 8, 8}));
  EXPECT_EQ(icon.Image, Solid(8, 8, kIconColour));
  EXPECT_EQ(doc.Composite.pixel(10, 12), kIconColour);
  const ARGB edge = doc.Composite.pixel(19, 21);  // shadow only, right of and below the icon
  EXPECT_GT(AlphaOf(edge), 0);
  EXPECT_EQ(edge & 0xFFFFFF, 0u);
}

TEST(Reflection, MirrorRowLandsTwoRowsBelowTheLowestOpaqueRow) {
  IconDocument doc = Page(64, 80);
  QImage img = Solid(32, 32, 0);
  for (int y = 0; y <= 29; ++y) {
    for (int x = 0; x < 32; ++x) img.setPixel(x, y, kIconColour);
  }
  AddLayer(doc, img, 5, 3);
  ASSERT_TRUE(ApplyReflection(doc));
  const IconLayer& n = doc.Layers[1];
  EXPECT_EQ(doc.SelectedLayer, 1);
  EXPECT_EQ(n.Bounds, (LayerBounds{5, 3 + 29, 32, 32}));
  EXPECT_FLOAT_EQ(n.Opacity, 0.4f);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 40);
  // Its row 2 is the mirrored row 29, at page row 3 + 31.
  EXPECT_GT(AlphaOf(n.Image.pixel(0, 2)), 0);
  EXPECT_EQ(AlphaOf(n.Image.pixel(0, 1)), 0);
  EXPECT_EQ(n.HitRegion.boundingRect().top(), 3 + 31);
  EXPECT_EQ(n.HitRegion.boundingRect().left(), 5);
}

TEST(Shade, BlackFadeOverTheIconKeepsTheIconRegion) {
  IconDocument doc = IconDocumentAt(6, 7);
  const QRegion iconRegion = doc.Layers[0].HitRegion;
  ASSERT_TRUE(ApplyShade(doc));
  const IconLayer& n = doc.Layers[1];
  EXPECT_EQ(n.Bounds, (LayerBounds{6, 7, 32, 32}));
  EXPECT_FLOAT_EQ(n.Opacity, 0.3f);
  EXPECT_EQ(n.HitRegion, iconRegion);
  EXPECT_EQ(n.Image, ClsFilters().GradientBlack(Icon()));
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 30);
}

TEST(StateEffects, ChangeEveryLayerHiddenOnesIncluded) {
  IconDocument doc = Page(8, 8);
  AddLayer(doc, Solid(8, 8, MakeARGB(255, 255, 0, 0))).Visible = false;
  AddLayer(doc, Solid(8, 8, MakeARGB(255, 255, 0, 0)));
  ASSERT_TRUE(ApplyDisabledState(doc));
  for (const IconLayer& layer : doc.Layers) {
    const ARGB p = layer.Image.pixel(0, 0);
    EXPECT_NEAR(RedOf(p), 140, 1);
    EXPECT_EQ(RedOf(p), GreenOf(p));
    EXPECT_EQ(AlphaOf(p), 255);
  }
}

}  // namespace
