#pragma once

#include <cstdint>

// Colours are 32-bit ARGB values: alpha in bits 24-31, then red, green, blue. In memory a pixel
// reads blue, green, red, alpha, the byte order of QImage::Format_ARGB32 on little-endian machines.
using ARGB = uint32_t;

struct ArgbBytes {
  uint8_t Blue;
  uint8_t Green;
  uint8_t Red;
  uint8_t Alpha;
};

constexpr ARGB MakeARGB(int alpha, int red, int green, int blue) {
  return (static_cast<ARGB>(alpha & 0xFF) << 24) | (static_cast<ARGB>(red & 0xFF) << 16) |
         (static_cast<ARGB>(green & 0xFF) << 8) | static_cast<ARGB>(blue & 0xFF);
}

// An OLE colour keeps red in the low byte; the top byte (system-colour marker) is ignored.
constexpr ARGB OleColorToARGB(uint32_t oleColor, int alpha) {
  return MakeARGB(alpha, oleColor & 0xFF, (oleColor >> 8) & 0xFF, (oleColor >> 16) & 0xFF);
}

constexpr ARGB SetAlpha(ARGB color, int alpha) {
  return (color & 0x00FFFFFFu) | (static_cast<ARGB>(alpha & 0xFF) << 24);
}

constexpr ArgbBytes ARGBToBytes(ARGB color) {
  return ArgbBytes{static_cast<uint8_t>(color), static_cast<uint8_t>(color >> 8),
                   static_cast<uint8_t>(color >> 16), static_cast<uint8_t>(color >> 24)};
}

constexpr int AlphaOf(ARGB c) { return static_cast<int>(c >> 24); }
constexpr int RedOf(ARGB c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr int GreenOf(ARGB c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(ARGB c) { return static_cast<int>(c & 0xFF); }
