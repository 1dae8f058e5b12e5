#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainterPath>
#include <QRegion>

#include <cstdint>
#include <optional>

// Where and how large a layer image is drawn on the page, in page pixels (32-bit floats).
struct LayerBounds {
  float X = 0;
  float Y = 0;
  float Width = 0;
  float Height = 0;
  bool operator==(const LayerBounds&) const = default;
};

// One layer of the stack. Copies are cheap: the image, region and path share their data until
// one side writes (Qt implicit sharing), which is what lets history snapshots be plain copies.
struct IconLayer {
  float Opacity = 1.0f;
  QImage Image;  // straight-alpha ARGB32, ImageWidth x ImageHeight
  QRegion HitRegion;  // page coordinates
  LayerBounds Bounds;
  LayerBounds BaseBounds;
  int32_t ScaleOffset = 0;
  int32_t ImageWidth = 0;
  int32_t ImageHeight = 0;
  int32_t Hue = 0;
  int32_t Contrast = 50;
  int32_t Brightness = 50;
  int32_t Saturation = 40;
  QByteArray PngData;  // filled only while a document file is written or read
  int32_t PngSize = 0;
  bool Visible = true;
  std::optional<QPainterPath> ClipPath;
  bool ClipAbove = false;

  // Gives the layer a new image and keeps ImageWidth/ImageHeight in step with it.
  void SetImage(QImage image);

  // The image premultiplied and faded by Opacity, for the compositor; rebuilt only when Image or
  // Opacity changed since the last call (QImage::cacheKey changes on every write).
  const QImage& Premultiplied() const;

 private:
  mutable qint64 premultipliedKey_ = 0;
  mutable float premultipliedOpacity_ = -1.0f;
  mutable QImage premultiplied_;
};
