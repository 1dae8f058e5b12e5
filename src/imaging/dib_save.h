#pragma once

#include <QImage>
#include <QPainter>

#include <memory>

#include "argb.h"
#include "pixel_format.h"

// An off-screen image with its own drawing surface, used for thumbnails and export rendering.
// Callers call Destroy() before re-creating it; takeImage() ends painting and hands the pixels out.
class DIBSave {
 public:
  DIBSave() = default;
  ~DIBSave() { Destroy(); }
  DIBSave(const DIBSave&) = delete;
  DIBSave& operator=(const DIBSave&) = delete;

  // Height comes first, as every caller passes it.
  bool CreateBlankMemory(int lngHeight, int lngWidth, int pixelFormat = PixelFormat32bppARGB);
  void ClearScreen(ARGB color);
  void Destroy();

  QPainter* MemGraphics() const { return painter_.get(); }
  // The pixels as drawn so far (the surface is flushed first).
  const QImage& new_Img();
  int NewWidth() const { return width_; }
  int NewHeight() const { return height_; }

 private:
  QImage image_;
  std::unique_ptr<QPainter> painter_;
  int width_ = 0;
  int height_ = 0;
};
