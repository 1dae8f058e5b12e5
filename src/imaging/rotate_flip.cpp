#include "rotate_flip.h"

#include <QTransform>

namespace {
QImage TurnClockwise(const QImage& image) {
  QTransform turn;
  turn.rotate(90);
  return image.transformed(turn, Qt::FastTransformation);
}
}  // namespace

QImage RotateFlip(const QImage& image, int type) {
  switch (type) {
    case Rotate90FlipNone: return TurnClockwise(image);
    case RotateNoneFlipX: return image.mirrored(true, false);
    case Rotate90FlipX: return TurnClockwise(image).mirrored(true, false);
    case RotateNoneFlipY: return image.mirrored(false, true);
    default: return image;
  }
}
