#include "ctl_image_store.h"

#include <QCoreApplication>
#include <QDir>

#include "controls/resource_init.h"

CtlImageStore::CtlImageStore(QWidget* parent) : QWidget(parent) {
  InitControlResources();
  strip_.GetImageSize(imageWidth_, imageHeight_);
  hide();
}

void CtlImageStore::ReadProperties(const PropertyBag& bag) {
  if (auto v = bag.ReadInt32(QStringLiteral("iWidth"))) imageWidth_ = *v;
  if (auto v = bag.ReadInt32(QStringLiteral("iHeight"))) imageHeight_ = *v;
  if (auto v = bag.ReadString(QStringLiteral("ImageFile"))) imageFile_ = *v;
  strip_.GetImageSize(imageWidth_, imageHeight_);
  if (auto img = bag.ReadBytes(QStringLiteral("IMG"))) strip_.LoadStream(*img);
}

PropertyBag CtlImageStore::WriteProperties() const {
  PropertyBag bag;
  if (imageWidth_ != 32) bag.WriteInt32(QStringLiteral("iWidth"), imageWidth_);
  if (imageHeight_ != 32) bag.WriteInt32(QStringLiteral("iHeight"), imageHeight_);
  if (!imageFile_.isEmpty()) bag.WriteString(QStringLiteral("ImageFile"), imageFile_);
  QByteArray png;
  strip_.QuitSaveStream(png);
  bag.WriteBytes(QStringLiteral("IMG"), png);
  return bag;
}

void CtlImageStore::SetInformationImage(const QString& file) {
  if (file.isEmpty()) return;
  imageFile_ = file;
  strip_.GetImageSize(imageWidth_, imageHeight_);
  strip_.SaveToStream(QDir(QCoreApplication::applicationDirPath()).filePath(file));
  QByteArray png;
  strip_.QuitSaveStream(png);
  strip_.LoadStream(png);
}

void CtlImageStore::Drawing(QPaintDevice* hdc, float x, float y, int w, int h, int Opacity) const {
  if (!hdc) return;
  QPainter p(hdc);
  DrawingGraphics(p, x, y, w, h, Opacity);
}

void CtlImageStore::DrawingGraphics(QPainter& Graphics, float x, float y, int w, int h,
                                    int Opacity) const {
  strip_.DrawImage(Graphics, static_cast<float>(Opacity), x, y, static_cast<float>(w),
                   static_cast<float>(h), 0, 0);
}
