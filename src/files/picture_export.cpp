#include "files/picture_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <cmath>

#include "files/gif_export.h"
#include "files/icon_writer.h"
#include "files/safe_write.h"
#include "imaging/rounding.h"

std::optional<ExportType> ExportTypeForPath(const QString& path) {
  const QString ext = QFileInfo(path).suffix().toLower();
  if (ext == QLatin1String("ico")) return ExportType::ICO;
  if (ext == QLatin1String("png")) return ExportType::PNG;
  if (ext == QLatin1String("gif")) return ExportType::GIF;
  if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) return ExportType::JPEG;
  if (ext == QLatin1String("bmp")) return ExportType::BMP;
  return std::nullopt;
}

FitResult FitRectangle(float sw, float sh, float bw, float bh) {
  FitResult r;
  if (sw > bw || sh > bh) {
    const float a = bw / sw;
    const float b = bh / sh;
    if (a >= b) {
      r.H = RoundHalfEven(bh);
      r.W = RoundHalfEven(sw * b);
    } else {
      r.W = RoundHalfEven(bw);
      r.H = RoundHalfEven(sh * a);
    }
  } else {
    r.W = RoundHalfEven(sw);
    r.H = RoundHalfEven(sh);
  }
  r.X = static_cast<float>(RoundHalfEven(bw - r.W) / 2);
  r.Y = static_cast<float>(RoundHalfEven(bh - r.H) / 2);
  return r;
}

std::vector<int> IconSizes(int pageWidth, int pageHeight) {
  const int largest = std::max(pageWidth, pageHeight);
  std::vector<int> sizes;
  for (int s : {256, 128, 64, 48, 32, 24, 16}) {
    if (s <= largest) sizes.push_back(s);
  }
  return sizes;
}

namespace {

const QImage& AsArgb32(const QImage& image, QImage& holder) {
  if (image.format() == QImage::Format_ARGB32) return image;
  holder = image.convertToFormat(QImage::Format_ARGB32);
  return holder;
}

// Copies `src` into `dst` at (x, y), clipped: on a transparent canvas source-over is a copy.
void Paste(QImage& dst, const QImage& src, int x, int y) {
  const int x0 = std::max(0, x), y0 = std::max(0, y);
  const int x1 = std::min(dst.width(), x + src.width());
  const int y1 = std::min(dst.height(), y + src.height());
  for (int row = y0; row < y1; ++row) {
    const auto* in = reinterpret_cast<const uint32_t*>(src.constScanLine(row - y)) + (x0 - x);
    std::copy(in, in + (x1 - x0), reinterpret_cast<uint32_t*>(dst.scanLine(row)) + x0);
  }
}

// Straight-alpha source-over of every page pixel onto the canvas.
void BlendOver(QImage& canvas, const QImage& page) {
  const int w = std::min(canvas.width(), page.width());
  const int h = std::min(canvas.height(), page.height());
  for (int y = 0; y < h; ++y) {
    const auto* src = reinterpret_cast<const uint32_t*>(page.constScanLine(y));
    auto* dst = reinterpret_cast<uint32_t*>(canvas.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const uint32_t s = src[x], d = dst[x];
      const uint32_t sa = s >> 24, da = d >> 24;
      if (sa == 255 || da == 0) {
        dst[x] = sa == 0 ? d : s;
        continue;
      }
      if (sa == 0) continue;
      // out alpha in 0..255*255 units; colours weighted by their own alpha.
      const uint32_t dw = da * (255 - sa);
      const uint32_t oa = sa * 255 + dw;
      uint32_t out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t c = (((s >> shift) & 0xFF) * sa * 255 + ((d >> shift) & 0xFF) * dw +
                            oa / 2) / oa;
        out |= std::min<uint32_t>(c, 255) << shift;
      }
      dst[x] = out | (uint32_t((oa + 127) / 255) << 24);
    }
  }
}

QByteArray EncodeWithQt(const QImage& image, const char* format, int quality, QString* error) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  if (quality >= 0) writer.setQuality(quality);
  if (!writer.write(image)) {
    if (error) *error = writer.errorString();
    return QByteArray();
  }
  return bytes;
}

