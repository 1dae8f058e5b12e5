#include "neighbourhood_filters.h"

#include <utility>
#include <vector>

#include "filters/pixel_access.h"
#include "imaging/rounding.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

using namespace pixel;

namespace neighbourhood {
namespace {

// round(s / t), halves to even, for 0 <= s and t > 0, without a division.
uint8_t RoundedQuotient(int q, int r, int t) {
  if (2 * r > t || (2 * r == t && (q & 1))) ++q;
  return ClampByte(q);
}

// Soften's quotients: entry [k][s] = round(s / (c + k)) for the k = 0..6 neighbours that count.
// A table turns the in-row recurrence into one add and one load per channel.
class SoftenTable {
 public:
  explicit SoftenTable(int c) : stride_(255 * (c + 6) + 1), q_(7 * static_cast<size_t>(stride_)) {
    for (int k = 0; k <= 6; ++k) {
      const int t = c + k;
      uint8_t* out = &q_[k * static_cast<size_t>(stride_)];
      int q = 0, r = 0;
      for (int s = 0; s < stride_; ++s) {
        out[s] = RoundedQuotient(q, r, t);
        if (++r == t) r = 0, ++q;
      }
    }
  }
  const uint8_t* Row(int k) const { return &q_[k * static_cast<size_t>(stride_)]; }

 private:
  int stride_;
  std::vector<uint8_t> q_;
};

// One image row widened to 16-bit lanes (B, G, R, 1 per pixel) with a lane mask (-1 where the
// pixel counts as a neighbour, that is its alpha is not 0), padded by one transparent pixel on each
// side so border neighbours simply do not count and no loop needs a bounds check.
class WideRow {
 public:
  explicit WideRow(int width)
      : v_(4 * (static_cast<size_t>(width) + 2), 0), m_(v_.size(), 0), width_(width) {}
  void Load(const uint8_t* row) {
    if (!row) {
      std::fill(v_.begin(), v_.end(), 0);
      std::fill(m_.begin(), m_.end(), 0);
      return;
    }
    int x = 0;
#if defined(__SSE2__)
    // Two pixels at a time: widen the bytes, put 1 in the alpha lanes, spread alpha != 0.
    const __m128i zero = _mm_setzero_si128();
    const __m128i colour = _mm_set_epi16(0, -1, -1, -1, 0, -1, -1, -1);
    const __m128i one = _mm_set_epi16(1, 0, 0, 0, 1, 0, 0, 0);
    for (; x + 2 <= width_; x += 2) {
      const __m128i px =
          _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + 4 * x)), zero);
      const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(px, 0xFF), 0xFF);
      const __m128i mask = _mm_xor_si128(_mm_cmpeq_epi16(alpha, zero), _mm_set1_epi16(-1));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(&v_[4 * (x + 1)]),
                       _mm_or_si128(_mm_and_si128(px, colour), one));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(&m_[4 * (x + 1)]), mask);
    }
#endif
    for (; x < width_; ++x) {
      const uint8_t* px = row + 4 * x;
      int16_t* v = &v_[4 * (x + 1)];
      int16_t* m = &m_[4 * (x + 1)];
      v[0] = px[0], v[1] = px[1], v[2] = px[2], v[3] = 1;
      const int16_t mask = px[3] ? -1 : 0;
      m[0] = m[1] = m[2] = m[3] = mask;
    }
  }
  int16_t* V() { return v_.data() + 4; }  // lane 0 of pixel 0
  int16_t* M() { return m_.data() + 4; }
  void CopyMask(WideRow& from) { m_ = from.m_; }

 private:
  std::vector<int16_t> v_, m_;
  int width_;
};

