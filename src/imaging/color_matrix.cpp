#include "color_matrix.h"

#include <cmath>
#include <cstdint>

namespace {

bool ToArgb32(QImage& image) {
  if (image.isNull()) return false;
  if (image.format() != QImage::Format_ARGB32) image.convertTo(QImage::Format_ARGB32);
  return true;
}

// Clamp, then round half to even by adding and removing 1.5 x 2^52 (the default rounding mode,
// as nearbyint, without a library call). Needs strict IEEE arithmetic (no -ffast-math).
uint8_t RoundClampByte(double v) {
  constexpr double kShift = 6755399441055744.0;
  v = v > 0.0 ? v : 0.0;  // NaN goes to 0 too
  v = v < 255.0 ? v : 255.0;
  return static_cast<uint8_t>(static_cast<int>((v + kShift) - kShift));
}

// True when output column j of the matrix equals column `other`.
bool SameColumn(const ColorMatrix& m, int j, int other) {
  for (int i = 0; i < 5; ++i) {
    if (m[i][j] != m[i][other]) return false;
  }
  return true;
}

bool KeepsAlpha(const ColorMatrix& m) {
  return m[0][3] == 0.0f && m[1][3] == 0.0f && m[2][3] == 0.0f && m[3][3] == 1.0f &&
         m[4][3] == 0.0f;
}

// The common grey matrix (equal colour columns, alpha kept): one sum per pixel.
void ApplyGreyMatrix(QImage& image, const ColorMatrix& m) {
  double product[3][256];
  for (int i = 0; i < 3; ++i) {
    for (int v = 0; v < 256; ++v) product[i][v] = v * static_cast<double>(m[i][0]);
  }
  const double offset = 255.0 * static_cast<double>(m[4][0]);
  const double alphaWeight = m[3][0];
  const int w = image.width();
  for (int y = 0; y < image.height(); ++y) {
    uint8_t* px = image.scanLine(y);
    for (int x = 0; x < w; ++x, px += 4) {
      const double sum =
          product[0][px[2]] + product[1][px[1]] + product[2][px[0]] + px[3] * alphaWeight + offset;
      const uint8_t grey = RoundClampByte(sum);
      px[0] = px[1] = px[2] = grey;
    }
  }
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
  if (SameColumn(matrix, 1, 0) && SameColumn(matrix, 2, 0) && KeepsAlpha(matrix)) {
    ApplyGreyMatrix(image, matrix);
    return;
  }
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
