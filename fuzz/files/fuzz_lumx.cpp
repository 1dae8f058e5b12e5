// Document files from outside: every input must be refused or loaded, never crash.
#include <QByteArray>

#include <cstddef>
#include <cstdint>

#include "files/cls_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data),
                                                   static_cast<qsizetype>(size));
  ClsStore store;
  const auto doc = store.ParseDocument(bytes);
  if (doc) {
    // What was accepted must be consistent enough to save again.
    for (const IconLayer& layer : doc->Layers) {
      // A layer without pixels records a size of 0 in one direction and has no image.
      const bool empty = layer.Image.isNull() && (layer.ImageWidth == 0 || layer.ImageHeight == 0);
      const bool sized =
          layer.Image.width() == layer.ImageWidth && layer.Image.height() == layer.ImageHeight;
      if (!empty && !sized) {
        __builtin_trap();
      }
    }
  }
  return 0;
}