// Everything of each pixel's sum but its left neighbour, which is only known once that pixel is
// filtered: a loop without a recurrence, done 8 lanes at a time. Lane 3 collects c plus the
// number of counted neighbours (each counted pixel brings a 1 there).
void SoftenPartialSums(WideRow& above, WideRow& cur, WideRow& below, int c, int lanes,
                       int16_t* out) {
  const int16_t* av = above.V();
  const int16_t* am = above.M();
  const int16_t* cv = cur.V();
  const int16_t* cm = cur.M();
  const int16_t* bv = below.V();
  const int16_t* bm = below.M();
  int i = 0;
#if defined(__SSE2__)
  auto load = [](const int16_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
  auto masked = [&](const int16_t* m, const int16_t* v) { return _mm_and_si128(load(m), load(v)); };
  const __m128i weight = _mm_set1_epi16(static_cast<int16_t>(c));
  for (; i + 8 <= lanes; i += 8) {
    __m128i s = _mm_mullo_epi16(weight, load(cv + i));
    s = _mm_add_epi16(s, masked(am + i, av + i));
    s = _mm_add_epi16(s, masked(am + i + 4, av + i + 4));
    s = _mm_add_epi16(s, masked(cm + i + 4, cv + i + 4));
    s = _mm_add_epi16(s, masked(bm + i - 4, bv + i - 4));
    s = _mm_add_epi16(s, masked(bm + i, bv + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), s);
  }
#endif
  for (; i < lanes; ++i) {
    out[i] =
        static_cast<int16_t>(c * cv[i] + (am[i] & av[i]) + (am[i + 4] & av[i + 4]) +
                             (cm[i + 4] & cv[i + 4]) + (bm[i - 4] & bv[i - 4]) + (bm[i] & bv[i]));
  }
}

void SoftenFast(QImage& image, int c) {
  const SoftenTable table(c);
  const int w = image.width();
  const int h = image.height();
  WideRow above(w), cur(w), below(w);
  std::vector<int16_t> partial(4 * static_cast<size_t>(w));
  above.Load(nullptr);
  cur.Load(image.constScanLine(0));
  for (int y = 0; y < h; ++y) {
    below.Load(y + 1 < h ? image.constScanLine(y + 1) : nullptr);
    SoftenPartialSums(above, cur, below, c, 4 * w, partial.data());
    // The upper row is no longer needed: it receives this row's filtered values, ready to be
    // the next row's upper neighbour (same alpha, so the current mask).
    uint8_t* out = image.scanLine(y);
    int16_t* filtered = above.V();
    const int16_t* cm = cur.M();
    int lb = 0, lg = 0, lr = 0;  // the left neighbour, just filtered (kept in registers)
    for (int x = 0; x < w; ++x) {
      const int16_t* p = &partial[4 * x];
      const int ml = cm[4 * x - 4];
      const uint8_t* q = table.Row(p[3] - c + (ml & 1));
      lb = q[p[kB] + (ml & lb)];
      lg = q[p[kG] + (ml & lg)];
      lr = q[p[kR] + (ml & lr)];
      uint8_t* o = out + 4 * x;
      o[kB] = static_cast<uint8_t>(lb);
      o[kG] = static_cast<uint8_t>(lg);
      o[kR] = static_cast<uint8_t>(lr);
      int16_t* f = filtered + 4 * x;
      f[kB] = static_cast<int16_t>(lb);
      f[kG] = static_cast<int16_t>(lg);
      f[kR] = static_cast<int16_t>(lr);
      f[kA] = 1;
    }
    above.CopyMask(cur);
    std::swap(cur, below);
  }
}

// Any centre weight, straight from the formula: used for levels outside 0..100.
void SoftenExact(QImage& image, int c) {
  const int w = image.width();
  const int h = image.height();
  static constexpr int kNeighbours[6][2] = {{0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}};
  for (int y = 0; y < h; ++y) {
    uint8_t* row = image.scanLine(y);
    for (int x = 0; x < w; ++x) {
      uint8_t* px = row + 4 * x;
      double sum[3] = {double(px[kB]) * c, double(px[kG]) * c, double(px[kR]) * c};
      int total = c;
      for (const auto& n : kNeighbours) {
        const int nx = x + n[0], ny = y + n[1];
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
        const uint8_t* q = image.constScanLine(ny) + 4 * nx;
        if (q[kA] == 0) continue;
        for (int ch = 0; ch < 3; ++ch) sum[ch] += q[ch];
        ++total;
      }
      if (total == 0) continue;  // no weight at all: the pixel keeps its colour
      for (int ch = 0; ch < 3; ++ch) {
        const double v = std::nearbyint(sum[ch] / total);
        px[ch] = static_cast<uint8_t>(v < 0 ? 0 : (v > 255 ? 255 : v));
      }
    }
  }
}

}  // namespace

