#pragma once

#include <array>
#include <cstdint>
#include <vector>

// Octree colour reduction to at most 256 colours (the modDither routines). No dithering: every
// pixel maps to the leaf its colour ends in. One tree per object; BuildOctreePalette resets it.
class OctreePalette {
 public:
  struct Rgb {
    uint8_t Red = 0;
    uint8_t Green = 0;
    uint8_t Blue = 0;
  };

  // Inserts every pixel of a 24-bit buffer (bytes blue, green, red; `stride` bytes a row, the
  // last `padding` of them unused), bottom row first and each row right to left, reducing the
  // tree whenever it holds more than `maxColors` leaves; then numbers the leaves.
  void BuildOctreePalette(const uint8_t* pixels, int stride, int height, int padding,
                          int maxColors = 256, int maxDepth = 8);
  // The palette index of a colour of the image that built the tree (0 for any other colour).
  int GetPaletteIndex(uint8_t blue, uint8_t green, uint8_t red) const;
  // The last palette index given out: the number of colours minus one.
  int GetPaletteCount() const { return paletteCount_ - 1; }
  Rgb GetPaletteColor(int index) const { return colorTable_.at(index); }
  // 16 when the tree ended with at most 16 leaves, else 256.
  int ColorTableSize() const { return static_cast<int>(colorTable_.size()); }
  int LeafCount() const { return leafCount_; }

 private:
  struct Node {
    bool IsLeaf = false;
    bool Listed = false;
    int32_t Count = 0;
    uint64_t SumBlue = 0;  // 64-bit so that very large pages cannot overflow
    uint64_t SumGreen = 0;
    uint64_t SumRed = 0;
    std::array<int32_t, 8> Child{};
    int32_t Next = 0;
    int32_t PaletteIndex = 0;
  };

  static constexpr int kPoolBlock = 1024;

  void Reset();
  int NewNode(bool leaf);
  void ReleaseNode(int index);
  void Insert(uint8_t blue, uint8_t green, uint8_t red);
  bool Reduce();
  void NumberLeaves(int index);

  std::vector<Node> pool_;  // index 0 unused ("none"), 1 the root
  int freeList_ = 0;        // released nodes, linked through Next
  std::array<int32_t, 9> reducible_{};  // heads of the lists of levels 1..8
  int leafCount_ = 0;
  int maxColors_ = 256;
  int maxDepth_ = 8;
  std::vector<Rgb> colorTable_;
  int paletteCount_ = 0;
};
