#include "ctl_tips.h"

#include <QBitmap>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include "controls/resource_init.h"
#include "imaging/argb.h"
#include "imaging/caption_text.h"

CtlTips::CtlTips(QWidget* parent) : QWidget(parent), image1_(new QLabel(this)) {
  InitControlResources();
  image1_->setPixmap(QPixmap(QStringLiteral(":/controls/TipsClose.png")));
  image1_->setFixedSize(11, 11);
  image1_->setToolTip(QStringLiteral("Close"));
  image1_->installEventFilter(this);
  setAttribute(Qt::WA_OpaquePaintEvent);
  LoadBalloon();
  resize(sizeHint());
}

void CtlTips::ReadProperties(const PropertyBag& bag) {
  tipString_ = bag.ReadString(QStringLiteral("TipString"), QString());
  direction_ = bag.ReadInt16(QStringLiteral("Direction"), 0);
  LoadBalloon();
  PlaceCloseMark();
  update();
}

PropertyBag CtlTips::WriteProperties() const {
  PropertyBag bag;
  bag.WriteString(QStringLiteral("TipString"), tipString_);
  bag.WriteInt16(QStringLiteral("Direction"), direction_);
  return bag;
}

void CtlTips::SetTipString(const QString& text) {
  tipString_ = text;
  update();
}

void CtlTips::SetDirection(int direction) {
  direction_ = direction;
  LoadBalloon();
  PlaceCloseMark();
  update();
}

void CtlTips::LoadBalloon() {
  const QString path =
      direction_ == 0 ? QStringLiteral(":/tips/TIPS.png") : QStringLiteral(":/tips/TIPS2.png");
  balloon_ = QImage(path).convertToFormat(QImage::Format_ARGB32);
  UpdateMask();
}

bool CtlTips::IsSolidAt(QPoint pos) const {
  return balloon_.rect().contains(pos) && rect().contains(pos) && balloon_.pixel(pos) != kKeyColor;
}

void CtlTips::UpdateMask() {
  QRegion solid;
  for (int y = 0; y < balloon_.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(balloon_.constScanLine(y));
    int x = 0;
    while (x < balloon_.width()) {
      while (x < balloon_.width() && row[x] == kKeyColor) ++x;
      const int start = x;
      while (x < balloon_.width() && row[x] != kKeyColor) ++x;
      if (x > start) solid += QRect(start, y, x - start, 1);
    }
  }
  // An empty mask would mean "no mask"; keep one pixel off-widget instead.
  setMask(solid.isEmpty() ? QRegion(-1, -1, 1, 1) : solid);
}

void CtlTips::PlaceCloseMark() {
  const int h = image1_->height();
  const int top = direction_ == 0 ? height() - 2 * h - 2 : height() - 3 * h;
  image1_->move(width() - image1_->width() - 6, top);
}

void CtlTips::resizeEvent(QResizeEvent*) {
  PlaceCloseMark();
  update();
}

void CtlTips::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor::fromRgba(kKeyColor));  // beyond the picture: masked out anyway
  p.drawImage(0, 0, balloon_);
  DrawCaptionText(p, tipString_, 5, direction_ == 0 ? 18 : 10, QStringLiteral("Verdana"), 8,
                  MakeARGB(255, 0, 0, 0), FontRegular, false, 180, true);
}

void CtlTips::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && IsSolidAt(event->position().toPoint())) {
    emit CloseClick();
  }
}

bool CtlTips::eventFilter(QObject* watched, QEvent* event) {
  if (watched == image1_ && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit CloseClick();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
