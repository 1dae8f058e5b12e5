#include "files/icon_file_reader.h"

#include <cstring>

#include "files/png_codec.h"
#include "files/safe_write.h"
#include "imaging/rounding.h"

namespace {

constexpr qint64 kHeaderBytes = 6;
constexpr qint64 kEntryBytes = 16;
constexpr qint64 kBitmapHeaderBytes = 40;
const char kPngSignature[8] = {'\x89', 'P', 'N', 'G', '\r', '\n', '\x1a', '\n'};

// Little-endian reads; callers have checked that the bytes are there.
uint16_t U16(const uchar* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t U32(const uchar* p) {
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
int32_t I32(const uchar* p) { return static_cast<int32_t>(U32(p)); }

struct Span {
  const uchar* data;
  qint64 size;
  bool Has(qint64 offset, qint64 length) const {
    return offset >= 0 && length >= 0 && offset <= size && length <= size - offset;
  }
};

IconImageRecord ReadPngEntry(const Span& file, qint64 offset, qint64 declaredBytes) {
  IconImageRecord record;
  record.IsPng = true;
  record.BitCount = 32;
  // The directory's byte count is a hint only; never past the end of the file.
  const qint64 available = file.size - offset;
  const qint64 length = declaredBytes > 0 && declaredBytes <= available ? declaredBytes : available;
  const QByteArray png = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data + offset),
                                                 static_cast<qsizetype>(length));
  QImage image = DecodePng(png);
  if (image.isNull() || image.width() > kMaxIconSide || image.height() > kMaxIconSide) {
    return record;
  }
  record.Width = image.width();
  record.Height = image.height();
  record.Image = image;
  return record;
}

// Alpha of column x from a 1-bit AND mask row: a set bit is transparent. A missing row is opaque.
uchar MaskAlpha(const uchar* maskRow, int x) {
  if (!maskRow) return 255;
  return (maskRow[x >> 3] & (0x80 >> (x & 7))) ? 0 : 255;
}

void DecodeBitmapPixels(const Span& file, qint64 pixels, qint64 stride, qint64 maskStart,
                        qint64 maskStride, IconImageRecord& record) {
  const int w = record.Width;
  const int h = record.Height;
  QImage image(w, h, QImage::Format_ARGB32);
  if (image.isNull()) return;
  bool anyAlpha = false;
  for (int row = 0; row < h; ++row) {
    // Bottom row first in the file.
    const uchar* src = file.data + pixels + stride * row;
    auto* dst = reinterpret_cast<uint32_t*>(image.scanLine(h - 1 - row));
    if (record.BitCount == 32) {
      for (int x = 0; x < w; ++x) {
        dst[x] = U32(src + 4 * x);
        anyAlpha = anyAlpha || (dst[x] >> 24) != 0;
      }
    } else {
      for (int x = 0; x < w; ++x) {
        const uchar* p = src + 3 * x;
        dst[x] = 0xFF000000u | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0];
      }
    }
  }
  // 24-bit images, and 32-bit images written without alpha, take it from the AND mask.
  if (record.BitCount == 24 || !anyAlpha) {
    for (int row = 0; row < h; ++row) {
      const qint64 at = maskStart + maskStride * row;
      const uchar* mask = file.Has(at, maskStride) ? file.data + at : nullptr;
      auto* dst = reinterpret_cast<uint32_t*>(image.scanLine(h - 1 - row));
      for (int x = 0; x < w; ++x) dst[x] = (dst[x] & 0x00FFFFFFu) | (uint32_t(MaskAlpha(mask, x)) << 24);
    }
  }
  record.Image = image;
}

