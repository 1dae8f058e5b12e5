#include "cls_toolbar.h"

#include <QBuffer>
#include <QImageReader>
#include <algorithm>

#include "imaging/draw_image.h"
#include "imaging/rounding.h"

namespace {
constexpr int kMaxStripSide = 8192;  // a strip is a tool bar's pictures, never a large image
}

void ClsToolbar::GetImageSize(int cellWidth, int cellHeight) {
  cellWidth_ = cellWidth;
  cellHeight_ = cellHeight;
}

void ClsToolbar::LoadStream(const QByteArray& mStream) {
  if (mStream.isEmpty()) return;
  QBuffer buffer;
  buffer.setData(mStream);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  reader.setDecideFormatFromContent(false);
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxStripSide || size.height() > kMaxStripSide) return;
  QImage image;
  if (!reader.read(&image)) return;
  strip_ = image.convertToFormat(QImage::Format_ARGB32);
}

int ClsToolbar::QuitSaveStream(QByteArray& nStream) const {
  nStream.clear();
  if (strip_.isNull()) return 1;
  QBuffer buffer(&nStream);
  buffer.open(QIODevice::WriteOnly);
  strip_.save(&buffer, "png");
  return 1;
}

void ClsToolbar::SaveToStream(const QString& nFilename, int, bool) {
  QImage picture;
  if (nFilename != QStringLiteral("1")) {
    QImageReader reader(nFilename);
    const QSize size = reader.size();
    if (size.isValid() && size.width() <= kMaxStripSide && size.height() <= kMaxStripSide) {
      if (!reader.read(&picture)) picture = QImage();
    }
  }
  AppendImage(picture);
}

void ClsToolbar::AppendImage(const QImage& picture) {
  if (cellWidth_ <= 0 || cellHeight_ <= 0 || cellHeight_ > kMaxStripSide) return;
  QImage next(kStripWidth, cellHeight_, QImage::Format_ARGB32_Premultiplied);
  next.fill(Qt::transparent);
  QPainter p(&next);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  int cellX = 0;
  if (!strip_.isNull()) {
    p.drawImage(QRect(0, 0, kStripWidth, cellHeight_), strip_);
    cellX = usedWidth_;
  }
  usedWidth_ = cellX + cellWidth_;
  if (!picture.isNull()) p.drawImage(QRect(cellX, 0, cellWidth_, cellHeight_), picture);
  p.end();
  strip_ = next.convertToFormat(QImage::Format_ARGB32);
}

void ClsToolbar::RemoveImage(int cInx) {
  if (strip_.isNull() || cInx < 0) return;
  const int w = strip_.width();
  const int cellX = cInx * cellWidth_;
  if (w <= cellWidth_) {
    strip_ = QImage(cellWidth_, cellHeight_, QImage::Format_ARGB32);
    strip_.fill(Qt::transparent);
    usedWidth_ = 0;
    return;
  }
  QImage next(w - cellWidth_, strip_.height(), QImage::Format_ARGB32);
  next.fill(Qt::transparent);
  QPainter p(&next);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(0, 0), strip_, QRect(0, 0, cellX, strip_.height()));
  p.drawImage(QPoint(cellX, 0), strip_,
              QRect(cellX + cellWidth_, 0, w - cellX - cellWidth_, strip_.height()));
  p.end();
  strip_ = next;
  if (usedWidth_ > cellX) usedWidth_ = std::max(0, usedWidth_ - cellWidth_);
}

void ClsToolbar::Clear() {
  strip_ = QImage();
  usedWidth_ = 0;
}

void ClsToolbar::DrawImage(QPainter& surface, float opacity, float dstX, float dstY, float dstWidth,
                           float dstHeight, float srcX, float srcY) const {
  if (strip_.isNull()) return;
  DrawImageWithOpacity(surface, strip_, opacity, dstX, dstY, dstWidth, dstHeight, srcX, srcY,
                       static_cast<float>(cellWidth_), static_cast<float>(cellHeight_));
}
