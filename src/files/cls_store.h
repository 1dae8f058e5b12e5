#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>
#include <vector>

#include "core/icon_layer.h"
#include "imaging/argb.h"

// What a document file holds.
struct StoredDocument {
  int PageWidth = 0;
  int PageHeight = 0;
  ARGB BackgroundColor = 0;
  std::vector<IconLayer> Layers;  // bottom first
};

// The .lumx document store: a 34-byte header, then one block per layer with its fields and its
// pixels as embedded PNG bytes. Little-endian, no padding, no checksum.
class ClsStore {
 public:
  static constexpr char kMagic[6] = "lumx ";  // four letters and a space
  static constexpr int16_t kVersion = 7;
  static constexpr char kProduct[12] = "Glyphsmithy";
  static constexpr int kHeaderBytes = 34;
  static constexpr int kLayerFixedBytes = 76;  // the block before its N + 1 image bytes
  static constexpr int kMaxLayers = 5001;
  static constexpr qint64 kMaxFileBytes = qint64(1) << 30;
  static inline const QString kInvalidFile = QStringLiteral("Invalid File");

  // Writes the document to `fileName`, replacing an existing file only once the new one is
  // complete. Returns the empty string, or the system's description of the failure.
  QString SaveDocument(const QString& fileName, int pageWidth, int pageHeight, ARGB background,
                       const std::vector<IconLayer>& layers);
  // The file's bytes; empty with `error` set when a layer cannot be encoded.
  QByteArray SerializeDocument(int pageWidth, int pageHeight, ARGB background,
                               const std::vector<IconLayer>& layers, QString* error);

  // Reads a document file; nullopt (with "Invalid File" in `error`) when it cannot be read, has
  // not the magic, or its structure or sizes are impossible. A layer whose PNG cannot be decoded
  // gets a transparent image of its recorded size. Adjustments come back as 0, 50, 50, 40.
  std::optional<StoredDocument> LoadDocument(const QString& fileName, QString* error);
  std::optional<StoredDocument> ParseDocument(const QByteArray& bytes);

  // PNG bytes of the layer's image at ImageWidth x ImageHeight (empty on failure). Unchanged
  // images reuse the bytes of the previous save.
  static QByteArray EncodeLayerPng(const IconLayer& layer);
  // The image stored in `png`, as an ImageWidth x ImageHeight ARGB32 image taken from its
  // top-left corner; null when the bytes do not decode.
  static QImage DecodeLayerPng(const QByteArray& png, int imageWidth, int imageHeight);
};
