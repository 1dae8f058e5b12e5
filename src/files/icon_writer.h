#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

// Writes a Windows icon file: one entry per image, in the order added, each keeping its alpha.
// Images of 256 pixels a side are stored PNG-compressed (the form every reader expects for that
// size); smaller ones as 32-bit bitmaps with their AND mask.
class IconWriter {
 public:
  // Adds one image (any format; stored as straight ARGB32). Sides must be 1 to 256.
  void AddImage(const QImage& image);

  // The complete file, or empty with `error` set when an image cannot be stored.
  QByteArray Finish(QString* error) const;

  // The stored form of one smaller image: BITMAPINFOHEADER, bottom-up BGRA rows, AND mask.
  static QByteArray EncodeBitmapEntry(const QImage& argb);

 private:
  std::vector<QImage> images_;
};
