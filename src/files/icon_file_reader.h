#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

// One image of an icon file as read.
struct IconImageRecord {
  int Width = 0;
  int Height = 0;  // the pixel rows: half the bitmap header's height for bitmap entries
  int BitCount = 0;
  bool IsPng = false;
  QImage Image;  // straight ARGB32, top row first; null when the entry could not be decoded
};

// The contents of an icon file: one record per directory entry, and the records the format
// chooser offers (decoded images of more than 8 bits per pixel, in file order).
struct IconFileContents {
  int Type = 1;
  std::vector<IconImageRecord> Records;
  std::vector<int> Offered;  // indices into Records
  int Preselected = -1;      // index into Offered: the first offered image, -1 when none

  // The offered image at `offeredIndex`, or a null image.
  QImage OfferedImage(int offeredIndex) const;
};

// Largest icon file the reader accepts, and the largest side of one icon image.
constexpr qint64 kMaxIconFileBytes = qint64(64) << 20;
constexpr int kMaxIconSide = 1024;

// Reads an icon file held in memory. Refused (nullopt) when the header is not that of an icon file
// (reserved not 0, type not 0 or 1 -- a cursor is type 2), when it lists no entries, or when its
// directory runs past the end. Entries that cannot be decoded stay in Records but are not offered.
std::optional<IconFileContents> ReadIconFile(const QByteArray& bytes);

// Reads the icon file at `path` (see ReadIconFile); nullopt when it cannot be read.
std::optional<IconFileContents> LoadImageFromFile(const QString& path);

// The chooser's fit of a sw x sh image into a bw x bh box: shrunk to fit keeping its proportions,
// never enlarged, centred with whole-pixel offsets. All values are 32-bit floats.
void GetBestFitInfo(float sw, float sh, float bw, float bh, float& x, float& y, float& w,
                    float& h);
