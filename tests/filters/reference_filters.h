#pragma once

// Slow, literal versions of the faster operations, pixel by pixel through QImage::pixel: the
// oracles the table-driven and vectorised code is compared with on random images.

#include <QImage>
#include <algorithm>
#include <cmath>

namespace reference {

inline bool IsByte(double v) { return v >= 0.0 && v <= 255.0; }

inline int Shade(int dest, int src, int shade) {
  if (shade == 0) return dest;
  if (shade == 255) return src;
  return ((255 - shade) * dest + src * shade) / 256;
}

inline void Saturation(QImage& img, int m) {
  const float f = static_cast<float>(m / 100.0);
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      const int e = (qRed(p) + qGreen(p) + qBlue(p)) / 3;
      auto ch = [&](int c) {
        return std::clamp(static_cast<int>(std::nearbyint(double(f) * (c - e) + c)), 0, 255);
      };
      img.setPixel(x, y, qRgba(ch(qRed(p)), ch(qGreen(p)), ch(qBlue(p)), qAlpha(p)));
    }
  }
}

inline void Hue(QImage& img, float hue) {
  hue = std::clamp(hue, 0.0f, 350.0f);
  const int s = std::min(static_cast<int>(std::nearbyint(hue / 50.0)), 6);
  const int w = static_cast<int>(std::floor((hue - 50.0 * s) * (s <= 4 ? 5.12 : 5.11)));
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QRgb p = img.pixel(x, y);
      int r = qRed(p), g = qGreen(p), b = qBlue(p), t = 0;
      auto store = [](int& c, int v) {
        if (IsByte(v)) c = v;
      };
      switch (s) {
        case 0:
          store(g, Shade(g, b, w));
          break;
        case 1:
          g = b;
          store(b, Shade(b, r, w));
          break;
        case 2:
          g = b;
          b = r;
          store(r, Shade(b, r, w));
          break;
        case 3:
          t = r;
          g = r;
          r = b;
          b = t;
          store(g, Shade(b, r, w));
          break;
        case 4:
          t = r;
          r = b;
          g = b;
          b = t;
          store(b, Shade(b, r, w));
          break;
        case 5:
          g = r;
          r = b;
          store(r, Shade(r, g, w));
          break;
        default:
          t = g;
          g = r;
          store(g, Shade(g, t, w));
          break;
      }
      img.setPixel(x, y, qRgba(r, g, b, qAlpha(p)));
    }
  }
}

// The soft light, bounds found by scanning for alpha >= 150, distances from float differences.
inline void Light(QImage& img, int pressure) {
  int left = img.width(), top = img.height(), right = -1, bottom = -1;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (qAlpha(img.pixel(x, y)) < 150) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  const int bw = right < 0 ? 0 : right - left + 1, bh = right < 0 ? 0 : bottom - top + 1;
  const int x0 = right < 0 ? 0 : left, y0 = right < 0 ? 0 : top;
  const int r = bw > bh ? bw : bh;
  const double s = pressure * 5.0;
  const float cx = static_cast<float>(x0 + r / 3), cy = static_cast<float>(y0 + r / 3);
  for (int y = std::max(y0 - r, 0); y <= std::min(y0 + r, img.height() - 1); ++y) {
    for (int x = std::max(x0 - r, 0); x <= std::min(x0 + r, img.width() - 1); ++x) {
      const double dx = static_cast<float>(x) - cx, dy = static_cast<float>(y) - cy;
      const double dist = std::sqrt(dx * dx + dy * dy);
      if (!(dist < r)) continue;
      const double m = (1.0 - dist / r) * s;
      const QRgb p = img.pixel(x, y);
      auto ch = [&](int c) {
        double v = c + m;
        v = v > 255 ? 255 : (v >= 0 ? v : 0);
        return static_cast<int>(std::nearbyint(v));
      };
      img.setPixel(x, y, qRgba(ch(qRed(p)), ch(qGreen(p)), ch(qBlue(p)), qAlpha(p)));
    }
  }
}

inline QImage Shadow(const QImage& src, int k) {
  const int w2 = src.width() + 2 * k, h2 = src.height() + 2 * k;
  QImage out(w2, h2, QImage::Format_ARGB32);
  auto alpha = [&](int x, int y) {
    return src.rect().contains(x, y) ? qAlpha(src.pixel(x, y)) : 0;
  };
  for (int y = 0; y < h2; ++y) {
    for (int x = 0; x < w2; ++x) {
      int sum = alpha(x, y), n = 1;
      for (int dy = -k; dy <= k; ++dy) {
        for (int dx = -k; dx <= k; ++dx) {
          if (x + dx < 0 || y + dy < 0 || x + dx >= w2 || y + dy >= h2) continue;
          sum += alpha(x + dx, y + dy);
          ++n;
        }
      }
      out.setPixel(x, y, qRgba(0, 0, 0, sum / n));
    }
  }
  return out;
}

}  // namespace reference
