#include "color_adjustments.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "filters/pixel_access.h"
#include "imaging/rounding.h"

using namespace pixel;

namespace adjust {
namespace {

// Grey level of a pixel from the sum of its three colour bytes, without a division per pixel.
constexpr std::array<uint8_t, 766> MakeGreyTable() {
  std::array<uint8_t, 766> t{};
  for (int i = 0; i < 766; ++i) t[i] = static_cast<uint8_t>(i / 3);
  return t;
}
constexpr std::array<uint8_t, 766> kGrey = MakeGreyTable();

}  // namespace

int ShadeColors(int destColor, int srcColor, int shade) {
  if (shade == 0) return destColor;
  if (shade == 255) return srcColor;
  return ((255 - shade) * destColor + srcColor * shade) / 256;
}

void SaturationColor(QImage& image, int saturation) {
  if (!PrepareArgb32(image)) return;
  const float f = static_cast<float>(saturation / 100.0);
  // round(f (c - e) + c) depends on c only through c - e and, for halves, the parity of c; the
  // products are exact in double, so a table of offsets gives the same bytes as the formula.
  std::array<int16_t, 511 * 2> offset;
  for (int d = -255; d <= 255; ++d) {
    for (int parity = 0; parity < 2; ++parity) {
      const double v = static_cast<double>(f) * d + parity;
      offset[(d + 255) * 2 + parity] = static_cast<int16_t>(RoundHalfEven(v) - parity);
    }
  }
  // The finished byte for every (grey level, channel) pair: one load per channel in the pixel loop.
  std::vector<uint8_t> result(256 * 256);
  for (int e = 0; e < 256; ++e) {
    uint8_t* row = &result[e * 256];
    for (int c = 0; c < 256; ++c) row[c] = ClampByte(c + offset[(c - e + 255) * 2 + (c & 1)]);
  }
  const int w = image.width();
  for (int y = 0; y < image.height(); ++y) {
    uint8_t* px = image.scanLine(y);
    for (int x = 0; x < w; ++x, px += 4) {
      const uint8_t* row = &result[kGrey[px[kB] + px[kG] + px[kR]] * 256];
      px[kB] = row[px[kB]];
      px[kG] = row[px[kG]];
      px[kR] = row[px[kR]];
    }
  }
}

void BrightnessColor(QImage& image, double contrast, double brightness) {
  if (!PrepareArgb32(image)) return;
  uint8_t table[256];
  for (int c = 0; c < 256; ++c) table[c] = ClampRoundByte((c - 128) * contrast + 128 + brightness);
  const int w = image.width();
  for (int y = 0; y < image.height(); ++y) {
    uint8_t* px = image.scanLine(y);
    for (int x = 0; x < w; ++x, px += 4) {
      px[kR] = table[px[kR]];
      px[kG] = table[px[kG]];
      px[kB] = table[px[kB]];
    }
  }
}

namespace {

// A blend whose weight is fixed for the whole image, as a table of the stored result for every
// pair of inputs. In every segment the blended channel, when the result is not a byte, keeps the
// blend's first input (its value after the segment's copies), so the table can hold that instead.
class Blend {
 public:
  explicit Blend(int weight) : result_(256 * 256) {
    for (int p = 0; p < 256; ++p) {
      for (int q = 0; q < 256; ++q) {
        uint8_t stored = static_cast<uint8_t>(p);
        StoreByte(stored, ShadeColors(p, q, weight));
        result_[p * 256 + q] = stored;
      }
    }
  }
  uint8_t operator()(uint8_t p, uint8_t q) const { return result_[p * 256 + q]; }

 private:
  std::vector<uint8_t> result_;
};

template <int Segment>
void HueRow(uint8_t* px, int w, const Blend& blend) {
  for (int x = 0; x < w; ++x, px += 4) {
    uint8_t& b = px[kB];
    uint8_t& g = px[kG];
    uint8_t& r = px[kR];
    if constexpr (Segment == 0) {
      g = blend(g, b);
    } else if constexpr (Segment == 1) {
      g = b;
      b = blend(b, r);
    } else if constexpr (Segment == 2) {
      g = b;
      b = r;
      r = blend(b, r);
    } else if constexpr (Segment == 3) {
      const uint8_t t = r;
      g = r;
      r = b;
      b = t;
      g = blend(b, r);
    } else if constexpr (Segment == 4) {
      const uint8_t t = r;
      r = b;
      g = b;
      b = t;
      b = blend(b, r);
    } else if constexpr (Segment == 5) {
      g = r;
      r = b;
      r = blend(r, g);
    } else {
      const uint8_t t = g;
      g = r;
      g = blend(g, t);
    }
  }
}

template <int Segment>
void HueImage(QImage& image, const Blend& blend) {
  for (int y = 0; y < image.height(); ++y) HueRow<Segment>(image.scanLine(y), image.width(), blend);
}

}  // namespace

void HUEColor(QImage& image, float hue) {
  if (!PrepareArgb32(image)) return;
  if (hue > 350.0f) hue = 350.0f;
  if (!(hue >= 0.0f)) hue = 0.0f;  // also a NaN
  const int segment = std::min(RoundHalfEven(hue / 50.0), 6);
  const double step = segment <= 4 ? 5.12 : 5.11;
  const Blend blend{static_cast<int>(std::floor((hue - 50.0 * segment) * step))};
  switch (segment) {
    case 0:
      HueImage<0>(image, blend);
      break;
    case 1:
      HueImage<1>(image, blend);
      break;
    case 2:
      HueImage<2>(image, blend);
      break;
    case 3:
      HueImage<3>(image, blend);
      break;
    case 4:
      HueImage<4>(image, blend);
      break;
    case 5:
      HueImage<5>(image, blend);
      break;
    default:
      HueImage<6>(image, blend);
      break;
  }
}

void EraseColor(QImage& image, int x, int y, int opacity) {
  if (!PrepareArgb32(image)) return;
  if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
  uint8_t* px = image.scanLine(y) + 4 * x;
  StoreByte(px[kA], (opacity / 100.0) * px[kA]);
}

void EraseTool(QImage& image, int x, int y, int d, int pressure) {
  if (!PrepareArgb32(image)) return;
  const int a = RoundHalfEven(1.5 * d);
  const int strength = pressure * 5;
  const OffsetBox box = ClipBox(x, y, a, image.width(), image.height());
  if (box.empty()) return;
  for (int j = box.top; j <= box.bottom; ++j) {
    uint8_t* row = image.scanLine(y + j);
    for (int i = box.left; i <= box.right; ++i) {
      const float fi = static_cast<float>(i);
      const float fj = static_cast<float>(j);
      const float dist = std::sqrt(fi * fi + fj * fj);
      if (!(dist < a)) continue;
      uint8_t& alpha = row[4 * (x + i) + kA];
      const int next = RoundHalfEven(alpha - (1.0 - static_cast<double>(dist) / a) * strength);
      StoreByte(alpha, std::max(next, 0));
    }
  }
}

}  // namespace adjust