void Soften(QImage& image, int level) {
  if (!PrepareArgb32(image)) return;
  const int c = 101 - level;
  if (c >= 1 && c <= 101)
    SoftenFast(image, c);
  else
    SoftenExact(image, c);
}

namespace {

// Sharpen's results by numerator: entry [n + 8 x 255] = clamp(n / d). Needs c >= 0 and d >= 1.
std::vector<uint8_t> SharpenTable(int c, int d) {
  std::vector<uint8_t> t(255 * (c + 8) + 1);
  for (size_t i = 0; i < t.size(); ++i) t[i] = ClampByte((static_cast<int>(i) - 8 * 255) / d);
  return t;
}

template <typename Divide>
void SharpenRows(QImage& image, int c, Divide divide) {
  const int w = image.width();
  for (int y = 1; y < image.height() - 1; ++y) {
    const uint8_t* a = image.constScanLine(y - 1);  // already sharpened
    const uint8_t* b = image.constScanLine(y + 1);  // still original
    uint8_t* m = image.scanLine(y);
    int left[3] = {m[kB], m[kG], m[kR]};
    for (int x = 1; x < w - 1; ++x) {
      const int i = 4 * x;
      for (int ch = 0; ch < 3; ++ch) {
        const int around = a[i - 4 + ch] + a[i + ch] + a[i + 4 + ch] + left[ch] + m[i + 4 + ch] +
                           b[i - 4 + ch] + b[i + ch] + b[i + 4 + ch];
        left[ch] = divide(c * m[i + ch] - around);
      }
      m[i + kB] = static_cast<uint8_t>(left[kB]);
      m[i + kG] = static_cast<uint8_t>(left[kG]);
      m[i + kR] = static_cast<uint8_t>(left[kR]);
    }
  }
}

// c x centre minus the seven neighbours that are final before the row is filtered (all but the
// left one), for the inner pixels x = 1 .. w - 2, in 16-bit lanes (fits while c <= 120).
void SharpenPartialSums(const uint8_t* a, const uint8_t* m, const uint8_t* b, int w, int c,
                        int16_t* out) {
  int x = 1;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i weight = _mm_set1_epi16(static_cast<int16_t>(c));
  auto two = [&](const uint8_t* row, int px) {
    return _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + 4 * px)), zero);
  };
  for (; x + 2 <= w - 1; x += 2) {
    __m128i around = _mm_add_epi16(two(a, x - 1), two(a, x));
    around = _mm_add_epi16(around, two(a, x + 1));
    around = _mm_add_epi16(around, two(m, x + 1));
    around = _mm_add_epi16(around, two(b, x - 1));
    around = _mm_add_epi16(around, two(b, x));
    around = _mm_add_epi16(around, two(b, x + 1));
    const __m128i s = _mm_sub_epi16(_mm_mullo_epi16(weight, two(m, x)), around);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * x), s);
  }
#endif
  for (; x < w - 1; ++x) {
    for (int ch = 0; ch < 4; ++ch) {
      const int i = 4 * x + ch;
      const int around = a[i - 4] + a[i] + a[i + 4] + m[i + 4] + b[i - 4] + b[i] + b[i + 4];
      out[i] = static_cast<int16_t>(c * m[i] - around);
    }
  }
}