IconImageRecord ReadBitmapEntry(const Span& file, qint64 offset) {
  IconImageRecord record;
  if (!file.Has(offset, kBitmapHeaderBytes)) return record;
  const uchar* h = file.data + offset;
  const uint32_t headerSize = U32(h);
  const int32_t width = I32(h + 4);
  const int32_t height = I32(h + 8);
  const int bitCount = U16(h + 14);
  const uint32_t compression = U32(h + 16);
  const uint32_t coloursUsed = U32(h + 32);
  record.Width = width;
  record.Height = height / 2;  // colour rows and mask rows together
  record.BitCount = bitCount;
  if (headerSize != kBitmapHeaderBytes || compression != 0) return record;
  if (width <= 0 || record.Height <= 0 || width > kMaxIconSide || record.Height > kMaxIconSide) {
    return record;
  }
  // Only true-colour entries are decoded; palette entries are listed but never offered.
  if (bitCount != 24 && bitCount != 32) return record;
  if (coloursUsed > 256) return record;
  const qint64 pixels = offset + kBitmapHeaderBytes + qint64(coloursUsed) * 4;
  const qint64 stride = bitCount == 32 ? qint64(width) * 4 : (qint64(width) * 3 + 3) / 4 * 4;
  if (!file.Has(pixels, stride * record.Height)) return record;
  const qint64 maskStride = (qint64(width) + 31) / 32 * 4;
  DecodeBitmapPixels(file, pixels, stride, pixels + stride * record.Height, maskStride, record);
  return record;
}

}  // namespace

QImage IconFileContents::OfferedImage(int offeredIndex) const {
  if (offeredIndex < 0 || offeredIndex >= static_cast<int>(Offered.size())) return QImage();
  return Records[Offered[offeredIndex]].Image;
}

std::optional<IconFileContents> ReadIconFile(const QByteArray& bytes) {
  const Span file{reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()};
  if (!file.Has(0, kHeaderBytes)) return std::nullopt;
  const int16_t reserved = static_cast<int16_t>(U16(file.data));
  const int16_t type = static_cast<int16_t>(U16(file.data + 2));
  const int16_t count = static_cast<int16_t>(U16(file.data + 4));
  if (reserved != 0 || type < 0 || type > 1 || count <= 0) return std::nullopt;
  const qint64 directoryEnd = kHeaderBytes + kEntryBytes * count;
  if (!file.Has(kHeaderBytes, kEntryBytes * count)) return std::nullopt;

  IconFileContents contents;
  contents.Type = type;
  contents.Records.reserve(count);
  for (int i = 0; i < count; ++i) {
    const uchar* entry = file.data + kHeaderBytes + kEntryBytes * i;
    const qint64 declaredBytes = U32(entry + 8);
    const qint64 offset = U32(entry + 12);
    IconImageRecord record;
    if (offset >= directoryEnd && file.Has(offset, 1)) {  // never inside the header or directory
      const bool png = file.Has(offset, 8) && std::memcmp(file.data + offset, kPngSignature, 8) == 0;
      record = png ? ReadPngEntry(file, offset, declaredBytes) : ReadBitmapEntry(file, offset);
    }
    if (!record.Image.isNull() && record.BitCount > 8) {
      contents.Offered.push_back(static_cast<int>(contents.Records.size()));
    }
    contents.Records.push_back(std::move(record));
  }
  if (!contents.Offered.empty()) contents.Preselected = 0;
  return contents;
}

std::optional<IconFileContents> LoadImageFromFile(const QString& path) {
  QByteArray bytes;
  if (!ReadWholeFile(path, kMaxIconFileBytes, &bytes, nullptr)) return std::nullopt;
  return ReadIconFile(bytes);
}

void GetBestFitInfo(float sw, float sh, float bw, float bh, float& x, float& y, float& w,
                    float& h) {
  if (sw > bw || sh > bh) {
    const float a = bw / sw;
    const float b = bh / sh;
    if (a >= b) {
      h = bh;
      w = sw * b;
    } else {
      w = bw;
      h = sh * a;
    }
  } else {
    w = sw;
    h = sh;
  }
  x = static_cast<float>(RoundHalfEven(bw - w) / 2);
  y = static_cast<float>(RoundHalfEven(bh - h) / 2);
}
