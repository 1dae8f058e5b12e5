#include "icon_layer.h"

#include <QPainter>

void IconLayer::SetImage(QImage image) {
  Image = std::move(image);
  ImageWidth = Image.width();
  ImageHeight = Image.height();
}

const QImage& IconLayer::Premultiplied() const {
  if (Image.isNull()) {
    premultiplied_ = QImage();
    premultipliedKey_ = 0;
    return premultiplied_;
  }
  if (premultipliedKey_ == Image.cacheKey() && premultipliedOpacity_ == Opacity &&
      !premultiplied_.isNull()) {
    return premultiplied_;
  }
  QImage converted = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (Opacity < 1.0f) {
    // Fading once here lets every later composite blend at full opacity, Qt's fastest path.
    QImage faded(converted.size(), QImage::Format_ARGB32_Premultiplied);
    faded.fill(Qt::transparent);
    QPainter p(&faded);
    p.setOpacity(std::max(0.0f, Opacity));
    p.drawImage(0, 0, converted);
    p.end();
    converted = faded;
  }
  premultiplied_ = converted;
  premultipliedKey_ = Image.cacheKey();
  premultipliedOpacity_ = Opacity;
  return premultiplied_;
}
