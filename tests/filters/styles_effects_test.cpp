#include <gtest/gtest.h>

#include "filters/filters.h"
#include "reference_filters.h"
#include "test_images.h"

namespace {

ARGB Rgb(int r, int g, int b, int a = 255) { return MakeARGB(a, r, g, b); }

QImage SquareOn(int w, int h, QRect square, ARGB c) {
  QImage img = Filled(w, h, 0);
  for (int y = square.top(); y <= square.bottom(); ++y) {
    for (int x = square.left(); x <= square.right(); ++x) img.setPixel(x, y, c);
  }
  return img;
}

TEST(CrystalStyle, CapsTheOpaqueSquareAboveTheEllipse) {
  // Ellipse (-32, 21, 192, 64): at the left column its border crosses pixel centres below row 28,
  // at the right column below row 20, so the cap spans rows 0..28 over the full width.
  const auto r = ClsFilters().CrystalStyle(Filled(64, 64, Rgb(10, 20, 30)));
  EXPECT_EQ(r.rX, 0.0f);
  EXPECT_EQ(r.rY, 0.0f);
  EXPECT_EQ(r.rW, 64);
  EXPECT_EQ(r.rH, 29);
  ASSERT_EQ(r.rImg.size(), QSize(64, 29));
  // White highlight, strong near the top, faint near the bottom, nothing in the right column's
  // lower rows (below the ellipse there).
  const ARGB top = At(r.rImg, 20, 2), low = At(r.rImg, 5, 26);
  EXPECT_EQ(top & 0xFFFFFFu, 0xFFFFFFu);
  EXPECT_GT(qAlpha(top), 150);
  EXPECT_LT(qAlpha(low), 60);
  EXPECT_GT(qAlpha(low), 0);
  EXPECT_EQ(qAlpha(At(r.rImg, 62, 26)), 0);
}

TEST(CrystalStyle, ResultSitsAtTheShapeInsideTheImage) {
  ClsFilters f;
  const auto r = f.CrystalStyle(SquareOn(64, 64, QRect(10, 12, 40, 40), Rgb(1, 1, 1)));
  EXPECT_EQ(r.rX, 10.0f);
  EXPECT_EQ(r.rY, 12.0f);
  EXPECT_EQ(r.rW, 40);
  EXPECT_EQ(r.rImg.width(), 40);
  // Nothing opaque enough: an empty overlay.
  const auto none = f.CrystalOverlay(Filled(16, 16, Rgb(1, 1, 1, 149)));
  EXPECT_TRUE(none.rImg.isNull());
  EXPECT_EQ(none.rW, 0);
  EXPECT_EQ(none.rH, 0);
}

TEST(OrigamiStyle, KeepsTheSmallerHalfOnOddSizes) {
  ClsFilters f;
  const ARGB colour = Rgb(200, 100, 50, 255);
  const auto vertical = f.OrigamiOverlay(Filled(31, 20, Rgb(1, 1, 1)), 1, colour);
  EXPECT_EQ(QRect(vertical.rX, vertical.rY, vertical.rW, vertical.rH), QRect(0, 0, 15, 20));
  const auto horizontal = f.OrigamiOverlay(Filled(20, 31, Rgb(1, 1, 1)), 2, colour);
  EXPECT_EQ(QRect(horizontal.rX, horizontal.rY, horizontal.rW, horizontal.rH), QRect(0, 0, 20, 15));
  // Transparent at the outer side, rising to 15 at the fold, in the drawing colour's RGB.
  for (int x = 0; x < 15; ++x) {
    const ARGB p = At(vertical.rImg, x, 7);
    EXPECT_EQ(p & 0xFFFFFFu, colour & 0xFFFFFFu);
    EXPECT_EQ(qAlpha(p), x + (x & 1)) << x;  // 15 (x + 0.5) / 15: halves go to even
  }
  EXPECT_EQ(qAlpha(At(horizontal.rImg, 3, 0)), 0);
  EXPECT_EQ(qAlpha(At(horizontal.rImg, 3, 14)), 14);
}

TEST(IosStyle, FillsTheRoundedTileInTheExactColour) {
  ClsFilters f;
  const ARGB colour = Rgb(30, 60, 90, 200);
  const auto raw = f.iOSStyle(colour, 128, 128, 0, 0);
  EXPECT_EQ(raw.rW, 128.0f);
  EXPECT_EQ(raw.rPath.boundingRect(), QRectF(0, 0, 128, 128));
  EXPECT_EQ(At(raw.rImg, 64, 64), colour);
  EXPECT_EQ(At(raw.rImg, 64, 0), colour);
  EXPECT_EQ(At(raw.rImg, 0, 0), 0u);
  EXPECT_EQ(At(raw.rImg, 127, 127), 0u);
  // The command's tile adds soft steps along the corners, nothing else.
  const auto tile = f.IosTile(colour, 128, 128);
  int partial = 0;
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 128; ++x) {
      const ARGB p = At(tile.rImg, x, y), q = At(raw.rImg, x, y);
      if (p == q) continue;
      EXPECT_EQ(qAlpha(q), 0);
      EXPECT_LT(qAlpha(p), 200);
      ++partial;
    }
  }
  EXPECT_GT(partial, 0);
}

