#include "ctl_title.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/mouse_codes.h"
#include "controls/resource_init.h"
#include "imaging/argb.h"
#include "imaging/caption_text.h"
#include "imaging/rounding.h"

CtlTitle::CtlTitle(QWidget* parent) : QWidget(parent), closeButon_(new QLabel(this)) {
  InitControlResources();
  closeButon_->setPixmap(QPixmap(QStringLiteral(":/controls/TitleClose.png")));
  closeButon_->setFixedSize(16, 16);
  closeButon_->setToolTip(QStringLiteral("Close"));
  closeButon_->installEventFilter(this);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(sizeHint());
}

void CtlTitle::ReadProperties(const PropertyBag& bag) {
  title_ = bag.ReadString(QStringLiteral("Title"), QString());
  if (auto v = bag.ReadInt32(QStringLiteral("Color"))) color_ = *v;
  if (auto v = bag.ReadInt32(QStringLiteral("FontColor"))) fontColor_ = *v;
  if (auto v = bag.ReadFloat(QStringLiteral("FontSize")); v && *v > 0) fontSize_ = *v;
  closeButon_->setVisible(bag.ReadBool(QStringLiteral("CloseVisible"), true));
  PlaceCloseMark();
  update();
}

PropertyBag CtlTitle::WriteProperties() const {
  PropertyBag bag;
  bag.WriteString(QStringLiteral("Title"), title_);
  bag.WriteInt32(QStringLiteral("Color"), color_);
  bag.WriteInt32(QStringLiteral("FontColor"), fontColor_);
  bag.WriteFloat(QStringLiteral("FontSize"), fontSize_);
  bag.WriteBool(QStringLiteral("CloseVisible"), CloseVisible());
  return bag;
}

void CtlTitle::SetTitle(const QString& title) {
  title_ = title;
  update();
  emit PropertyChanged(QStringLiteral("Title"));
}

void CtlTitle::SetColor(int oleColor) {
  color_ = oleColor;
  update();
  emit PropertyChanged(QStringLiteral("Color"));
}

void CtlTitle::SetFontColor(int oleColor) {
  fontColor_ = oleColor;
  update();
  emit PropertyChanged(QStringLiteral("FontColor"));
}

int CtlTitle::FontSize() const { return RoundHalfEven(fontSize_); }

void CtlTitle::SetFontSize(float size) {
  if (!(size > 0)) return;
  fontSize_ = size;
  update();
  emit PropertyChanged(QStringLiteral("FontSize"));
}

// Checked against the mark's own flag so the answer holds before the bar is first shown.
bool CtlTitle::CloseVisible() const { return !closeButon_->isHidden(); }

void CtlTitle::SetCloseVisible(bool visible) { closeButon_->setVisible(visible); }

void CtlTitle::PlaceCloseMark() {
  const int left = width() - closeButon_->width() - 2;
  const int top = RoundHalfEven(height() - closeButon_->height()) / 2;
  closeButon_->move(left, top);
}

void CtlTitle::resizeEvent(QResizeEvent*) {
  PlaceCloseMark();
  update();
}

void CtlTitle::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor::fromRgba(OleColorToARGB(color_, 255)));
  DrawCaptionText(p, title_, 5, 3, QStringLiteral("Verdana"), FontSize(),
                  OleColorToARGB(fontColor_, 255), FontRegular, false, 200, true);
  p.setPen(QPen(QColor(217, 217, 217), 1));
  p.drawLine(QPointF(0, height() - 2), QPointF(width(), height() - 2));
}

void CtlTitle::Toggle(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPointF pos) {
  isClosed_ = !isClosed_;
  emit Toggled(MouseButtonCode(button), ShiftStateCode(modifiers), static_cast<float>(pos.x()),
               static_cast<float>(pos.y()), isClosed_);
}

void CtlTitle::mouseReleaseEvent(QMouseEvent* event) {
  Toggle(event->button(), event->modifiers(), event->position());
}

bool CtlTitle::eventFilter(QObject* watched, QEvent* event) {
  if (watched == closeButon_ && event->type() == QEvent::MouseButtonRelease) {
    auto* me = static_cast<QMouseEvent*>(event);
    Toggle(me->button(), me->modifiers(), closeButon_->mapToParent(me->position()));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
