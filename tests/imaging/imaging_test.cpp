#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>

#include "imaging/argb.h"
#include "imaging/bitmap_copy.h"
#include "imaging/caption_text.h"
#include "imaging/dib_save.h"
#include "imaging/draw_image.h"
#include "imaging/font_fallback.h"
#include "imaging/rotate_flip.h"
#include "imaging/separator_lines.h"
#include "imaging/shape_builders.h"

namespace {

QImage Filled(int w, int h, ARGB c) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(c);
  return img;
}

ARGB Px(const QImage& img, int x, int y) { return img.pixel(x, y); }

TEST(ColourPacking, ConvertsAsDocumented) {
  EXPECT_EQ(MakeARGB(200, 0, 0, 0), 0xC8000000u);
  EXPECT_EQ(MakeARGB(0x1FF, 0x100, 0x1AB, 0x2CD), 0xFF00ABCDu);  // only the low bytes count
  EXPECT_EQ(OleColorToARGB(0x0000FF, 255), 0xFFFF0000u);
  EXPECT_EQ(OleColorToARGB(0x80000012u, 255), 0xFF120000u);  // system-colour marker ignored
  EXPECT_EQ(SetAlpha(0x12345678u, 0x9A), 0x9A345678u);
  const ArgbBytes b = ARGBToBytes(0x11223344u);
  EXPECT_EQ(b.Blue, 0x44);
  EXPECT_EQ(b.Green, 0x33);
  EXPECT_EQ(b.Red, 0x22);
  EXPECT_EQ(b.Alpha, 0x11);
}

TEST(CopyToARGBBitmap, IsIndependentOfTheSource) {
  QImage src = Filled(3, 2, 0x80FF0000u);
  QImage copy = CopyToARGBBitmap(src, 3, 2);
  src.setPixel(0, 0, 0xFF00FF00u);
  EXPECT_EQ(Px(copy, 0, 0), 0x80FF0000u);
  EXPECT_EQ(copy.format(), QImage::Format_ARGB32);
}

TEST(CopyToARGBBitmap, ConvertsOtherFormatsAndCropsTopLeft) {
  QImage rgb(4, 4, QImage::Format_RGB888);
  rgb.fill(QColor(10, 20, 30));
  QImage copy = CopyToARGBBitmap(rgb, 2, 3);
  ASSERT_EQ(copy.size(), QSize(2, 3));
  EXPECT_EQ(Px(copy, 1, 2), 0xFF0A141Eu);
}

TEST(DIBSave, TakesHeightFirstAndStartsTransparent) {
  DIBSave dib;
  ASSERT_TRUE(dib.CreateBlankMemory(20, 30));
  EXPECT_EQ(dib.NewWidth(), 30);
  EXPECT_EQ(dib.NewHeight(), 20);
  EXPECT_EQ(dib.new_Img().size(), QSize(30, 20));
  EXPECT_EQ(Px(dib.new_Img(), 29, 19), 0u);
  dib.ClearScreen(0x40102030u);
  EXPECT_EQ(Px(dib.new_Img(), 5, 5), 0x40102030u);  // clear replaces alpha too
  dib.Destroy();
  EXPECT_TRUE(dib.new_Img().isNull());
  EXPECT_FALSE(dib.CreateBlankMemory(0, 5));
}

TEST(DrawImageWithOpacity, RoundsCoordinatesHalfToEven) {
  // 0.5 rounds to 0 and 1.5 to 2: a 1x1 opaque pixel lands on (0, 2).
  const QImage dot = Filled(1, 1, 0xFF0000FFu);
  QImage target = Filled(4, 4, 0);
  {
    QPainter p(&target);
    DrawImageWithOpacity(p, dot, 1.0f, 0.5f, 1.5f, 1.4f, 0.6f, 0, 0, 1, 1);
  }
  EXPECT_EQ(Px(target, 0, 2), 0xFF0000FFu);
  EXPECT_EQ(Px(target, 1, 2), 0u);
  EXPECT_EQ(Px(target, 0, 1), 0u);
  EXPECT_EQ(RoundedRect(2.5f, 3.5f, 0.5f, 1.5f), QRect(2, 4, 0, 2));
}

