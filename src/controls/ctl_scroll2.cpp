#include "ctl_scroll2.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "controls/mouse_codes.h"
#include "controls/resource_init.h"
#include "imaging/rounding.h"

CtlScroll2::CtlScroll2(QWidget* parent) : QWidget(parent), track_(new QFrame(this)) {
  InitControlResources();
  track_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  track_->setLineWidth(1);
  track_->setAttribute(Qt::WA_TransparentForMouseEvents);
  strip_.GetImageSize(kThumbWidth, kThumbHeight);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  resize(sizeHint());
  PlaceThumb();
}

void CtlScroll2::ReadProperties(const PropertyBag& bag) {
  maxValue_ = bag.ReadInt16(QStringLiteral("MaxValue"), 100);
  minValue_ = bag.ReadInt16(QStringLiteral("MinValue"), 0);
  value_ = bag.ReadInt16(QStringLiteral("Value"), 0);
  enabled_ = bag.ReadBool(QStringLiteral("Enabled"), false);
  scrollImage_ = bag.ReadString(QStringLiteral("ScrollImage"), QString());
  strip_.Clear();
  strip_.GetImageSize(kThumbWidth, kThumbHeight);
  if (auto img = bag.ReadBytes(QStringLiteral("IMG"))) strip_.LoadStream(*img);
  PlaceThumb();
  update();
}

PropertyBag CtlScroll2::WriteProperties() const {
  PropertyBag bag;
  bag.WriteInt16(QStringLiteral("MaxValue"), maxValue_);
  bag.WriteInt16(QStringLiteral("MinValue"), minValue_);
  bag.WriteInt16(QStringLiteral("Value"), value_);
  bag.WriteBool(QStringLiteral("Enabled"), enabled_);
  bag.WriteString(QStringLiteral("ScrollImage"), scrollImage_);
  QByteArray png;
  strip_.QuitSaveStream(png);
  if (!png.isEmpty()) bag.WriteBytes(QStringLiteral("IMG"), png);
  return bag;
}

void CtlScroll2::SetMaxValue(int value) {
  maxValue_ = value;
  PlaceThumb();
  update();
}

void CtlScroll2::SetValue(int value) {
  value_ = value;
  PlaceThumb();
  update();
}

void CtlScroll2::SetEnabled(bool on) {
  enabled_ = on;
  update();
}

void CtlScroll2::SetFocus1(bool value) {
  focusFlag_ = value;
  update();
}

void CtlScroll2::SetScrollImage(const QString& file) {
  if (file.isEmpty()) return;
  scrollImage_ = file;
  strip_.Clear();
  strip_.GetImageSize(kThumbWidth, kThumbHeight);
  strip_.SaveToStream(QDir(QCoreApplication::applicationDirPath()).filePath(file));
  QByteArray png;
  strip_.QuitSaveStream(png);
  strip_.LoadStream(png);
  update();
}

void CtlScroll2::SetThumbLeft(int left, int rightExtent) {
  const QRect t = track_->geometry();
  const int top = t.top() + t.height() + 1;
  thumb_ = QRect(QPoint(left, top), QPoint(left + rightExtent - 1, top + t.height() - 1));
}

void CtlScroll2::LayoutTrack() {
  track_->setGeometry(kThumbWidth / 2, 1, std::max(1, width() - kThumbWidth), kTrackHeight);
}

void CtlScroll2::PlaceThumb() {
  LayoutTrack();
  const int trackWidth = track_->width();
  SetThumbLeft(RoundHalfEven(static_cast<double>(trackWidth) * value_ / EffectiveMax()),
               trackWidth);
}

void CtlScroll2::resizeEvent(QResizeEvent*) { PlaceThumb(); }

void CtlScroll2::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  strip_.DrawImage(p, enabled_ ? 1.0f : 0.3f, thumb_.left(), thumb_.top(), kThumbWidth,
                   kThumbHeight, 0, 0);
}

void CtlScroll2::mousePressEvent(QMouseEvent* event) {
  dragging_ = event->button() == Qt::LeftButton;
  pressOverThumb_ = overThumb_ || thumb_.contains(event->position().toPoint());
  if (dragging_) {
    pressThumbLeft_ = thumb_.left();
    pressX_ = event->position().x();
    lastScreenX_ = event->globalPosition().x();
  }
  emit MouseDown(MouseButtonCode(event->button()), ShiftStateCode(event->modifiers()),
                 static_cast<float>(event->position().x()),
                 static_cast<float>(event->position().y()));
}

void CtlScroll2::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) {
    overThumb_ = thumb_.contains(event->position().toPoint());
    return;
  }
  if (pressOverThumb_) Drag(event);
}

void CtlScroll2::Drag(QMouseEvent* event) {
  const QRect t = track_->geometry();
  const int left = RoundHalfEven(pressThumbLeft_ + (event->position().x() - pressX_));
  const double screenX = event->globalPosition().x();
  if (screenX < lastScreenX_) {
    if (left < minValue_ + 2) {
      value_ = 0;
      SetThumbLeft(t.left() - 5, kThumbWidth);
    } else {
      value_ = std::max(left, minValue_);
      SetThumbLeft(left, kThumbWidth);
      lastScreenX_ = screenX;
    }
  } else if (left <= t.left() + t.width() - 5) {
    value_ = left;
    SetThumbLeft(left, kThumbWidth);
    lastScreenX_ = screenX;
  } else {
    value_ = EffectiveMax();
    SetThumbLeft(t.left() + t.width() - 5, kThumbWidth);
  }
  update();
  emit Change(false);
}

void CtlScroll2::mouseReleaseEvent(QMouseEvent* event) {
  dragging_ = false;
  overThumb_ = false;
  pressOverThumb_ = false;
  emit MouseUp(MouseButtonCode(event->button()), ShiftStateCode(event->modifiers()),
               static_cast<float>(event->position().x()),
               static_cast<float>(event->position().y()));
}

void CtlScroll2::keyPressEvent(QKeyEvent* event) {
  emit KeyDown(event->key(), ShiftStateCode(event->modifiers()));
}

void CtlScroll2::keyReleaseEvent(QKeyEvent* event) {
  emit KeyUp(event->key(), ShiftStateCode(event->modifiers()));
}
