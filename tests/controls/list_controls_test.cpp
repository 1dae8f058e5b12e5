#include <gtest/gtest.h>

#include <QSignalSpy>

#include "control_events.h"
#include "controls/ctl_icon_load.h"
#include "controls/ctl_layers.h"
#include "controls/form_definition.h"

namespace {

QImage Solid(int w, int h, QColor c) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(c);
  return img;
}

// A panel of layers given bottom first; each layer is an opaque picture of its own size.
struct LayersFixture {
  CtlLayers panel;
  explicit LayersFixture(const QList<QSize>& layers, int height = 300) {
    panel.resize(200, height);
    for (const QSize& s : layers) {
      panel.LoadImage(Solid(s.width(), s.height(), Qt::red), s.width(), s.height(), 1.0, true);
    }
  }
  QRect RedArea(int row) const {  // where the thumbnail landed inside a row's 40 x 40 cell
    QRect area;
    for (int y = 40 * row; y < 40 * row + 40; ++y)
      for (int x = 0; x < 40; ++x)
        if (panel.ListImage().pixelColor(x, y) == QColor(Qt::red)) area |= QRect(x, y, 1, 1);
    return area;
  }
};

TEST(CtlLayers, ThumbnailsFitInto40By32WithoutEnlarging) {
  const struct {
    QSize layer;
    QSize fit;
  } cases[] = {{{64, 16}, {40, 10}},
               {{16, 16}, {16, 16}},
               {{48, 48}, {32, 32}},
               {{100, 30}, {40, 12}},
               {{40, 32}, {40, 32}}};
  for (const auto& c : cases) {
    EXPECT_EQ(CtlLayers::FitThumbnail(c.layer.width(), c.layer.height()), c.fit)
        << c.layer.width() << "x" << c.layer.height();
  }
  LayersFixture f({{16, 16}, {64, 16}});
  f.panel.DrawLayers();
  EXPECT_EQ(f.RedArea(0), QRect(0, 15, 40, 10));   // top row: the 64 x 16 layer
  EXPECT_EQ(f.RedArea(1), QRect(12, 52, 16, 16));  // 40 + 12
  EXPECT_EQ(f.panel.ListImage().size(), QSize(200 - 17 - 1, 82));
}

TEST(CtlLayers, RowsRunTopLayerFirstAndAPressSelects) {
  LayersFixture f({{16, 16}, {16, 16}, {16, 16}});
  f.panel.SetSelectedIndex(1);
  f.panel.DrawLayers();
  ASSERT_EQ(f.panel.RowRects().size(), 3);
  EXPECT_EQ(f.panel.RowRects()[2], QRectF(0, 80, 182, 40));
  EXPECT_EQ(f.panel.ListImage().pixelColor(100, 45), QColor(205, 236, 254));  // row 1 = layer 1
  EXPECT_EQ(f.panel.ListImage().pixelColor(100, 5), QColor(Qt::white));
  EXPECT_EQ(f.panel.ListImage().pixelColor(100, 39), QColor(150, 150, 150));
  QSignalSpy down(&f.panel, &CtlLayers::LayerMouseDown);
  SendMouse(&f.panel, QEvent::MouseButtonPress, QPointF(60, 100));  // bottom row
  EXPECT_EQ(f.panel.SelectedIndex(), 0);
  SendMouse(&f.panel, QEvent::MouseButtonPress, QPointF(60, 5), Qt::RightButton);
  EXPECT_EQ(f.panel.SelectedIndex(), 2);
  SendMouse(&f.panel, QEvent::MouseButtonPress, QPointF(60, 150));  // below the last row
  EXPECT_EQ(f.panel.SelectedIndex(), 2);
  ASSERT_EQ(down.count(), 3);
  EXPECT_EQ(down.at(1).at(0).toInt(), 2);
  EXPECT_FLOAT_EQ(down.at(2).at(3).toFloat(), 150.0f);
}

TEST(CtlLayers, HiddenRowsAreGreyAndEmptyPanelIgnoresPresses) {
  CtlLayers panel;
  panel.resize(200, 300);
  QSignalSpy down(&panel, &CtlLayers::LayerMouseDown);
  SendMouse(&panel, QEvent::MouseButtonPress, QPointF(60, 10));
  EXPECT_EQ(down.count(), 0);
  panel.LoadImage(Solid(8, 8, Qt::blue), 8, 8, 1.0, false);
  panel.LoadImage(Solid(8, 8, Qt::blue), 8, 8, 0.5, false);
  panel.SetSelectedIndex(1);
  panel.DrawLayers();
  EXPECT_EQ(panel.ListImage().pixelColor(100, 5), QColor(205, 236, 254));
  EXPECT_EQ(panel.ListImage().pixelColor(100, 45), QColor(230, 230, 230));
  panel.UpdateImage(Solid(8, 8, Qt::blue), 8, 8, 0, 1.0, true);
  panel.DrawLayers();
  EXPECT_EQ(panel.ListImage().pixelColor(100, 45), QColor(Qt::white));
}

TEST(CtlLayers, ScrollBarOpensWhenTheListOutgrowsThePanel) {
  QList<QSize> eleven(11, QSize(16, 16));
  LayersFixture f(eleven, 200);
  f.panel.DrawLayers();
  EXPECT_TRUE(f.panel.Vs1()->isEnabled());
  EXPECT_EQ(f.panel.Vs1()->maximum(), 442 - 200);
  EXPECT_EQ(f.panel.Vs1()->pageStep(), 242);
  f.panel.Vs1()->setValue(100);
  SendMouse(&f.panel, QEvent::MouseButtonPress, QPointF(60, 5));  // list y 105: row 2
  EXPECT_EQ(f.panel.SelectedIndex(), 8);
  f.panel.Clean();
  f.panel.DrawLayers();
  EXPECT_FALSE(f.panel.Vs1()->isEnabled());
  EXPECT_EQ(f.panel.Vs1()->value(), 0);
}

