#include <gtest/gtest.h>

#include <cmath>

#include "filters/filters.h"
#include "test_images.h"

namespace {

ARGB Rgb(int r, int g, int b, int a = 255) { return MakeARGB(a, r, g, b); }

// Straight from the formula, pixel by pixel through QImage::pixel, in place: the oracle for the
// table-driven filter.
void SoftenByTheBook(QImage& img, int level) {
  const int c = 101 - level;
  const int d[6][2] = {{0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}};
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      double s[3] = {qRed(p) * double(c), qGreen(p) * double(c), qBlue(p) * double(c)};
      int total = c;
      for (const auto& o : d) {
        const int nx = x + o[0], ny = y + o[1];
        if (!img.rect().contains(nx, ny) || qAlpha(img.pixel(nx, ny)) == 0) continue;
        const QRgb q = img.pixel(nx, ny);
        s[0] += qRed(q), s[1] += qGreen(q), s[2] += qBlue(q);
        ++total;
      }
      if (total == 0) continue;  // level 101 with nothing counted: no weight, colour kept
      auto ch = [&](double v) { return std::clamp(int(std::nearbyint(v / total)), 0, 255); };
      img.setPixel(x, y, qRgba(ch(s[0]), ch(s[1]), ch(s[2]), qAlpha(p)));
    }
  }
}

void SharpenByTheBook(QImage& img, int level) {
  const int c = 109 - level, d = 101 - level;
  for (int y = 1; y < img.height() - 1; ++y) {
    for (int x = 1; x < img.width() - 1; ++x) {
      int v[3] = {0, 0, 0};
      for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
          const QRgb q = img.pixel(x + i, y + j);
          const int w = (i == 0 && j == 0) ? c : -1;
          v[0] += w * qRed(q), v[1] += w * qGreen(q), v[2] += w * qBlue(q);
        }
      }
      auto ch = [&](int n) { return std::clamp(n / d, 0, 255); };
      img.setPixel(x, y, qRgba(ch(v[0]), ch(v[1]), ch(v[2]), qAlpha(img.pixel(x, y))));
    }
  }
}

TEST(Soften, MatchesTheFormulaInPlaceForAnyLevelAndSize) {
  ClsFilters f;
  for (QSize size : {QSize(23, 11), QSize(1, 1), QSize(1, 6), QSize(7, 1), QSize(2, 2)}) {
    for (int level : {90, 75, 0, 100, 101, 150, -20}) {
      for (bool transparent : {false, true}) {
        const QImage src = RandomImage(size.width(), size.height(), 10 + level, transparent);
        QImage expected = src;
        SoftenByTheBook(expected, level);
        QImage got = src;
        f.Soften(got, level);
        EXPECT_EQ(got, expected) << size.width() << "x" << size.height() << " level " << level
                                 << (transparent ? " with holes" : "");
      }
    }
  }
}

TEST(Soften, UsesTheLeftNeighbourAlreadyFilteredAndRoundsHalfToEven) {
  // Blue: (11 x 0 + 6) / 12 = 0.5 -> 0, then (11 x 6 + 0) / 12 = 5.5 -> 6.
  // Green: 18 / 12 = 1.5 -> 2, then (11 x 18 + 2) / 12 = 16.67 -> 17 (16 from the unfiltered 0).
  QImage img = Filled(2, 1, Rgb(0, 0, 0));
  img.setPixel(1, 0, Rgb(0, 18, 6));
  ClsFilters().Soften(img, 90);
  EXPECT_EQ(At(img, 0, 0), Rgb(0, 2, 0));
  EXPECT_EQ(At(img, 1, 0), Rgb(0, 17, 6));
}

