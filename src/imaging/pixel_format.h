#pragma once

#include <QImage>

// The pixel-format numbers the document commands and export quote, mapped to QImage formats.
enum PixelFormat : int {
  PixelFormat32bppARGB = 0x26200A,
  PixelFormat32bppPARGB = 925707,
  PixelFormat24bppRGB = 137224,
  PixelFormat8bppIndexed = 198659,
};

QImage::Format ToQImageFormat(int pixelFormat);