TEST(DrawImageWithOpacity, MultipliesAlphaByOpacity) {
  const QImage src = Filled(2, 2, 0xFFFF0000u);
  QImage target = Filled(2, 2, 0);
  {
    QPainter p(&target);
    DrawImageWithOpacity(p, src, 0.5f, 0, 0, 2, 2, 0, 0, 2, 2);
  }
  const QColor c = QColor::fromRgba(Px(target, 1, 1));
  EXPECT_NEAR(c.alpha(), 128, 1);
  EXPECT_EQ(c.red(), 255);
}

TEST(DrawCaptionText, ShadowLiesExactlyOneRowBelowTheText) {
  QImage plain = Filled(120, 40, 0);
  QImage shadowed = Filled(120, 40, 0);
  {
    QPainter p(&plain);
    DrawCaptionText(p, "Hi", 5, 5, "Verdana", 12, 0xFFFF0000u, FontRegular, false, 100, false);
  }
  {
    QPainter p(&shadowed);
    DrawCaptionText(p, "Hi", 5, 6, "Verdana", 12, 0xFFFF0000u, FontRegular, true, 100, false);
  }
  // The coloured text of the shadowed call sits where the plain call drew it; wherever the text
  // has a pixel, the shadowed image has it too, and the shadow (black, alpha 200) shows one row
  // below a text pixel whose lower neighbour is not text.
  int textPixels = 0;
  int shadowBelow = 0;
  for (int y = 0; y < 39; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (Px(plain, x, y) != 0xFFFF0000u) continue;
      ++textPixels;
      EXPECT_EQ(Px(shadowed, x, y), 0xFFFF0000u) << x << "," << y;
      if (Px(plain, x, y + 1) == 0 && Px(shadowed, x, y + 1) == MakeARGB(200, 0, 0, 0)) ++shadowBelow;
    }
  }
  EXPECT_GT(textPixels, 10);
  EXPECT_GT(shadowBelow, 0);
}

TEST(DrawSeparatorLines, DrawsTheEtchedPairAboveTheButtons) {
  QImage img = Filled(10, 100, 0);
  {
    QPainter p(&img);
    DrawSeparatorLines(p, 10, 100, 0, 65);
  }
  EXPECT_EQ(Px(img, 4, 35), 0xFFFFFFFFu);
  EXPECT_EQ(Px(img, 4, 34), MakeARGB(50, 0, 0, 0));
  EXPECT_EQ(Px(img, 4, 33), 0u);
  QImage withTop = Filled(10, 200, 0);
  {
    QPainter p(&withTop);
    DrawSeparatorLines(p, 10, 200, 60, 65);
  }
  EXPECT_EQ(Px(withTop, 4, 200 - 60 - 56), MakeARGB(50, 0, 0, 0));
}

TEST(RotateFlip, TypesOneFourFiveSix) {
  QImage img(2, 1, QImage::Format_ARGB32);
  img.setPixel(0, 0, 0xFF000001u);
  img.setPixel(1, 0, 0xFF000002u);
  const QImage cw = RotateFlip(img, Rotate90FlipNone);
  ASSERT_EQ(cw.size(), QSize(1, 2));
  EXPECT_EQ(Px(cw, 0, 0), 0xFF000001u);
  EXPECT_EQ(Px(cw, 0, 1), 0xFF000002u);
  const QImage mirrored = RotateFlip(img, RotateNoneFlipX);
  EXPECT_EQ(Px(mirrored, 0, 0), 0xFF000002u);
  QImage tall(1, 2, QImage::Format_ARGB32);
  tall.setPixel(0, 0, 0xFF000001u);
  tall.setPixel(0, 1, 0xFF000002u);
  EXPECT_EQ(Px(RotateFlip(tall, RotateNoneFlipY), 0, 0), 0xFF000002u);
  // 90 clockwise then mirrored: the top-left pixel of a 2x1 image stays at the top left... of a
  // 1x2 image mirrored left-right, which for one column changes nothing.
  const QImage five = RotateFlip(img, Rotate90FlipX);
  EXPECT_EQ(Px(five, 0, 0), 0xFF000001u);
  QImage square(2, 2, QImage::Format_ARGB32);
  square.fill(0);
  square.setPixel(1, 0, 0xFF0000FFu);  // top right
  EXPECT_EQ(Px(RotateFlip(square, Rotate90FlipNone), 1, 1), 0xFF0000FFu);
  EXPECT_EQ(Px(RotateFlip(square, Rotate90FlipX), 0, 1), 0xFF0000FFu);
  EXPECT_EQ(RotateFlip(square, Rotate90FlipX).format(), QImage::Format_ARGB32);
}

