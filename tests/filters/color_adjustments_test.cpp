#include <gtest/gtest.h>

#include "filters/filters.h"
#include "reference_filters.h"
#include "test_images.h"

namespace {

using Mode = ClsFilters::AdjustmentMode;

ARGB Rgb(int r, int g, int b, int a = 255) { return MakeARGB(a, r, g, b); }

TEST(SliderMapping, GivesTheOperationParameters) {
  EXPECT_EQ(ClsFilters::SaturationFromSlider(40), 0);
  EXPECT_EQ(ClsFilters::SaturationFromSlider(41), 2);  // 2.5 rounds to the even 2
  EXPECT_EQ(ClsFilters::SaturationFromSlider(43), 8);  // 7.5 rounds to 8
  EXPECT_EQ(ClsFilters::SaturationFromSlider(0), -100);
  EXPECT_EQ(ClsFilters::SaturationFromSlider(100), 150);
  EXPECT_EQ(ClsFilters::HueFromSlider(1), 4.0f);   // 3.5 rounds to 4
  EXPECT_EQ(ClsFilters::HueFromSlider(3), 10.0f);  // 10.5 rounds to 10
  EXPECT_EQ(ClsFilters::HueFromSlider(100), 350.0f);
  EXPECT_EQ(ClsFilters::BrightnessFromSlider(0), -250.0);
  EXPECT_EQ(ClsFilters::BrightnessFromSlider(50), 0.0);
  EXPECT_EQ(ClsFilters::BrightnessFromSlider(100), 250.0);
  EXPECT_DOUBLE_EQ(ClsFilters::ContrastFromSlider(0), 0.2);
  EXPECT_DOUBLE_EQ(ClsFilters::ContrastFromSlider(25), 1.0 / 3.0);
  EXPECT_DOUBLE_EQ(ClsFilters::ContrastFromSlider(50), 1.0);
  EXPECT_DOUBLE_EQ(ClsFilters::ContrastFromSlider(75), 3.0);
  EXPECT_DOUBLE_EQ(ClsFilters::ContrastFromSlider(100), 5.0);
}

struct SaturationCase {
  int saturation;
  ARGB in, out;
};

TEST(SaturationColor, MovesChannelsAwayFromTheGreyLevel) {
  const SaturationCase cases[] = {
      {0, Rgb(200, 100, 30, 77), Rgb(200, 100, 30, 77)},
      {-100, Rgb(200, 100, 31, 77), Rgb(110, 110, 110, 77)},  // 331 / 3 = 110, alpha kept
      {2, Rgb(200, 100, 30), Rgb(202, 100, 28)},              // 201.8, 99.8, 28.4
      {8, Rgb(200, 100, 30), Rgb(207, 99, 24)},               // 207.2, 99.2, 23.6
      {50, Rgb(102, 99, 99), Rgb(103, 98, 98)},               // 98.5 goes to the even 98
      {50, Rgb(103, 100, 100), Rgb(104, 100, 100)},           // 99.5 goes to the even 100
      {150, Rgb(250, 0, 0), Rgb(255, 0, 0)},                  // 500.5 and -124.5 clamp
  };
  ClsFilters f;
  for (const auto& c : cases) {
    QImage img = Filled(2, 1, c.in);
    f.SaturationColor(img, c.saturation);
    EXPECT_EQ(At(img, 1, 0), c.out) << "saturation " << c.saturation << " of " << std::hex << c.in;
  }
}

TEST(SaturationColor, SliderAtItsStartLeavesAnyImageUnchanged) {
  const QImage src = RandomImage(17, 9, 1, true);
  QImage work = src;
  ClsFilters().ApplyAdjustmentMode(work, Mode::SaturationShift, {});
  EXPECT_EQ(work, src);
}

TEST(SaturationColor, ConvertsOtherFormatsToArgb32) {
  QImage img(1, 1, QImage::Format_RGB32);
  img.fill(Rgb(30, 60, 90));
  ClsFilters().SaturationColor(img, -100);
  EXPECT_EQ(img.format(), QImage::Format_ARGB32);
  EXPECT_EQ(At(img, 0, 0), Rgb(60, 60, 60));
}

struct BrightnessCase {
  double contrast, brightness;
  int in, out;
};

TEST(BrightnessColor, AppliesContrastRoundHalfEvenThenClamps) {
  const BrightnessCase cases[] = {
      {1.0, 0.0, 77, 77},    {5.0, 250.0, 200, 255}, {5.0, 0.0, 200, 255},
      {5.0, 0.0, 128, 128},  {0.2, 0.0, 128, 128},   {0.5, 0.0, 127, 128},  // 127.5 -> 128
      {0.5, 0.0, 129, 128},                                                 // 128.5 -> 128
      {1.0, 10.5, 100, 110},                                                // 110.5 -> 110
      {1.0, -250.0, 10, 0},  {0.2, -250.0, 255, 0},
  };
  ClsFilters f;
  for (const auto& c : cases) {
    QImage img = Filled(1, 1, Rgb(c.in, c.in, c.in, 33));
    f.BrightnessColor(img, c.contrast, c.brightness);
    EXPECT_EQ(At(img, 0, 0), Rgb(c.out, c.out, c.out, 33))
        << c.contrast << " " << c.brightness << " on " << c.in;
  }
}

TEST(BrightnessColor, SliderMiddlePositionsLeaveTheImageUnchanged) {
  const QImage src = RandomImage(13, 7, 2, true);
  QImage work = src;
  ClsFilters().ApplyAdjustmentMode(work, Mode::ContrastBrightness, {});
  EXPECT_EQ(work, src);
  ClsFilters::AdjustmentSettings s;
  s.contrastPosition = 100;
  s.brightnessPosition = 60;  // +50
  QImage one = Filled(1, 1, Rgb(200, 128, 10));
  ClsFilters().ApplyAdjustmentMode(one, Mode::ContrastBrightness, s);
  EXPECT_EQ(At(one, 0, 0), Rgb(255, 178, 0));
}

TEST(ShadeColors, BlendsWithoutClamping) {
  EXPECT_EQ(ClsFilters::ShadeColors(10, 200, 0), 10);
  EXPECT_EQ(ClsFilters::ShadeColors(10, 200, 255), 200);
  EXPECT_EQ(ClsFilters::ShadeColors(10, 200, 128), (127 * 10 + 200 * 128) / 256);
  EXPECT_EQ(ClsFilters::ShadeColors(10, 200, -123), -81);  // -81.3 truncates toward zero
  EXPECT_EQ(ClsFilters::ShadeColors(200, 10, 300), (-45 * 200 + 3000) / 256);
}

struct HueCase {
  float hue;
  ARGB in, out;
};

TEST(HUEColor, FollowsTheSegmentOfTheHue) {
  const ARGB p = Rgb(200, 120, 40, 90);
  const HueCase cases[] = {
      {0.0f, p, p},
      {350.0f, p, p},                                              // segment 6, weight 255
      {400.0f, p, p},                                              // clamped to 350
      {-5.0f, p, p},                                               // clamped to 0
      {4.0f, p, Rgb(200, (235 * 120 + 20 * 40) / 256, 40, 90)},    // weight 20
      {50.0f, p, Rgb(200, 40, 40, 90)},                            // segment 1: G <- B
      {100.0f, p, Rgb(200, 40, 200, 90)},                          // segment 2: (R, B, R)
      {150.0f, p, Rgb(40, 200, 200, 90)},                          // segment 3
      {200.0f, p, Rgb(40, 40, 200, 90)},                           // segment 4
      {250.0f, p, Rgb(40, 200, 40, 90)},                           // segment 5
      {300.0f, p, Rgb(200, 200, 40, 90)},                          // segment 6, weight 0
      {25.0f, p, Rgb(200, (127 * 120 + 128 * 40) / 256, 40, 90)},  // 25 still segment 0
      // Segment 1 below its middle: weight floor(-24 x 5.12) = -123 extrapolates; results outside
      // 0..255 are not stored and the channel keeps its copied value.
      {26.0f, Rgb(90, 7, 100), Rgb(90, 100, (378 * 100 - 123 * 90) / 256)},
      {26.0f, Rgb(200, 7, 10), Rgb(200, 10, 10)},   // -81 is skipped
      {26.0f, Rgb(10, 7, 200), Rgb(10, 200, 200)},  // 290 is skipped
  };
  ClsFilters f;
  for (const auto& c : cases) {
    QImage img = Filled(1, 1, c.in);
    f.HUEColor(img, c.hue);
    EXPECT_EQ(At(img, 0, 0), c.out) << "hue " << c.hue;
  }
}

TEST(HUEColor, SliderEndsLeaveTheImageUnchanged) {
  const QImage src = RandomImage(11, 5, 3, true);
  for (int position : {0, 100}) {
    QImage work = src;
    ClsFilters::AdjustmentSettings s;
    s.huePosition = position;
    ClsFilters().ApplyAdjustmentMode(work, Mode::HueShift, s);
    EXPECT_EQ(work, src) << position;
  }
}

TEST(EraseColor, ScalesOneAlphaAndSkipsBytesOutOfRange) {
  ClsFilters f;
  QImage img = Filled(3, 2, Rgb(1, 2, 3, 255));
  f.EraseColor(img, 3, 0, 0);
  f.EraseColor(img, -1, 1, 0);
  EXPECT_EQ(img, Filled(3, 2, Rgb(1, 2, 3, 255)));
  f.EraseColor(img, 1, 1, 0);
  EXPECT_EQ(At(img, 1, 1), Rgb(1, 2, 3, 0));
  f.EraseColor(img, 0, 0, 50);
  EXPECT_EQ(At(img, 0, 0), Rgb(1, 2, 3, 128));  // 127.5 -> 128
  f.EraseColor(img, 2, 0, 150);
  EXPECT_EQ(At(img, 2, 0), Rgb(1, 2, 3, 255));  // 382.5 is no byte: unchanged
  QImage work = Filled(4, 4, Rgb(9, 9, 9, 200));
  f.ApplyAdjustmentMode(work, Mode::ErasePixel, {}, 1.5f, 2.4f);  // rounds to (2, 2)
  EXPECT_EQ(At(work, 2, 2), Rgb(9, 9, 9, 0));
}

TEST(EraseTool, SizeOneChangesExactlyTheThreeByThreeBlock) {
  QImage img = Filled(7, 7, Rgb(10, 20, 30, 255));
  ClsFilters::AdjustmentSettings s;
  s.brushSize = 1;
  s.brushOpacity = 100;  // pressure 50, strength 250
  ClsFilters().ApplyAdjustmentMode(img, Mode::EraseBrush, s, 3.0f, 3.0f);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 7; ++x) {
      const int dx = std::abs(x - 3), dy = std::abs(y - 3);
      int alpha = 255;
      if (dx == 0 && dy == 0)
        alpha = 5;
      else if (dx + dy == 1)
        alpha = 130;  // 255 - 125
      else if (dx == 1 && dy == 1)
        alpha = 182;  // 255 - 73.2
      EXPECT_EQ(At(img, x, y), Rgb(10, 20, 30, alpha)) << x << "," << y;
    }
  }
}

