#pragma once

#include <QByteArray>
#include <QImage>
#include <QtEndian>

#include <cstdint>
#include <cstring>
#include <random>

#include "core/icon_layer.h"

// Small helpers shared by the file tests: seeded pictures and a little-endian byte builder.
namespace testing_files {

inline QImage RandomImage(int w, int h, uint32_t seed) {
  std::mt19937 rng(seed);
  QImage image(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < w; ++x) row[x] = rng();
  }
  return image;
}

inline IconLayer MakeLayer(const QImage& image, float x, float y) {
  IconLayer layer;
  layer.SetImage(image);
  layer.Bounds = {x, y, float(image.width()), float(image.height())};
  layer.BaseBounds = layer.Bounds;
  return layer;
}

class Bytes {
 public:
  Bytes& Raw(const char* s, int n) {
    data.append(s, n);
    return *this;
  }
  Bytes& Raw(const QByteArray& b) {
    data.append(b);
    return *this;
  }
  Bytes& U8(uint8_t v) {
    data.append(char(v));
    return *this;
  }
  Bytes& I16(int16_t v) { return Put(v); }
  Bytes& U16(uint16_t v) { return Put(v); }
  Bytes& I32(int32_t v) { return Put(v); }
  Bytes& U32(uint32_t v) { return Put(v); }
  Bytes& F32(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    return Put(bits);
  }
  QByteArray data;

 private:
  template <typename T>
  Bytes& Put(T v) {
    char b[sizeof(T)];
    qToLittleEndian(v, b);
    data.append(b, sizeof(T));
    return *this;
  }
};

inline uint32_t Crc32(const QByteArray& bytes) {
  uint32_t crc = 0xFFFFFFFFu;
  for (char c : bytes) {
    crc ^= uint8_t(c);
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

// `png` grown to exactly `length` bytes by a text chunk before IEND.
inline QByteArray PadPng(const QByteArray& png, int length) {
  const int extra = length - png.size();  // 12 bytes of chunk framing plus the text
  QByteArray body("tEXt");
  body.append("Comment");
  body.append('\0');
  body.append(QByteArray(extra - 12 - 8, 'x'));
  QByteArray chunk;
  char b[4];
  qToBigEndian<uint32_t>(uint32_t(body.size() - 4), b);
  chunk.append(b, 4);
  chunk.append(body);
  qToBigEndian<uint32_t>(Crc32(body), b);
  chunk.append(b, 4);
  QByteArray out = png;
  out.insert(png.size() - 12, chunk);
  return out;
}

}  // namespace testing_files
