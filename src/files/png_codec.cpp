#include "files/png_codec.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include "files/image_limits.h"

QByteArray EncodePng(const QImage& image, int quality) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (quality >= 0) writer.setQuality(quality);
  if (!writer.write(image)) return QByteArray();
  return bytes;
}

namespace {

// Reads through `reader` after checking its header size; null on any failure.
QImage ReadBounded(QImageReader& reader, qint64 sourceBytes, QString* error) {
  const QSize size = reader.size();
  if (!size.isValid() || !image_limits::AllocationJustified(size.width(), size.height(),
                                                            sourceBytes)) {
    if (error) *error = QStringLiteral("The picture size is not supported.");
    return QImage();
  }
  // Qt's own cap would refuse large but justified images; ours was checked above.
  const qint64 megabytes = qint64(size.width()) * size.height() * 8 / (1 << 20) + 2;
  reader.setAllocationLimit(static_cast<int>(megabytes));
  QImage image;
  // A failed read can leave a half-decoded image behind: the return value decides.
  if (!reader.read(&image) || image.isNull()) {
    if (error) *error = reader.errorString();
    return QImage();
  }
  if (image.format() != QImage::Format_ARGB32) image.convertTo(QImage::Format_ARGB32);
  return image;
}

}  // namespace

QImage DecodePng(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return QImage();
  QImageReader reader(&buffer, "png");
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(false);
  return ReadBounded(reader, bytes.size(), nullptr);
}

QImage DecodePicture(const QByteArray& bytes, QString* error) {
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return QImage();
  QImageReader reader(&buffer);
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(false);
  if (!reader.canRead()) {
    if (error) *error = QStringLiteral("The picture format is not supported.");
    return QImage();
  }
  return ReadBounded(reader, bytes.size(), error);
}