// The usual levels: the row's partial sums first, then the left-to-right pass that only
// subtracts the freshly sharpened left neighbour and looks the result up.
void SharpenWithTable(QImage& image, int c, int d) {
  const std::vector<uint8_t> table = SharpenTable(c, d);
  const uint8_t* t = table.data() + 8 * 255;
  const int w = image.width();
  std::vector<int16_t> partial(4 * static_cast<size_t>(w));
  for (int y = 1; y < image.height() - 1; ++y) {
    uint8_t* m = image.scanLine(y);
    SharpenPartialSums(image.constScanLine(y - 1), m, image.constScanLine(y + 1), w, c,
                       partial.data());
    int lb = m[kB], lg = m[kG], lr = m[kR];  // the left neighbour, just sharpened
    for (int x = 1; x < w - 1; ++x) {
      const int16_t* p = &partial[4 * x];
      lb = t[p[kB] - lb];
      lg = t[p[kG] - lg];
      lr = t[p[kR] - lr];
      m[4 * x + kB] = static_cast<uint8_t>(lb);
      m[4 * x + kG] = static_cast<uint8_t>(lg);
      m[4 * x + kR] = static_cast<uint8_t>(lr);
    }
  }
}

}  // namespace

void Sharpen(QImage& image, int level) {
  if (!PrepareArgb32(image)) return;
  if (image.width() < 3 || image.height() < 3) return;
  const int c = 109 - level;
  const int d = 101 - level;
  if (d == 0) return;  // the centre weight would divide by zero: leave the image alone
  if (d >= 1 && c <= 120) {
    SharpenWithTable(image, c, d);
  } else if (d >= 1 && c <= 4096) {
    const std::vector<uint8_t> table = SharpenTable(c, d);
    const uint8_t* t = table.data() + 8 * 255;
    SharpenRows(image, c, [t](int n) { return static_cast<int>(t[n]); });
  } else {
    SharpenRows(image, c, [d](int n) { return static_cast<int>(ClampByte(n / d)); });
  }
}

namespace {

// Read-only view of the source copy: alpha outside the image counts as transparent.
class AlphaSource {
 public:
  explicit AlphaSource(const QImage& s)
      : bits_(s.constBits()), stride_(s.bytesPerLine()), w_(s.width()), h_(s.height()) {}
  int Alpha(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    return Pixel(x, y)[kA];
  }
  const uint8_t* Pixel(int x, int y) const { return bits_ + y * stride_ + 4 * x; }
  int Width() const { return w_; }

 private:
  const uint8_t* bits_;
  qsizetype stride_;
  int w_, h_;
};

// One of the four cases at transparent pixel (x, y): `ledge` is the row that must be opaque under
// (or over) the run, `side` the direction of the step pixel (x + side, y) whose colour spreads.
void FillLedge(const AlphaSource& s, QImage& d, int x, int y, int ledge, int side) {
  if (s.Alpha(x, ledge) <= 0 || s.Alpha(x + side, y) <= 0) return;
  int end = -1;
  for (int a = x; a >= 0 && a < s.Width(); a -= side) {
    if (s.Alpha(a, y) > 0) return;
    if (s.Alpha(a, ledge) == 0) {
      end = a;
      break;
    }
  }
  if (end < 0) return;  // the ledge reaches the border: leave the run alone
  const uint8_t* step = s.Pixel(x + side, y);
  uint8_t* row = d.scanLine(y);
  int n = (x - end) * side + 1;
  for (int a = end + side;; a += side) {
    uint8_t* px = row + 4 * a;
    px[kB] = step[kB];
    px[kG] = step[kG];
    px[kR] = step[kR];
    px[kA] = static_cast<uint8_t>(step[kA] / n);
    --n;
    if (a == x) break;
  }
}

}  // namespace

void AntialiasEdge(QImage& image) {
  if (!PrepareArgb32(image)) return;
  const QImage copy = image.copy();
  const AlphaSource s(copy);
  const int w = image.width();
  for (int y = 0; y < image.height(); ++y) {
    const uint8_t* row = copy.constScanLine(y);
    for (int x = 0; x < w; ++x) {
      if (row[4 * x + kA] != 0) continue;
      FillLedge(s, image, x, y, y + 1, +1);
      FillLedge(s, image, x, y, y + 1, -1);
      FillLedge(s, image, x, y, y - 1, +1);
      FillLedge(s, image, x, y, y - 1, -1);
    }
  }
}

}  // namespace neighbourhood
