#include "dib_save.h"

bool DIBSave::CreateBlankMemory(int lngHeight, int lngWidth, int pixelFormat) {
  Destroy();
  if (lngWidth <= 0 || lngHeight <= 0) return false;
  image_ = QImage(lngWidth, lngHeight, ToQImageFormat(pixelFormat));
  if (image_.isNull()) return false;
  image_.fill(0);
  painter_ = std::make_unique<QPainter>(&image_);
  width_ = lngWidth;
  height_ = lngHeight;
  return true;
}

void DIBSave::ClearScreen(ARGB color) {
  if (!painter_) return;
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_Source);
  painter_->fillRect(QRect(0, 0, width_, height_), QColor::fromRgba(color));
  painter_->restore();
}

void DIBSave::Destroy() {
  painter_.reset();
  image_ = QImage();
  width_ = 0;
  height_ = 0;
}

const QImage& DIBSave::new_Img() {
  // Reading pixels while a QPainter is active on the image is only safe after a flush; ending and
  // reopening the painter keeps its state simple (callers set hints per drawing call).
  if (painter_) {
    painter_->end();
    painter_->begin(&image_);
  }
  return image_;
}
