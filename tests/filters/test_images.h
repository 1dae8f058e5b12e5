#pragma once

#include <QImage>
#include <cstdint>
#include <random>

#include "imaging/argb.h"

// Small fixtures for the filter tests.
inline QImage Filled(int w, int h, ARGB c) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(c);
  return img;
}

inline ARGB At(const QImage& img, int x, int y) { return img.pixel(x, y); }

inline QImage RandomImage(int w, int h, unsigned seed, bool someTransparent) {
  std::mt19937 rng(seed);
  QImage img(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      uint32_t v = rng();
      if (!someTransparent)
        v |= 0xFF000000u;
      else if ((v >> 24) < 64)
        v &= 0x00FFFFFFu;  // a quarter of the pixels fully transparent
      row[x] = v;
    }
  }
  return img;
}