TEST(CreateRegion, BuildsOneRectanglePerRun) {
  QImage img = Filled(8, 8, 0);
  EXPECT_TRUE(CreateRegion(img, 1).isEmpty());
  EXPECT_FALSE(CreateRegion(img, 0).isEmpty());  // level 0 takes every pixel
  EXPECT_EQ(CreateRegion(img, 0).boundingRect(), QRect(0, 0, 8, 8));

  img.setPixel(3, 5, 0x01000000u);
  const QRegion dot = CreateRegion(img, 1);
  ASSERT_EQ(dot.rectCount(), 1);
  EXPECT_EQ(*dot.begin(), QRect(3, 5, 1, 1));

  QImage runs = Filled(8, 2, 0);
  for (int x : {0, 1, 4, 5, 6, 7}) runs.setPixel(x, 1, 0xFF000000u);
  runs.setPixel(2, 1, 0x95000000u);  // 149: below the default level of 150
  const QRegion r = CreateRegion(runs);
  std::vector<QRect> rects(r.begin(), r.end());
  ASSERT_EQ(rects.size(), 2u);
  EXPECT_EQ(rects[0], QRect(0, 1, 2, 1));
  EXPECT_EQ(rects[1], QRect(4, 1, 4, 1));  // the run ends at the last column
  EXPECT_EQ(CreateRegion(Filled(5, 4, 0xFF000000u)).boundingRect(), QRect(0, 0, 5, 4));
}

TEST(RoundShape, SpansTheRectangleOrTwiceTheCorner) {
  const QPainterPath full = RoundShape(nullptr, nullptr, 0, 0, 128, 128, 21, false);
  EXPECT_EQ(full.boundingRect(), QRectF(0, 0, 128, 128));
  EXPECT_EQ(full.elementCount(), 1 + 8 * 3);
  const QPainterPath narrow = RoundShape(nullptr, nullptr, 0, 0, 30, 128, 21, false);
  EXPECT_DOUBLE_EQ(narrow.boundingRect().width(), 42.0);
  // Corner control points sit half the corner size along the edges (not on a circle).
  EXPECT_EQ(full.elementAt(1), QPointF(0, 10.5));
  EXPECT_EQ(full.elementAt(2), QPointF(10.5, 0));
  // The top-right corner uses the integer half of an odd corner size.
  EXPECT_EQ(full.elementAt(7), QPointF(107 + 10, 0));
}

TEST(RoundShape, FillsWhenAsked) {
  QImage img = Filled(20, 20, 0);
  {
    QPainter p(&img);
    const QBrush brush(QColor(255, 0, 0));
    RoundShape(&p, &brush, 0, 0, 20, 20, 6, true);
  }
  EXPECT_EQ(Px(img, 10, 10), 0xFFFF0000u);
  EXPECT_EQ(Px(img, 0, 0), 0u);  // the corner is cut
}

TEST(UpdateiOSstylePath, CornerIsASixthOfTheShorterSide) {
  const QPainterPath tile = UpdateiOSstylePath(128, 96, 10, 20);
  EXPECT_EQ(tile.boundingRect(), QRectF(10, 20, 128, 96));
  EXPECT_EQ(tile.elementAt(0), QPointF(10, 20 + 16));
  const QPainterPath tiny = UpdateiOSstylePath(5, 5, 0, 0);
  EXPECT_EQ(tiny.elementAt(0), QPointF(0, 0));  // corner 0: a plain rectangle
  EXPECT_EQ(tiny.boundingRect(), QRectF(0, 0, 5, 5));
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  InstallFontFallbacks();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
