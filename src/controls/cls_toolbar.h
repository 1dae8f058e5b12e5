#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>

// A picture strip: cells of CellWidth x CellHeight side by side in one image, cell k at
// x = k * CellWidth. Tool bars keep their button pictures in one; the slider, caption and picture
// holder keep their single picture in one. The strip travels as PNG bytes in stored properties.
class ClsToolbar {
 public:
  // Strips built by SaveToStream are this wide, so they hold StripWidth / CellWidth cells.
  static constexpr int kStripWidth = 500;

  void GetImageSize(int cellWidth, int cellHeight);
  // Decodes PNG bytes into the strip; an empty or undecodable array leaves it unchanged.
  void LoadStream(const QByteArray& mStream);
  // The strip as PNG bytes; always returns 1.
  int QuitSaveStream(QByteArray& nStream) const;
  // Appends one cell: the picture file scaled to the cell, or an empty cell for "1" (a separator)
  // and for a file that cannot be read. `cInx` and `isInsert` are accepted but cells always append.
  void SaveToStream(const QString& nFilename, int cInx = 0, bool isInsert = false);
  // The same step for a picture already in memory (a null image leaves the cell empty).
  void AppendImage(const QImage& picture);
  // Removes cell cInx (0-based) and closes the gap.
  void RemoveImage(int cInx);
  // Starts an empty strip (the used width goes back to 0).
  void Clear();
  // Draws the cell at (srcX, srcY, CellWidth, CellHeight) into the destination with the alpha
  // multiplied by `opacity`; every value is rounded to an integer.
  void DrawImage(QPainter& surface, float opacity, float dstX, float dstY, float dstWidth,
                 float dstHeight, float srcX, float srcY) const;

  const QImage& StripImage() const { return strip_; }
  int CellWidth() const { return cellWidth_; }
  int CellHeight() const { return cellHeight_; }
  int UsedWidth() const { return usedWidth_; }

 private:
  QImage strip_;
  int cellWidth_ = 32;
  int cellHeight_ = 32;
  int usedWidth_ = 0;
};