CtlIconLoad::ImageRecord Record(int size, int bits, QColor c) {
  return CtlIconLoad::ImageRecord{size, size, bits, Solid(size, size, c), QRect()};
}

// The strip as the chooser dialog has it: 289 x 113, a 96-pixel picture above the scroll bar.
struct StripFixture {
  CtlIconLoad strip;
  explicit StripFixture(const QList<CtlIconLoad::ImageRecord>& records) {
    strip.resize(289, 113);
    strip.SetImageRecords(records);
    strip.DrawIcon();
  }
  QRect Painted(int cell, QColor c) const {
    QRect area;
    for (int y = 0; y < 96; ++y)
      for (int x = 100 * cell; x < 100 * cell + 100; ++x)
        if (strip.StripImage().pixelColor(x, y) == c) area |= QRect(x - 100 * cell, y, 1, 1);
    return area;
  }
  int LabelStart(int cell) const {  // leftmost dark pixel of the label line
    for (int x = 100 * cell; x < 100 * cell + 100; ++x)
      for (int y = 76; y < 92; ++y)
        if (strip.StripImage().pixelColor(x, y).lightness() < 120) return x - 100 * cell;
    return -1;
  }
};

TEST(CtlIconLoad, BestFitNeverEnlargesAndCentres) {
  const struct {
    float sw, sh;
    float x, y, w, h;
  } cases[] = {{256, 256, 22, 0, 56, 56},
               {48, 48, 26, 4, 48, 48},
               {16, 16, 42, 20, 16, 16},
               {200, 50, 0, 15, 100, 25}};
  for (const auto& c : cases) {
    float x, y, w, h;
    CtlIconLoad::GetBestFitInfo(c.sw, c.sh, 100, 56, x, y, w, h);
    EXPECT_FLOAT_EQ(x, c.x) << c.sw;
    EXPECT_FLOAT_EQ(y, c.y) << c.sw;
    EXPECT_FLOAT_EQ(w, c.w) << c.sw;
    EXPECT_FLOAT_EQ(h, c.h) << c.sw;
  }
}

TEST(CtlIconLoad, CellsShowOfferedImagesFittedWithLabels) {
  StripFixture f({Record(16, 4, Qt::black), Record(16, 32, Qt::red), Record(256, 32, Qt::blue),
                  Record(128, 32, Qt::green)});
  EXPECT_EQ(f.strip.Picture1()->width(), 300);
  EXPECT_EQ(f.strip.SelectedIndex(), 1) << "the first offered image is preselected";
  EXPECT_EQ(f.Painted(0, Qt::red), QRect(42, 30, 16, 16));
  EXPECT_EQ(f.Painted(1, Qt::blue), QRect(22, 10, 56, 56));
  EXPECT_EQ(f.strip.Records()[2].Cell, QRect(100, 0, 100, 96));
  EXPECT_TRUE(f.strip.Records()[0].Cell.isEmpty());
  // The selected cell is see-through white over grey; the others are white; a grey column
  // separates neighbours.
  EXPECT_NE(f.strip.StripImage().pixelColor(5, 2), QColor(Qt::white));
  EXPECT_EQ(f.strip.StripImage().pixelColor(105, 2), QColor(Qt::white));
  EXPECT_EQ(f.strip.StripImage().pixelColor(199, 2), QColor(192, 192, 192));
  const int small = f.LabelStart(0);
  const int large = f.LabelStart(2);
  EXPECT_GE(small, 25);
  EXPECT_LT(small, 33);
  EXPECT_GE(large, 18);
  EXPECT_LT(large, 26);
  EXPECT_EQ(f.strip.HS1()->maximum(), 300);
}

TEST(CtlIconLoad, PressSelectsACellAndDoubleClickIsReported) {
  StripFixture f({Record(16, 32, Qt::red), Record(32, 32, Qt::blue)});
  QImage chosen;
  f.strip.GetImage(chosen);
  EXPECT_EQ(chosen.size(), QSize(16, 16));
  SendMouse(f.strip.Picture1(), QEvent::MouseButtonPress, QPointF(150, 40), Qt::RightButton);
  EXPECT_EQ(f.strip.SelectedIndex(), 1);
  f.strip.GetImage(chosen);
  EXPECT_EQ(chosen.pixelColor(0, 0), QColor(Qt::blue));
  SendMouse(f.strip.Picture1(), QEvent::MouseButtonPress, QPointF(250, 40));  // no cell there
  EXPECT_EQ(f.strip.SelectedIndex(), 0) << "redrawing preselects the first offered image";
  QSignalSpy dbl(&f.strip, &CtlIconLoad::Dbclick);
  SendMouse(f.strip.Picture1(), QEvent::MouseButtonDblClick, QPointF(20, 20));
  EXPECT_EQ(dbl.count(), 1);
  f.strip.HS1()->setValue(50);
  EXPECT_EQ(f.strip.Picture1()->x(), -50);

  const auto form = FormDefinition::Load(QStringLiteral(":/forms/formicon.json"));
  CtlIconLoad stored;
  stored.ReadProperties(form->Control(QStringLiteral("CtlIconLoad1")));
  EXPECT_EQ(stored.Color(), 16119285);
}

}  // namespace