TEST(Soften, CountsSixNeighboursNotTheTopLeftOrBottomRightCorner) {
  ClsFilters f;
  // White 3 x 3 with the pixels left of and above the centre transparent, so only direct
  // neighbours of the centre can reach it.
  auto grid = [](int blackX, int blackY) {
    QImage img = Filled(3, 3, Rgb(255, 255, 255));
    img.setPixel(1, 0, Rgb(255, 255, 255, 0));
    img.setPixel(0, 1, Rgb(255, 255, 255, 0));
    img.setPixel(blackX, blackY, Rgb(0, 0, 0));
    return img;
  };
  QImage topLeft = grid(0, 0);
  f.Soften(topLeft, 90);
  EXPECT_EQ(At(topLeft, 1, 1), Rgb(255, 255, 255));
  // The black pixel above-right is softened first to round(510 / 13) = 39, then counts:
  // (11 x 255 + 39 + 3 x 255) / 15 = 240.6.
  QImage topRight = grid(2, 0);
  f.Soften(topRight, 90);
  EXPECT_EQ(At(topRight, 1, 1), Rgb(241, 241, 241));
  // Bottom-right is not a neighbour either.
  QImage bottomRight = Filled(3, 3, Rgb(255, 255, 255));
  bottomRight.setPixel(2, 2, Rgb(0, 0, 0));
  f.Soften(bottomRight, 90);
  EXPECT_EQ(At(bottomRight, 1, 1), Rgb(255, 255, 255));
}

TEST(Soften, KeepsUniformImagesAndIsolatedPixelsAndAlpha) {
  ClsFilters f;
  QImage uniform = Filled(9, 6, Rgb(12, 140, 250, 255));
  f.Soften(uniform, 90);
  EXPECT_EQ(uniform, Filled(9, 6, Rgb(12, 140, 250, 255)));
  QImage lonely = Filled(3, 3, Rgb(0, 0, 0, 0));
  lonely.setPixel(1, 1, Rgb(200, 100, 50, 60));
  f.Soften(lonely, 90);
  EXPECT_EQ(At(lonely, 1, 1), Rgb(200, 100, 50, 60));
  EXPECT_EQ(qAlpha(At(lonely, 0, 0)), 0);
}

TEST(Sharpen, MatchesTheFormulaInPlaceForAnyLevelAndSize) {
  ClsFilters f;
  for (QSize size : {QSize(19, 13), QSize(3, 3), QSize(4, 5), QSize(6, 3)}) {
    for (int level : {80, 85, 0, 100, -11, -50, 102, 130, -4000}) {
      const QImage src = RandomImage(size.width(), size.height(), 40 + level, true);
      QImage expected = src;
      SharpenByTheBook(expected, level);
      QImage got = src;
      f.Sharpen(got, level);
      EXPECT_EQ(got, expected) << size.width() << "x" << size.height() << " level " << level;
    }
  }
}

TEST(Sharpen, WorkedExamples) {
  ClsFilters f;
  // 3 x 3: only the centre changes, (2900 - 720) / 21 = 103.8 truncates to 103.
  QImage small = Filled(3, 3, Rgb(90, 90, 90, 10));
  small.setPixel(1, 1, Rgb(100, 255, 0, 10));
  f.Sharpen(small, 80);
  QImage expected = Filled(3, 3, Rgb(90, 90, 90, 10));
  expected.setPixel(1, 1, Rgb(103, 255, 0, 10));  // 29 x 255 - 720 clamps; -720 / 21 clamps
  EXPECT_EQ(small, expected);
  // 4 x 3: the second inner pixel sees its left neighbour already sharpened to 241:
  // (2610 - 7 x 90 - 241) / 21 = 82 (84 from the original 200).
  QImage wide = Filled(4, 3, Rgb(90, 90, 90));
  wide.setPixel(1, 1, Rgb(200, 200, 200));
  f.Sharpen(wide, 80);
  EXPECT_EQ(At(wide, 1, 1), Rgb(241, 241, 241));
  EXPECT_EQ(At(wide, 2, 1), Rgb(82, 82, 82));
  // The Sharpen command's adjustment mode is level 80.
  const QImage src = RandomImage(9, 9, 8, true);
  QImage viaMode = src, direct = src;
  f.ApplyAdjustmentMode(viaMode, ClsFilters::AdjustmentMode::SharpenLayer, {});
  f.Sharpen(direct, 80);
  EXPECT_EQ(viaMode, direct);
  EXPECT_NE(viaMode, src);
}

