#include "files/icon_writer.h"

#include <QtEndian>

#include "files/png_codec.h"

namespace {

void Put16(QByteArray& out, uint16_t v) {
  const uchar b[2] = {uchar(v), uchar(v >> 8)};
  out.append(reinterpret_cast<const char*>(b), 2);
}

void Put32(QByteArray& out, uint32_t v) {
  const uchar b[4] = {uchar(v), uchar(v >> 8), uchar(v >> 16), uchar(v >> 24)};
  out.append(reinterpret_cast<const char*>(b), 4);
}

}  // namespace

void IconWriter::AddImage(const QImage& image) {
  images_.push_back(image.format() == QImage::Format_ARGB32
                        ? image
                        : image.convertToFormat(QImage::Format_ARGB32));
}

QByteArray IconWriter::EncodeBitmapEntry(const QImage& argb) {
  const int w = argb.width();
  const int h = argb.height();
  const int maskStride = (w + 31) / 32 * 4;
  const uint32_t pixelBytes = uint32_t(w) * h * 4;
  const uint32_t maskBytes = uint32_t(maskStride) * h;
  QByteArray out;
  out.reserve(40 + pixelBytes + maskBytes);
  Put32(out, 40);
  Put32(out, uint32_t(w));
  Put32(out, uint32_t(h * 2));  // colour rows plus mask rows
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);  // uncompressed
  Put32(out, pixelBytes + maskBytes);
  for (int i = 0; i < 4; ++i) Put32(out, 0);

  const qsizetype pixelsAt = out.size();
  out.resize(pixelsAt + pixelBytes + maskBytes);
  uchar* pixels = reinterpret_cast<uchar*>(out.data()) + pixelsAt;
  uchar* mask = pixels + pixelBytes;
  std::fill(mask, mask + maskBytes, uchar(0));
  for (int row = 0; row < h; ++row) {
    const auto* src = reinterpret_cast<const uint32_t*>(argb.constScanLine(h - 1 - row));
    uchar* dst = pixels + qsizetype(row) * w * 4;
    uchar* maskRow = mask + qsizetype(row) * maskStride;
    for (int x = 0; x < w; ++x) {
      qToLittleEndian<uint32_t>(src[x], dst + 4 * x);
      // Readers that ignore alpha fall back on the mask: fully transparent pixels are masked.
      if ((src[x] >> 24) == 0) maskRow[x >> 3] |= uchar(0x80 >> (x & 7));
    }
  }
  return out;
}

QByteArray IconWriter::Finish(QString* error) const {
  const int count = static_cast<int>(images_.size());
  if (count == 0 || count > 0x7FFF) {
    if (error) *error = QStringLiteral("An icon file needs at least one image.");
    return QByteArray();
  }
  std::vector<QByteArray> blobs;
  blobs.reserve(count);
  for (const QImage& image : images_) {
    const int w = image.width();
    const int h = image.height();
    if (w < 1 || h < 1 || w > 256 || h > 256) {
      if (error) *error = QStringLiteral("Icon images must be 1 to 256 pixels a side.");
      return QByteArray();
    }
    QByteArray blob = w == 256 || h == 256 ? EncodePng(image, kStorePngQuality) : EncodeBitmapEntry(image);
    if (blob.isEmpty()) {
      if (error) *error = QStringLiteral("An icon image could not be encoded.");
      return QByteArray();
    }
    blobs.push_back(std::move(blob));
  }

  QByteArray out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, uint16_t(count));
  uint32_t offset = 6 + 16 * uint32_t(count);
  for (int i = 0; i < count; ++i) {
    const QImage& image = images_[i];
    out.append(char(image.width() == 256 ? 0 : image.width()));  // 0 stands for 256
    out.append(char(image.height() == 256 ? 0 : image.height()));
    out.append(char(0));  // no palette
    out.append(char(0));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, uint32_t(blobs[i].size()));
    Put32(out, offset);
    offset += uint32_t(blobs[i].size());
  }
  for (const QByteArray& blob : blobs) out.append(blob);
  return out;
}
