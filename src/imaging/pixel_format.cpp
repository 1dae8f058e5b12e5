#include "pixel_format.h"

QImage::Format ToQImageFormat(int pixelFormat) {
  switch (pixelFormat) {
    case PixelFormat32bppPARGB: return QImage::Format_ARGB32_Premultiplied;
    case PixelFormat24bppRGB: return QImage::Format_RGB888;
    case PixelFormat8bppIndexed: return QImage::Format_Indexed8;
    default: return QImage::Format_ARGB32;
  }
}