TEST(Sharpen, LeavesSmallImagesAndAZeroDivisorAlone) {
  ClsFilters f;
  for (QSize size : {QSize(2, 5), QSize(5, 2), QSize(1, 1)}) {
    const QImage src = RandomImage(size.width(), size.height(), 5, false);
    QImage img = src;
    f.Sharpen(img, 80);
    EXPECT_EQ(img, src);
  }
  const QImage src = RandomImage(6, 6, 6, false);
  QImage img = src;
  f.Sharpen(img, 101);
  EXPECT_EQ(img, src);
}

// The example layer: (5, 0) red, (2, 1) .. (4, 1) opaque, the rest transparent.
QImage StepExample() {
  QImage img = Filled(6, 2, 0);
  img.setPixel(5, 0, Rgb(255, 0, 0));
  for (int x = 2; x <= 4; ++x) img.setPixel(x, 1, Rgb(0, 0, 255));
  return img;
}

TEST(AntialiasEdge, FillsTheLedgeWithFallingAlphaInAllFourOrientations) {
  QImage expected = StepExample();
  expected.setPixel(2, 0, Rgb(255, 0, 0, 63));
  expected.setPixel(3, 0, Rgb(255, 0, 0, 85));
  expected.setPixel(4, 0, Rgb(255, 0, 0, 127));
  // Mirroring the layer swaps left/right and above/below: every case must mirror its result.
  for (bool mirrorX : {false, true}) {
    for (bool mirrorY : {false, true}) {
      QImage img = StepExample().mirrored(mirrorX, mirrorY);
      ClsFilters().AntialiasEdge(img);
      EXPECT_EQ(img, expected.mirrored(mirrorX, mirrorY)) << mirrorX << mirrorY;
    }
  }
}

TEST(AntialiasEdge, LeavesRunsThatReachTheBorderAndUniformImages) {
  ClsFilters f;
  // The opaque row below never ends inside the image: nothing is added.
  QImage open = Filled(5, 2, 0);
  open.setPixel(4, 0, Rgb(255, 0, 0));
  for (int x = 0; x < 5; ++x) open.setPixel(x, 1, Rgb(0, 255, 0));
  QImage img = open;
  f.AntialiasEdge(img);
  EXPECT_EQ(img, open);
  for (ARGB fill : {Rgb(1, 2, 3), Rgb(1, 2, 3, 0)}) {
    QImage flat = Filled(7, 4, fill);
    f.AntialiasEdge(flat);
    EXPECT_EQ(flat, Filled(7, 4, fill));
  }
}

TEST(AntialiasEdge, LaterCasesOverwriteEarlierOnes) {
  // Middle row: red at x = 0, blue at x = 6, a transparent run between. The ledge below (x 1..3)
  // spreads red rightwards from x = 1; the ledge above (x 2..5) spreads blue leftwards from x = 5,
  // later in the scan, so blue wins where both write.
  QImage img = Filled(7, 3, 0);
  img.setPixel(0, 1, Rgb(255, 0, 0));
  img.setPixel(6, 1, Rgb(0, 0, 255));
  for (int x = 1; x <= 3; ++x) img.setPixel(x, 2, Rgb(7, 7, 7));
  for (int x = 2; x <= 5; ++x) img.setPixel(x, 0, Rgb(7, 7, 7));
  QImage expected = img;
  expected.setPixel(1, 1, Rgb(255, 0, 0, 127));
  expected.setPixel(2, 1, Rgb(0, 0, 255, 51));
  expected.setPixel(3, 1, Rgb(0, 0, 255, 63));
  expected.setPixel(4, 1, Rgb(0, 0, 255, 85));
  expected.setPixel(5, 1, Rgb(0, 0, 255, 127));
  ClsFilters().AntialiasEdge(img);
  EXPECT_EQ(img, expected);
}

}  // namespace
