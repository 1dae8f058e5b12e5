// Pictures opened or imported (PNG, GIF, JPEG, BMP, ICO through Qt), decoded with our size checks.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "files/png_codec.h"
#include "imaging/shape_builders.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                   static_cast<qsizetype>(size));
  QString error;
  const QImage image = DecodePicture(bytes, &error);
  if (!image.isNull()) {
    if (image.format() != QImage::Format_ARGB32) __builtin_trap();
    CreateRegion(image, 1);  // what an import does next with the pixels
  }
  return 0;
}