TEST(EraseTool, FloorsAtZeroAndWorksAtBordersAndOnThinImages) {
  ClsFilters f;
  QImage img = Filled(3, 3, Rgb(0, 0, 0, 100));
  f.EraseTool(img, 0, 0, 1, 50);
  EXPECT_EQ(qAlpha(At(img, 0, 0)), 0);
  EXPECT_EQ(qAlpha(At(img, 1, 0)), 0);  // 100 - 125
  EXPECT_EQ(qAlpha(At(img, 2, 2)), 100);
  // A one-pixel-wide layer is erased like any other.
  QImage thin = Filled(1, 5, Rgb(0, 0, 0, 255));
  f.EraseTool(thin, 0, 2, 1, 50);
  EXPECT_EQ(qAlpha(At(thin, 0, 1)), 130);
  EXPECT_EQ(qAlpha(At(thin, 0, 2)), 5);
  EXPECT_EQ(qAlpha(At(thin, 0, 3)), 130);
  EXPECT_EQ(qAlpha(At(thin, 0, 0)), 255);
  // Radius 0 (size 0) erases nothing.
  QImage none = Filled(3, 3, Rgb(0, 0, 0, 255));
  f.EraseTool(none, 1, 1, 0, 50);
  EXPECT_EQ(none, Filled(3, 3, Rgb(0, 0, 0, 255)));
}

}  // namespace

namespace {

TEST(ColourOperations, MatchTheFormulaOnRandomImages) {
  ClsFilters f;
  for (int m : {-100, -25, 2, 8, 25, 50, 77, 150, 400}) {
    const QImage src = RandomImage(31, 17, 100 + m, true);
    QImage expected = src, got = src;
    reference::Saturation(expected, m);
    f.SaturationColor(got, m);
    EXPECT_EQ(got, expected) << "saturation " << m;
  }
  for (float hue : {0.f,   4.f,   25.f,  26.f,  40.f,  74.f,  75.f,  100.f, 126.f, 140.f,
                    174.f, 175.f, 200.f, 226.f, 240.f, 274.f, 275.f, 300.f, 349.f, 350.f}) {
    const QImage src = RandomImage(29, 13, 200 + int(hue), true);
    QImage expected = src, got = src;
    reference::Hue(expected, hue);
    f.HUEColor(got, hue);
    EXPECT_EQ(got, expected) << "hue " << hue;
  }
}

}  // namespace
