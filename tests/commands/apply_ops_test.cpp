#include "cli/apply_ops.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_fixtures.h"

using namespace fixtures;

namespace {

// Two 40 x 20 layers on a 64 x 64 page, the top one selected.
IconDocument TwoLayers() {
  IconDocument doc = Page(64, 64);
  AddLayer(doc, Solid(40, 20, MakeARGB(255, 10, 20, 30)));
  AddLayer(doc, Solid(40, 20, MakeARGB(255, 40, 50, 60)), 4, 4);
  return doc;
}

struct OpCase {
  std::string op;
  int steps;
  int layers;
};

TEST(ApplyOps, EachOpRunsItsCommandWithItsHistorySteps) {
  const std::vector<OpCase> cases = {
      {"new-layer", 1, 3},
      {"delete", 1, 1},
      {"merge-down", 2, 1},
      {"to-back", 1, 2},
      {"back-one", 1, 2},
      {"flip-horizontal", 1, 2},
      {"flip-vertical", 1, 2},
      {"rotate-cw", 1, 2},
      {"rotate-ccw", 1, 2},
      {"hide", 0, 2},
      {"opacity=40", 1, 2},
      {"hue=30", 1, 2},
      {"saturation=0", 1, 2},
      {"brightness=70", 1, 2},
      {"contrast=70", 1, 2},
      {"resize=60", 1, 2},
      {"crystal", 2, 3},
      {"origami-vertical", 2, 3},
      {"origami-horizontal", 2, 3},
      {"ios", 3, 4},
      {"irradiation", 1, 2},
      {"mac", 1, 2},
      {"vista", 1, 3},
      {"blur", 1, 2},
      {"sharpen", 1, 2},
      {"reflection", 2, 3},
      {"shade", 2, 3},
      {"drop-shadow", 2, 3},
      {"disabled", 1, 2},
      {"hot", 1, 2},
      {"select=0", 0, 2},
      {"color0=FF000000", 0, 2},
      {"page=20x30", 0, 2},
      {"background=80112233", 0, 2},
  };
  for (const OpCase& c : cases) {
    IconDocument doc = TwoLayers();
    DrawingColors colors;
    const int before = Steps(doc);
    QString error;
    EXPECT_TRUE(RunApplyOp(doc, colors, QString::fromStdString(c.op), &error))
        << c.op << ": " << error.toStdString();
    EXPECT_EQ(Steps(doc) - before, c.steps) << c.op;
    EXPECT_EQ(doc.LayerCount(), c.layers) << c.op;
  }
}

TEST(ApplyOps, SettingsAndSlidersReachTheDocument) {
  IconDocument doc = TwoLayers();
  DrawingColors colors;
  QString error;
  for (const char* op : {"select=0", "opacity=40", "resize=60", "page=20x30", "background=80112233",
                         "color0=FF0080FF", "color1=01020304"}) {
    ASSERT_TRUE(RunApplyOp(doc, colors, op, &error)) << op << ": " << error.toStdString();
  }
  EXPECT_EQ(doc.SelectedLayer, 0);
  EXPECT_FLOAT_EQ(doc.Layers[0].Opacity, 0.4f);
  EXPECT_EQ(doc.Layers[0].Image.size(), QSize(50, 25));
  EXPECT_EQ(doc.PageWidth, 20);
  EXPECT_EQ(doc.PageHeight, 30);
  EXPECT_EQ(doc.BackgroundColor, 0x80112233u);
  EXPECT_EQ(colors.SwatchColors[0], 0xFF0080FFu);
  EXPECT_EQ(colors.SwatchColors[1], 0x01020304u);

  ASSERT_TRUE(RunApplyOp(doc, colors, "ios", &error));
  EXPECT_EQ(doc.Layers[0].Image.pixel(10, 15), 0xFF0080FFu);
  ASSERT_TRUE(RunApplyOp(doc, colors, "hide", &error));
  EXPECT_FALSE(doc.Selected()->Visible);
  ASSERT_TRUE(RunApplyOp(doc, colors, "hide", &error));  // already hidden: stays hidden
  EXPECT_FALSE(doc.Selected()->Visible);
  ASSERT_TRUE(RunApplyOp(doc, colors, "show", &error));
  EXPECT_TRUE(doc.Selected()->Visible);
}

TEST(ApplyOps, UndoAndRedoWalkTheHistory) {
  IconDocument doc = TwoLayers();
  DrawingColors colors;
  QString error;
  ASSERT_TRUE(RunApplyOp(doc, colors, "crystal", &error));
  ASSERT_TRUE(RunApplyOp(doc, colors, "undo", &error));
  ASSERT_TRUE(RunApplyOp(doc, colors, "undo", &error));
  EXPECT_EQ(doc.LayerCount(), 2);
  ASSERT_TRUE(RunApplyOp(doc, colors, "redo", &error));
  ASSERT_TRUE(RunApplyOp(doc, colors, "redo", &error));
  EXPECT_EQ(doc.LayerCount(), 3);
  EXPECT_FALSE(RunApplyOp(doc, colors, "redo", &error));
  EXPECT_EQ(error, "there is nothing to redo");
}

struct RefusedCase {
  std::string op;
  std::string error;
  std::function<void(IconDocument&)> setup;
};

TEST(ApplyOps, RefusedOpsSayWhyAndLeaveTheDocumentAlone) {
  const auto none = [](IconDocument&) {};
  const auto bottom = [](IconDocument& d) { d.SelectedLayer = 0; };
  const auto hidden = [](IconDocument& d) { d.Selected()->Visible = false; };
  const auto unselected = [](IconDocument& d) { d.SelectedLayer = -1; };
  const auto tile = [](IconDocument& d) { d.Selected()->ClipAbove = true; };
  const auto noHistory = [](IconDocument& d) { d.ClearHistory(); };
  const std::vector<RefusedCase> cases = {
      {"bogus", "unknown operation", none},
      {"new-layer=2", "unknown operation", none},
      {"import=x.png", "import is run by the file layer", none},
      {"opacity", "expects a value: opacity=VALUE", none},
      {"opacity=101", "expects a slider position from 0 to 100", none},
      {"hue=-1", "expects a slider position from 0 to 100", none},
      {"resize=5.5", "expects a slider position from 0 to 100", none},
      {"contrast=", "expects a slider position from 0 to 100", none},
      {"saturation=50", "no layer is selected", unselected},
      {"select=2", "expects a layer index from 0 to 1", none},
      {"select=one", "expects a layer index from 0 to 1", none},
      {"color0=FF12345", "expects a colour as AARRGGBB (8 hex digits)", none},
      {"color1=GG123456", "expects a colour as AARRGGBB (8 hex digits)", none},
      {"background=0x112233", "expects a colour as AARRGGBB (8 hex digits)", none},
      {"page=0x10", "expects WxH with each side from 1 to 512", none},
      {"page=513x10", "expects WxH with each side from 1 to 512", none},
      {"page=10", "expects WxH with each side from 1 to 512", none},
      {"page=10X10", "expects WxH with each side from 1 to 512", none},
      {"merge-down", "there is no layer below to merge into", bottom},
      {"crystal", "the selected layer is hidden", hidden},
      {"drop-shadow", "no layer is selected", unselected},
      {"flip-vertical", "the selected layer is an IOS tile", tile},
      {"to-front", "the layer is already on top", none},
      {"back-one", "the layer is already at the bottom", bottom},
      {"delete", "no layer is selected", unselected},
      {"undo", "there is nothing to undo", noHistory},
  };
  for (const RefusedCase& c : cases) {
    IconDocument doc = TwoLayers();
    c.setup(doc);
    const int steps = Steps(doc);
    DrawingColors colors;
    QString error;
    EXPECT_FALSE(RunApplyOp(doc, colors, QString::fromStdString(c.op), &error)) << c.op;
    EXPECT_EQ(error.toStdString(), c.error) << c.op;
    EXPECT_EQ(Steps(doc), steps) << c.op;
    EXPECT_EQ(doc.LayerCount(), 2) << c.op;
    EXPECT_EQ(doc.PageWidth, 64) << c.op;
    EXPECT_EQ(colors.SwatchColors[0], 0u) << c.op;
  }
}

TEST(ApplyOps, FullStackIsReportedAsSuch) {
  IconDocument doc = TwoLayers();
  doc.Layers.resize(IconDocument::kMaxLayers, doc.Layers[1]);
  QString error;
  EXPECT_FALSE(RunApplyOp(doc, "new-layer", &error));
  EXPECT_EQ(error, "the document holds the most layers it can");
}

TEST(ApplyOps, ColoursPersistAcrossOpsWithoutAHolder) {
  IconDocument doc = TwoLayers();
  QString error;
  ASSERT_TRUE(RunApplyOp(doc, "color0=FF336699", &error));
  ASSERT_TRUE(RunApplyOp(doc, "ios", &error));
  EXPECT_EQ(doc.Layers[1].Image.pixel(32, 32), 0xFF336699u);
  ApplyOpColors() = DrawingColors{};
}

}  // namespace
