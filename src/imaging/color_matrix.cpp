#include "color_matrix.h"

#include <cmath>
#include <cstdint>

namespace {

bool ToArgb32(QImage& image) {
  if (image.isNull()) return false;
  if (image.format() != QImage::Format_ARGB32) image.convertTo(QImage::Format_ARGB32);
  return true;
}

uint8_t RoundClampByte(double v) {
  if (!(v > 0.0)) return 0;
  if (v >= 255.0) return 255;
  return static_cast<uint8_t>(std::nearbyint(v));
}

// In memory a pixel reads B, G, R, A; the matrix talks about R, G, B, A.
constexpr int kByteOfChannel[4] = {2, 1, 0, 3};

}  // namespace

ColorMatrix IdentityColorMatrix() {
  ColorMatrix m{};
  for (int i = 0; i < 5; ++i) m[i][i] = 1.0f;
  return m;
}

void ApplyColorMatrix(QImage& image, const ColorMatrix& matrix) {
  if (!ToArgb32(image)) return;
  // One product table per (input, output) pair replaces 16 multiplications per pixel by loads.
  double product[4][4][256];
  double offset[4];
  for (int j = 0; j < 4; ++j) {
    offset[j] = 255.0 * static_cast<double>(matrix[4][j]);
    for (int i = 0; i < 4; ++i) {
      const double m = matrix[i][j];
      for (int v = 0; v < 256; ++v) product[i][j][v] = v * m;
    }
  }
  const int w = image.width();
  for (int y = 0; y < image.height(); ++y) {
    uint8_t* px = image.scanLine(y);
    for (int x = 0; x < w; ++x, px += 4) {
      const uint8_t in[4] = {px[2], px[1], px[0], px[3]};
      uint8_t out[4];
      for (int j = 0; j < 4; ++j) {
        const double sum = product[0][j][in[0]] + product[1][j][in[1]] + product[2][j][in[2]] +
                           product[3][j][in[3]] + offset[j];
        out[j] = RoundClampByte(sum);
      }
      for (int j = 0; j < 4; ++j) px[kByteOfChannel[j]] = out[j];
    }
  }
}

void ApplyGamma(QImage& image, float gamma) {
  if (!(gamma > 0.0f) || std::isinf(gamma) || !ToArgb32(image)) return;
  uint8_t table[256];
  for (int c = 0; c < 256; ++c) {
    table[c] = RoundClampByte(255.0 * std::pow(c / 255.0, static_cast<double>(gamma)));
  }
  const int w = image.width();
  for (int y = 0; y < image.height(); ++y) {
    uint8_t* px = image.scanLine(y);
    for (int x = 0; x < w; ++x, px += 4) {
      px[0] = table[px[0]];
      px[1] = table[px[1]];
      px[2] = table[px[2]];
    }
  }
}