QByteArray EncodeIcon(const QImage& page, QString* error) {
  const std::vector<int> sizes = IconSizes(page.width(), page.height());
  if (sizes.empty()) {
    if (error) *error = QStringLiteral("The page is smaller than 16 pixels; an icon needs 16 x 16.");
    return QByteArray();
  }
  IconWriter writer;
  for (int s : sizes) writer.AddImage(RenderIconImage(page, s));
  return writer.Finish(error);
}

}  // namespace

QImage RenderIconImage(const QImage& page, int size) {
  QImage holder;
  const QImage& src = AsArgb32(page, holder);
  QImage canvas(size, size, QImage::Format_ARGB32);
  if (canvas.isNull() || src.isNull()) return canvas;
  canvas.fill(0);
  const FitResult fit = FitRectangle(float(src.width()), float(src.height()), float(size),
                                     float(size));
  if (fit.W < 1 || fit.H < 1) return canvas;
  if (fit.W == src.width() && fit.H == src.height()) {
    Paste(canvas, src, int(fit.X), int(fit.Y));
  } else {
    // Qt's smooth scaling averages the covered area (in premultiplied form) when shrinking.
    QImage scaled = src.scaled(fit.W, fit.H, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.convertTo(QImage::Format_ARGB32);
    Paste(canvas, scaled, int(fit.X), int(fit.Y));
  }
  return canvas;
}

QImage RenderExportCanvas(const QImage& page, ARGB background, ExportType type) {
  QImage holder;
  const QImage& src = AsArgb32(page, holder);
  QImage canvas(src.width(), src.height(), QImage::Format_ARGB32);
  if (canvas.isNull()) return canvas;
  switch (type) {
    case ExportType::BMP:
    case ExportType::JPEG:
      // A 24-bit surface keeps no alpha: the background is opaque, white when transparent.
      canvas.fill(background == 0 ? 0xFFFFFFFFu : (background | 0xFF000000u));
      break;
    case ExportType::GIF:
      canvas.fill((background >> 24) != 0 ? background : 0u);
      break;
    case ExportType::PNG:
    case ExportType::ICO:
      canvas.fill(background);
      break;
  }
  BlendOver(canvas, src);
  return canvas;
}

QByteArray EncodeExport(const QImage& page, ARGB background, ExportType type, int gifThreshold,
                        QString* error) {
  if (page.isNull()) {
    if (error) *error = QStringLiteral("There is no page to export.");
    return QByteArray();
  }
  if (type == ExportType::ICO) return EncodeIcon(page, error);
  const QImage canvas = RenderExportCanvas(page, background, type);
  if (canvas.isNull()) {
    if (error) *error = QStringLiteral("Not enough memory to export the page.");
    return QByteArray();
  }
  switch (type) {
    case ExportType::PNG:
      return EncodeWithQt(canvas, "png", -1, error);
    case ExportType::JPEG:
      return EncodeWithQt(canvas.convertToFormat(QImage::Format_RGB888), "jpeg", kJpegQuality,
                          error);
    case ExportType::BMP:
      return EncodeWithQt(canvas.convertToFormat(QImage::Format_RGB888), "bmp", -1, error);
    case ExportType::GIF: {
      const uint8_t threshold = uint8_t(std::clamp(gifThreshold, 0, 255));
      return ExportGifBytes(canvas, background == 0, threshold, error);
    }
    case ExportType::ICO:
      break;
  }
  return QByteArray();
}

QString ExportPicture(const QImage& page, ARGB background, const QString& path, ExportType type,
                      int gifThreshold) {
  QString error;
  const QByteArray bytes = EncodeExport(page, background, type, gifThreshold, &error);
  if (bytes.isEmpty()) return error.isEmpty() ? QStringLiteral("The picture could not be encoded.")
                                              : error;
  return WriteFileAtomically(path, bytes);
}

QString ExportPicture(const QImage& page, ARGB background, const QString& path, int gifThreshold) {
  const std::optional<ExportType> type = ExportTypeForPath(path);
  if (!type) return QStringLiteral("Unknown picture type: ") + QFileInfo(path).suffix();
  return ExportPicture(page, background, path, *type, gifThreshold);
}
