#include "ctl_scroll.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QTimer>

#include <algorithm>

#include "imaging/caption_text.h"

namespace {
constexpr int kButtonWidth = 15;
constexpr int kBoxWidth = 44;
constexpr int kTrackHeight = 15;  // the hidden track behind the box
}  // namespace

CtlScroll::CtlScroll(QWidget* parent)
    : QWidget(parent),
      valueCap_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  valueCap_->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), valueCap_));
  valueCap_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  valueCap_->setText(QString::number(value_));
  valueCap_->installEventFilter(this);
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
  }
  connect(valueCap_, &QLineEdit::textChanged, this, &CtlScroll::TextChanged);
  connect(up_, &QToolButton::clicked, this, [this] { Step(+1, up_); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1, down_); });
  setMinimumHeight(18);
}

void CtlScroll::ReadProperties(const PropertyBag& bag) {
  scrollStyle_ = bag.ReadInt32(QStringLiteral("ScrollStyle"), 0);
  SetNoCaption(bag.ReadBool(QStringLiteral("NoCaption"), false));
  SetNormalCaption(bag.ReadString(QStringLiteral("NormalCaption"), QString()));
  scrollType_ = bag.ReadInt32(QStringLiteral("ScrollType"), 1);
  SetCaptionFontSize(bag.ReadInt16(QStringLiteral("CaptionFontsize"), 8));
  SetCaptionFont(bag.ReadString(QStringLiteral("CaptionFont"), QStringLiteral("Tahoma")));
  max_ = bag.ReadInt32(QStringLiteral("MaxValue"), 1);
  min_ = bag.ReadInt32(QStringLiteral("MinValue"), 0);
  SetColorValue(bag.ReadInt32(QStringLiteral("ColorValue"), 1));
  SetEnabled(bag.ReadBool(QStringLiteral("Enabled"), false));
}

PropertyBag CtlScroll::WriteProperties() const {
  PropertyBag bag;
  bag.WriteInt32(QStringLiteral("ScrollStyle"), scrollStyle_);
  bag.WriteBool(QStringLiteral("NoCaption"), noCaption_);
  bag.WriteString(QStringLiteral("NormalCaption"), caption_);
  bag.WriteInt32(QStringLiteral("ScrollType"), scrollType_);
  bag.WriteInt16(QStringLiteral("CaptionFontsize"), captionFontSize_);
  bag.WriteString(QStringLiteral("CaptionFont"), captionFont_);
  bag.WriteInt32(QStringLiteral("ColorValue"), value_);
  bag.WriteInt32(QStringLiteral("MaxValue"), max_);
  bag.WriteInt32(QStringLiteral("MinValue"), min_);
  bag.WriteBool(QStringLiteral("Enabled"), isEnabled());
  return bag;
}

void CtlScroll::TextChanged() {
  bool ok = false;
  const int parsed = valueCap_->text().toInt(&ok);
  if (ok) value_ = parsed;
  emit Change();
}

void CtlScroll::SetColorValue(int value) {
  value_ = value;
  const QString text = QString::number(value);
  if (valueCap_->text() != text) valueCap_->setText(text);
  TextChanged();
}

void CtlScroll::Step(int delta, QToolButton* button) {
  const int next = delta > 0 ? std::min(value_ + 1, max_) : std::max(value_ - 1, min_);
  value_ = next;
  valueCap_->setText(QString::number(next));
  emit ButtonEvent(1, 0, button->x(), button->y());
}

int CtlScroll::TrackValue(int scrollType, int x) {
  switch (scrollType) {
    case 0: return x / 10;
    case 1: return std::min(static_cast<int>(x * 2.55), 255);
    case 2: return std::min(static_cast<int>(x * 1.8), 180);
    case 3: return std::min(x, 100);
    default: return x;
  }
}

void CtlScroll::SetNoCaption(bool on) {
  noCaption_ = on;
  update();
}

void CtlScroll::SetNormalCaption(const QString& text) {
  caption_ = text;
  update();
}

void CtlScroll::SetCaptionFontSize(int size) {
  captionFontSize_ = size;
  update();
}

void CtlScroll::SetCaptionFont(const QString& family) {
  captionFont_ = family;
  update();
}

void CtlScroll::SetEnabled(bool on) {
  setEnabled(on);
  valueCap_->setEnabled(on);
  up_->setEnabled(on);
  down_->setEnabled(on);
}

void CtlScroll::resizeEvent(QResizeEvent*) {
  const int h = height();
  const int half = h / 2;
  up_->setGeometry(width() - kButtonWidth, 0, kButtonWidth, half);
  down_->setGeometry(width() - kButtonWidth, half, kButtonWidth, h - half);
  valueCap_->setGeometry(width() - kButtonWidth - 1 - kBoxWidth, 0, kBoxWidth, h);
}

void CtlScroll::paintEvent(QPaintEvent*) {
  if (noCaption_ || caption_.isEmpty()) return;
  QPainter p(this);
  DrawCaptionText(p, caption_, 0, (height() - kTrackHeight) / 2.0f - 3, captionFont_,
                  captionFontSize_, 0xFF000000u, FontRegular, false, 200, true);
}

bool CtlScroll::eventFilter(QObject* watched, QEvent* event) {
  if (watched == valueCap_) {
    if (event->type() == QEvent::FocusIn) {
      QTimer::singleShot(0, valueCap_, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::KeyRelease) {
      emit TextKeyUp();
    }
  }
  return QWidget::eventFilter(watched, event);
}
