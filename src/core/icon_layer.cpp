#include "icon_layer.h"

void IconLayer::SetImage(QImage image) {
  Image = std::move(image);
  ImageWidth = Image.width();
  ImageHeight = Image.height();
}

const QImage& IconLayer::Premultiplied() const {
  if (Image.isNull()) {
    premultiplied_ = QImage();
    premultipliedKey_ = 0;
  } else if (premultipliedKey_ != Image.cacheKey() || premultiplied_.isNull()) {
    premultiplied_ = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    premultipliedKey_ = Image.cacheKey();
  }
  return premultiplied_;
}