struct LightCase {
  int x, y, before, after;
};

TEST(Irradiation, AddsTheSoftLightFromTheUpperLeft) {
  // 48 x 48 opaque: r = 48, strength 25, centre (16, 16).
  const LightCase cases[] = {
      {16, 16, 100, 125}, {16, 16, 240, 255},  // full strength, capped
      {40, 16, 100, 112}, {40, 16, 101, 114},  // 24 away: +12.5, halves to even
      {16, 40, 100, 112},
  };
  for (const auto& c : cases) {
    QImage img = Filled(48, 48, Rgb(c.before, c.before, c.before, 255));
    ClsFilters().Irradiation(img);
    EXPECT_EQ(At(img, c.x, c.y), Rgb(c.after, c.after, c.after)) << c.x << "," << c.y;
  }
  QImage faint = Filled(8, 8, Rgb(10, 10, 10, 100));
  ClsFilters().Irradiation(faint);
  EXPECT_EQ(faint, Filled(8, 8, Rgb(10, 10, 10, 100)));  // no shape: unchanged
}

TEST(MacStyle, KeepsGreyGreyAndBrightensByAtMostFifteen) {
  QImage img = RandomImage(24, 24, 9, false);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      const int v = qRed(img.pixel(x, y));
      img.setPixel(x, y, Rgb(v, v, v));
    }
  }
  QImage softened = img;
  ClsFilters().Soften(softened, 90);
  ClsFilters().MacStyle(img);
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 24; ++x) {
      const ARGB p = At(img, x, y);
      EXPECT_EQ(qRed(p), qGreen(p));
      EXPECT_EQ(qRed(p), qBlue(p));
      const int gain = qRed(p) - qRed(softened.pixel(x, y));
      EXPECT_GE(gain, 0);
      EXPECT_LE(gain, 15);
    }
  }
}

TEST(StyleCommands, ChangeTheIconInTheirOrder) {
  ClsFilters f;
  const QImage icon = RandomImage(30, 26, 21, false);
  // Vista: the overlay of the icon as it was; the icon lit, then saturated.
  QImage vista = icon;
  const auto overlay = f.VistaStyle(vista);
  EXPECT_EQ(overlay.rImg, f.CrystalOverlay(icon).rImg);
  QImage expected = icon;
  f.i3Dstyle(expected, 5);
  f.SaturationColor(expected, 25);
  EXPECT_EQ(vista, expected);
  // Mac: desaturate, blur, light.
  QImage mac = icon;
  f.MacStyle(mac);
  expected = icon;
  f.SaturationColor(expected, -25);
  f.Soften(expected, 90);
  f.i3Dstyle(expected, 3);
  EXPECT_EQ(mac, expected);
}

TEST(Reflection, FadesFromTheTopAndFindsTheLowestOpaqueRow) {
  ClsFilters f;
  QImage icon = SquareOn(32, 32, QRect(4, 3, 20, 27), Rgb(9, 8, 7));  // rows 3..29
  icon.setPixel(0, 31, Rgb(9, 8, 7, 149));                            // not clearly opaque
  const auto r = f.Reflection(icon);
  EXPECT_EQ(r.topOff, 2);
  EXPECT_EQ(At(r.nImg, 10, 29), Rgb(9, 8, 7, 255 * 29 / 32));
  // The layer: flipped, its row 2 (the icon's row 29) two rows below the icon's row 29.
  const auto layer = f.ReflectionLayer(icon, 32.0f);
  EXPECT_EQ(layer.offset, QPointF(0, 29));
  EXPECT_EQ(layer.opacity, 0.4f);
  EXPECT_EQ(At(layer.image, 10, 2), At(r.nImg, 10, 29));
  EXPECT_EQ(qAlpha(At(layer.image, 10, 31)), 0);
  // Nothing opaque: bottom 0, topOff H - 1.
  EXPECT_EQ(f.Reflection(Filled(5, 10, Rgb(1, 1, 1, 100))).topOff, 9);
}

TEST(GradientBlack, BlackensAndFades) {
  const QImage n = ClsFilters().GradientBlack(Filled(3, 10, Rgb(200, 100, 50)));
  EXPECT_EQ(At(n, 1, 0), Rgb(0, 0, 0, 0));
  EXPECT_EQ(At(n, 1, 5), Rgb(0, 0, 0, 127));
  EXPECT_EQ(At(n, 2, 9), Rgb(0, 0, 0, 229));
  const auto shade = ClsFilters().ShadeLayer(Filled(3, 10, Rgb(200, 100, 50)));
  EXPECT_EQ(shade.image, n);
  EXPECT_EQ(shade.opacity, 0.3f);
}

