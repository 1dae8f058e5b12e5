#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

#include "imaging/argb.h"

// File > Export: the page (the document's composite, straight ARGB32) written as a multi-size
// icon or as one PNG, GIF, JPEG or BMP picture.

// The export type codes (the first four are also the encoder choices of DIBSave.Save).
enum class ExportType : int { BMP = 0, JPEG = 1, GIF = 2, PNG = 6, ICO = 7 };

// The type for a target path by its extension, case ignored (.ico .png .gif .jpg .jpeg .bmp).
std::optional<ExportType> ExportTypeForPath(const QString& path);

struct FitResult {
  float X = 0;
  float Y = 0;
  int W = 0;
  int H = 0;
};
// A sw x sh source fitted into a bw x bh box: shrunk keeping proportions, never enlarged, centred.
FitResult FitRectangle(float sw, float sh, float bw, float bh);

// The icon sizes for a page: those of 256, 128, 64, 48, 32, 24, 16 not larger than the page's
// larger side, largest first.
std::vector<int> IconSizes(int pageWidth, int pageHeight);

// One icon image: a transparent size x size canvas with the page fitted into it (area-averaged
// when shrinking). The page background is not used for icons.
QImage RenderIconImage(const QImage& page, int size);

// The page over its background as the format needs it: opaque (the background, or white when it
// is 0) for BMP and JPEG; for GIF and PNG the background only where it has alpha.
QImage RenderExportCanvas(const QImage& page, ARGB background, ExportType type);

// The file bytes of an export; empty with `error` set on failure.
QByteArray EncodeExport(const QImage& page, ARGB background, ExportType type, int gifThreshold,
                        QString* error);

// Writes the export to `path` (type by extension), replacing an existing file only with a complete
// new one. Returns the empty string on success, else the description of the failure.
QString ExportPicture(const QImage& page, ARGB background, const QString& path,
                      int gifThreshold = 130);
QString ExportPicture(const QImage& page, ARGB background, const QString& path, ExportType type,
                      int gifThreshold = 130);

constexpr int kJpegQuality = 99;
