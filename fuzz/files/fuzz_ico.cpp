// Icon files from outside: refused or read; offered entries always carry an image.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "files/icon_file_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                   static_cast<qsizetype>(size));
  const auto icon = ReadIconFile(bytes);
  if (icon) {
    for (int k : icon->Offered) {
      const IconImageRecord& r = icon->Records.at(k);
      if (r.Image.isNull() || r.Image.width() != r.Width || r.Image.height() != r.Height) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