TEST(Shadow, BlursAlphaWithTheCentreCountedTwice) {
  const QImage s = ClsFilters().Shadow(Filled(1, 1, Rgb(50, 60, 70)));
  ASSERT_EQ(s.size(), QSize(3, 3));
  const int expected[3][3] = {{102, 36, 0}, {36, 25, 0}, {0, 0, 0}};  // 510/5, 255/7, 255/10
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(At(s, x, y), Rgb(0, 0, 0, expected[y][x])) << x << y;
  }
  // Inside a large opaque block the blur keeps 255; level 2 grows the image by 4.
  const QImage big = ClsFilters().Shadow(Filled(8, 6, Rgb(1, 1, 1)), 2);
  ASSERT_EQ(big.size(), QSize(12, 10));
  EXPECT_EQ(qAlpha(At(big, 3, 3)), 255);
  EXPECT_EQ(qAlpha(At(big, 0, 0)), 255);           // 9 in range, all opaque
  EXPECT_EQ(qAlpha(At(big, 9, 3)), 5 * 255 / 26);  // 25 in range, one opaque column
  const auto layer = ClsFilters().DropShadowLayer(Filled(1, 1, Rgb(1, 1, 1)));
  EXPECT_EQ(layer.offset, QPointF(1, 1));
  EXPECT_EQ(layer.image, s);
}

TEST(DisabledAndHotState, GreyAndGammaKeepAlpha) {
  ClsFilters f;
  QImage red = Filled(2, 2, Rgb(255, 0, 0, 255));
  red.setPixel(1, 1, Rgb(255, 0, 0, 70));
  f.DisabledState(red);
  const ARGB p = At(red, 0, 0);
  EXPECT_NEAR(qRed(p), 140, 1);
  EXPECT_EQ(qRed(p), qGreen(p));
  EXPECT_EQ(qRed(p), qBlue(p));
  EXPECT_EQ(qAlpha(p), 255);
  EXPECT_EQ(At(red, 1, 1), SetAlpha(p, 70));
  // White: 0.3 x 765 = 229.5 (with the float 0.3 a hair above, so 230).
  QImage white = Filled(1, 1, Rgb(255, 255, 255));
  f.DisabledStyle(white, 1, 1);
  EXPECT_EQ(At(white, 0, 0), Rgb(230, 230, 230));
  // Hot: black and white are fixed points; mid grey brightens to 255 (128/255)^0.65 = 162.9.
  QImage hot = Filled(3, 1, Rgb(0, 0, 0, 40));
  hot.setPixel(1, 0, Rgb(255, 255, 255, 41));
  hot.setPixel(2, 0, Rgb(128, 128, 128, 42));
  f.HotState(hot);
  EXPECT_EQ(At(hot, 0, 0), Rgb(0, 0, 0, 40));
  EXPECT_EQ(At(hot, 1, 0), Rgb(255, 255, 255, 41));
  EXPECT_EQ(At(hot, 2, 0), Rgb(163, 163, 163, 42));
  // The requested size wins: beyond the image the result is transparent.
  QImage grown = Filled(1, 1, Rgb(10, 10, 10));
  f.HotStyle(grown, 2, 1);
  EXPECT_EQ(grown.size(), QSize(2, 1));
  EXPECT_EQ(At(grown, 1, 0), 0u);
}

}  // namespace

namespace {

// A random opaque blob (alpha >= 150 somewhere inside) on random, partly see-through pixels.
QImage BlobImage(int w, int h, QRect blob, unsigned seed) {
  QImage img = RandomImage(w, h, seed, true);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const ARGB p = img.pixel(x, y);
      const int a = blob.contains(x, y) ? 150 + qAlpha(p) % 106 : qAlpha(p) % 150;
      img.setPixel(x, y, SetAlpha(p, a));
    }
  }
  return img;
}

TEST(Irradiation, MatchesTheFormulaOnRandomImages) {
  struct Case {
    QSize size;
    QRect blob;
    int pressure;
  };
  const Case cases[] = {
      {{48, 48}, {0, 0, 48, 48}, 5},  {{40, 30}, {5, 3, 20, 24}, 5},
      {{33, 50}, {10, 1, 4, 40}, 3},  {{60, 20}, {50, 15, 10, 5}, 60},  // amounts beyond 255
      {{25, 25}, {2, 2, 20, 20}, -4}, {{1, 9}, {0, 2, 1, 5}, 5},
  };
  for (const auto& c : cases) {
    const QImage src = BlobImage(c.size.width(), c.size.height(), c.blob, c.pressure + 300);
    QImage expected = src, got = src;
    reference::Light(expected, c.pressure);
    ClsFilters().i3Dstyle(got, c.pressure);
    EXPECT_EQ(got, expected) << c.size.width() << "x" << c.size.height() << " p" << c.pressure;
  }
}

TEST(Shadow, MatchesTheFormulaOnRandomImages) {
  for (int k : {0, 1, 2, 5, 32}) {
    const QImage src = RandomImage(13, 7, 500 + k, true);
    EXPECT_EQ(ClsFilters().Shadow(src, k), reference::Shadow(src, k)) << "level " << k;
  }
}

}  // namespace
