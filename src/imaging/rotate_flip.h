#pragma once

#include <QImage>

// The rotate-flip types the layer commands use.
enum RotateFlipType : int {
  Rotate90FlipNone = 1,   // turn 90 degrees clockwise
  RotateNoneFlipX = 4,    // mirror left-right
  Rotate90FlipX = 5,      // turn 90 degrees clockwise, then mirror left-right
  RotateNoneFlipY = 6,    // mirror top-bottom
};

// Returns the transformed image in the source's format; an unknown type returns the image as is.
QImage RotateFlip(const QImage& image, int type);
