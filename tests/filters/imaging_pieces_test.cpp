#include <gtest/gtest.h>

#include <QPainterPath>

#include "imaging/color_matrix.h"
#include "imaging/path_gradient.h"
#include "test_images.h"

namespace {

ARGB Rgb(int r, int g, int b, int a = 255) { return MakeARGB(a, r, g, b); }

TEST(ColorMatrix, MultipliesTheRowVectorAndClamps) {
  QImage img = Filled(1, 1, Rgb(100, 50, 25, 200));
  ColorMatrix m = IdentityColorMatrix();
  ApplyColorMatrix(img, m);
  EXPECT_EQ(At(img, 0, 0), Rgb(100, 50, 25, 200));
  m[0][0] = 0.5f;  // R halves: 50
  m[1][2] = 1.0f;  // B gains G: 25 + 50 = 75
  m[4][1] = 0.1f;  // G gains 25.5 -> 75.5 rounds to 76
  m[3][3] = 2.0f;  // A doubles and clamps
  ApplyColorMatrix(img, m);
  EXPECT_EQ(At(img, 0, 0), Rgb(50, 76, 75, 255));
  ApplyGamma(img, 0.0f);  // no gamma: unchanged
  EXPECT_EQ(At(img, 0, 0), Rgb(50, 76, 75, 255));
}

TEST(ColorMatrix, GreyShortcutAgreesWithTheGeneralProduct) {
  ColorMatrix grey{};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) grey[i][j] = 0.3f + 0.01f * i;
  }
  grey[3][3] = 1.0f;
  grey[4][0] = grey[4][1] = grey[4][2] = -0.05f;
  ColorMatrix general = grey;
  general[0][3] = 1e-7f;  // no longer alpha-preserving: takes the general path, same bytes
  const QImage src = RandomImage(37, 11, 77, true);
  QImage a = src, b = src;
  ApplyColorMatrix(a, grey);
  ApplyColorMatrix(b, general);
  EXPECT_EQ(a, b);
}

TEST(PathGradient, InterpolatesAlongRaysToTheOutline) {
  QPainterPath square;
  square.addRect(0, 0, 10, 10);
  const ARGB inner = Rgb(200, 100, 0), outer = Rgb(0, 100, 200, 55);
  const QImage img = PathGradientImage(square, QPointF(5, 5), inner, outer, QRect(-2, -2, 14, 14));
  ASSERT_EQ(img.size(), QSize(14, 14));
  auto at = [&](int x, int y) { return At(img, x + 2, y + 2); };
  // (4.5, 4.5) lies a tenth of the way to the corner; (9.5, 4.5) nine tenths to the right edge.
  EXPECT_EQ(at(4, 4), MakeARGB(235, 180, 100, 20));
  EXPECT_EQ(at(9, 4), MakeARGB(75, 20, 100, 180));
  EXPECT_EQ(at(0, 4), MakeARGB(75, 20, 100, 180));
  EXPECT_EQ(at(-1, 5), 0u);  // outside the path the brush paints nothing
  EXPECT_EQ(at(10, 10), 0u);
  // The centre colour sits exactly at the centre point.
  const QImage centred =
      PathGradientImage(square, QPointF(5.5, 5.5), inner, outer, QRect(0, 0, 10, 10));
  EXPECT_EQ(At(centred, 5, 5), inner);
  EXPECT_TRUE(PathGradientImage(square, QPointF(5, 5), inner, outer, QRect()).isNull());
}

TEST(PathGradient, FollowsAnEllipticOutline) {
  QPainterPath ellipse;
  ellipse.setFillRule(Qt::WindingFill);
  ellipse.addEllipse(QRectF(0, 0, 40, 20));
  const QImage img = PathGradientImage(ellipse, QPointF(20, 10), Rgb(255, 255, 255), Rgb(0, 0, 0),
                                       QRect(0, 0, 40, 20));
  // Half way out along either axis the colour is half way, whatever the axis length.
  // (29.5, 9.5) is about 9.5 / 20 of the way out, (19.5, 14.5) about 4.5 / 10.
  EXPECT_NEAR(qRed(At(img, 29, 9)), 255 - 255 * 9.5 / 20, 3);
  EXPECT_NEAR(qRed(At(img, 19, 14)), 255 - 255 * 4.5 / 10, 3);
  EXPECT_EQ(qAlpha(At(img, 0, 0)), 0);
  EXPECT_LT(qRed(At(img, 39, 9)), 20);  // next to the outline: nearly the surround colour
}

}  // namespace
