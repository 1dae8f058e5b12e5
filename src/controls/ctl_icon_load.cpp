#include "ctl_icon_load.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/resource_init.h"
#include "imaging/argb.h"
#include "imaging/caption_text.h"
#include "imaging/rounding.h"

CtlIconLoad::CtlIconLoad(QWidget* parent)
    : QWidget(parent), picture1_(new QWidget(this)), hs1_(new QScrollBar(Qt::Horizontal, this)) {
  InitControlResources();
  picture1_->installEventFilter(this);
  picture1_->setAttribute(Qt::WA_OpaquePaintEvent);
  picture1_->resize(0, 0);
  connect(hs1_, &QScrollBar::valueChanged, this, [this](int v) { picture1_->move(-v, 0); });
  SetColor(color_);
  resize(sizeHint());
}

void CtlIconLoad::ReadProperties(const PropertyBag& bag) {
  if (auto v = bag.ReadInt32(QStringLiteral("Color"))) SetColor(*v);
}

PropertyBag CtlIconLoad::WriteProperties() const {
  PropertyBag bag;
  bag.WriteInt32(QStringLiteral("Color"), color_);
  return bag;
}

void CtlIconLoad::SetColor(int oleColor) {
  color_ = oleColor;
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor::fromRgba(OleColorToARGB(oleColor, 255)));
  setPalette(pal);
  setAutoFillBackground(true);
}

void CtlIconLoad::Clear() {
  records_.clear();
  selected_ = -1;
  picture1_->resize(0, picture1_->height());
  strip_ = QImage();
}

void CtlIconLoad::SetImageRecords(const QList<ImageRecord>& records) {
  Clear();
  records_ = records;
  int offered = 0;
  for (const ImageRecord& r : records_) offered += r.BitCount > 8 ? 1 : 0;
  picture1_->resize(kCellWidth * offered, height() - kScrollHeight);
}

void CtlIconLoad::GetBestFitInfo(float sourceWidth, float sourceHeight, float boxWidth,
                                 float boxHeight, float& x, float& y, float& width, float& height) {
  if (sourceWidth > boxWidth || sourceHeight > boxHeight) {
    const float a = boxWidth / sourceWidth;
    const float b = boxHeight / sourceHeight;
    if (a >= b) {
      height = boxHeight;
      width = sourceWidth * b;
    } else {
      width = boxWidth;
      height = sourceHeight * a;
    }
  } else {
    width = sourceWidth;
    height = sourceHeight;
  }
  x = static_cast<float>(RoundHalfEven(boxWidth - width) / 2);
  y = static_cast<float>(RoundHalfEven(boxHeight - height) / 2);
}

void CtlIconLoad::DrawCell(QPainter& p, ImageRecord& record, int n, int stripHeight) {
  const int left = kCellWidth * n;
  record.Cell = QRect(left, 0, kCellWidth, stripHeight);
  const int index = static_cast<int>(&record - records_.data());
  if (selected_ < 0) selected_ = index;
  const ARGB fill =
      index == selected_ ? MakeARGB(100, 255, 255, 255) : MakeARGB(255, 255, 255, 255);
  p.fillRect(QRect(left, 0, kCellWidth - 1, stripHeight), QColor::fromRgba(fill));
  float fx = 0, fy = 0, fw = 0, fh = 0;
  GetBestFitInfo(record.Width, record.Height, kCellWidth, stripHeight - 40, fx, fy, fw, fh);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(
      QRect(RoundHalfEven(left + fx), RoundHalfEven(fy + 10), RoundHalfEven(fw), RoundHalfEven(fh)),
      record.Image);
  const QString label = QStringLiteral(" %1x %2").arg(record.Width).arg(record.Height);
  DrawCaptionText(p, label, left + LabelOffset(record.Width), stripHeight - 20,
                  QStringLiteral("Verdana"), 8, MakeARGB(200, 0, 0, 0), FontRegular, false, 200,
                  true);
}

void CtlIconLoad::DrawIcon() {
  const int w = std::max(1, picture1_->width());
  const int h = std::max(1, picture1_->height());
  strip_ = QImage(w, h, QImage::Format_ARGB32);
  strip_.fill(QColor(192, 192, 192));
  hs1_->setPageStep(kCellWidth);
  QPainter p(&strip_);
  int n = 0;
  for (ImageRecord& record : records_) {
    if (record.BitCount <= 8) continue;
    DrawCell(p, record, n++, h);
  }
  p.end();
  picture1_->update();
  hs1_->setMinimum(0);
  hs1_->setMaximum(picture1_->width());
}

void CtlIconLoad::GetImage(QImage& mImage) const {
  if (selected_ < 0 || selected_ >= records_.size()) return;
  mImage = records_[selected_].Image.copy();
}

void CtlIconLoad::PressAt(QPoint pos) {
  selected_ = -1;
  for (int i = 0; i < records_.size(); ++i) {
    const ImageRecord& r = records_[i];
    if (r.BitCount > 8 && !r.Cell.isEmpty() && r.Cell.contains(pos)) {
      selected_ = i;
      break;
    }
  }
  DrawIcon();
}

void CtlIconLoad::resizeEvent(QResizeEvent*) {
  hs1_->setGeometry(0, height() - kScrollHeight, width(), kScrollHeight);
  picture1_->setGeometry(0, 0, hs1_->width(), height() - kScrollHeight);
}

bool CtlIconLoad::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture1_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Paint: {
      QPainter p(picture1_);
      p.fillRect(picture1_->rect(), QColor(192, 192, 192));
      if (!strip_.isNull()) p.drawImage(0, 0, strip_);
      return true;
    }
    case QEvent::MouseButtonPress:
      PressAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      return true;
    case QEvent::MouseButtonDblClick:
      emit Dbclick();
      return true;
    default:
      return QWidget::eventFilter(watched, event);
  }
}
