#include "files/octree_palette.h"

#include <algorithm>

namespace {

// The child slot of a colour at level 1..8: one bit of each channel, red highest.
inline int Slot(uint8_t blue, uint8_t green, uint8_t red, int level) {
  const int m = 1 << (8 - level);
  return ((red & m) ? 4 : 0) | ((green & m) ? 2 : 0) | ((blue & m) ? 1 : 0);
}

}  // namespace

void OctreePalette::Reset() {
  pool_.clear();
  pool_.reserve(kPoolBlock);
  pool_.resize(2);  // slot 0 is "none"; 1 is the root, an inner node
  freeList_ = 0;
  reducible_.fill(0);
  leafCount_ = 0;
  colorTable_.clear();
  paletteCount_ = 0;
}

int OctreePalette::NewNode(bool leaf) {
  int index = freeList_;
  if (index != 0) {
    freeList_ = pool_[index].Next;
    pool_[index] = Node();
  } else {
    if (pool_.size() == pool_.capacity()) pool_.reserve(pool_.size() + kPoolBlock);
    index = static_cast<int>(pool_.size());
    pool_.emplace_back();
  }
  pool_[index].IsLeaf = leaf;
  return index;
}

void OctreePalette::ReleaseNode(int index) {
  pool_[index].Next = freeList_;
  freeList_ = index;
}

void OctreePalette::Insert(uint8_t blue, uint8_t green, uint8_t red) {
  int node = 1;
  for (int level = 1;; ++level) {
    const int slot = Slot(blue, green, red, level);
    int child = pool_[node].Child[slot];
    if (child == 0) {
      child = NewNode(level == maxDepth_);  // may grow the pool: index, not reference, below
      pool_[node].Child[slot] = child;
      ++pool_[node].Count;
    }
    Node& c = pool_[child];
    if (c.IsLeaf) {
      if (c.Count == 0) ++leafCount_;
      ++c.Count;
      c.SumBlue += blue;
      c.SumGreen += green;
      c.SumRed += red;
      return;
    }
    if (!c.Listed) {
      c.Next = reducible_[level];
      reducible_[level] = child;
      c.Listed = true;
    }
    node = child;
  }
}

bool OctreePalette::Reduce() {
  int level = 8;
  while (level >= 1 && reducible_[level] == 0) --level;
  if (level < 1) return false;
  const int index = reducible_[level];
  reducible_[level] = pool_[index].Next;
  pool_[index].Next = 0;

  int32_t count = 0;
  uint64_t blue = 0, green = 0, red = 0;
  int removed = 0;
  for (int32_t& child : pool_[index].Child) {
    if (child == 0) continue;
    const Node& c = pool_[child];
    count += c.Count;
    blue += c.SumBlue;
    green += c.SumGreen;
    red += c.SumRed;
    ReleaseNode(child);
    child = 0;
    ++removed;
  }
  Node& n = pool_[index];
  n.IsLeaf = true;
  n.Count = count;
  n.SumBlue = blue;
  n.SumGreen = green;
  n.SumRed = red;
  leafCount_ += 1 - removed;
  return true;
}

void OctreePalette::NumberLeaves(int index) {
  Node& n = pool_[index];
  if (n.IsLeaf) {
    if (paletteCount_ >= static_cast<int>(colorTable_.size())) return;
    n.PaletteIndex = paletteCount_;
    const uint64_t count = std::max<int32_t>(n.Count, 1);
    colorTable_[paletteCount_] = Rgb{uint8_t(n.SumRed / count), uint8_t(n.SumGreen / count),
                                     uint8_t(n.SumBlue / count)};
    ++paletteCount_;
    return;
  }
  for (int slot = 0; slot < 8; ++slot) {
    const int child = pool_[index].Child[slot];
    if (child != 0) NumberLeaves(child);
  }
}

void OctreePalette::BuildOctreePalette(const uint8_t* pixels, int stride, int height, int padding,
                                       int maxColors, int maxDepth) {
  Reset();
  maxColors_ = std::clamp(maxColors, 1, 256);
  maxDepth_ = std::clamp(maxDepth, 1, 8);
  const int width = (stride - padding) / 3;
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    for (int x = width - 1; x >= 0; --x) {
      const uint8_t* p = row + 3 * x;
      Insert(p[0], p[1], p[2]);
      while (leafCount_ > maxColors_) {
        if (!Reduce()) break;
      }
    }
  }
  colorTable_.assign(leafCount_ <= 16 ? 16 : 256, Rgb{});
  NumberLeaves(1);
}

int OctreePalette::GetPaletteIndex(uint8_t blue, uint8_t green, uint8_t red) const {
  int node = 1;
  for (int level = 1; level <= 8 && node != 0; ++level) {
    const int child = pool_.size() > 1 ? pool_[node].Child[Slot(blue, green, red, level)] : 0;
    if (child == 0) return 0;
    if (pool_[child].IsLeaf) return pool_[child].PaletteIndex;
    node = child;
  }
  return 0;
}
