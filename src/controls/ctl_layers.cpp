#include "ctl_layers.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "controls/mouse_codes.h"
#include "controls/resource_init.h"
#include "imaging/caption_text.h"
#include "imaging/draw_image.h"
#include "imaging/rounding.h"

namespace {
constexpr int kScrollWidth = 17;
constexpr int kThumbBox = 40;
constexpr int kThumbMaxHeight = 32;
}  // namespace

CtlLayers::CtlLayers(QWidget* parent) : QWidget(parent), vs1_(new QScrollBar(Qt::Vertical, this)) {
  InitControlResources();
  setAttribute(Qt::WA_OpaquePaintEvent);
  vs1_->setEnabled(false);
  connect(vs1_, &QScrollBar::valueChanged, this, &CtlLayers::RefreshDraw);
}

void CtlLayers::Clean() {
  items_.clear();
  rowRects_.clear();
  list_ = QImage();
  update();
}

void CtlLayers::LoadImage(const QImage& new_Img, int Width, int Height, double Opacity,
                          bool isVisible) {
  items_.append(Item{new_Img.copy(), Width, Height, Opacity, isVisible});
}

void CtlLayers::UpdateImage(const QImage& new_Img, int Width, int Height, int Index, double Opacity,
                            bool isVisible) {
  if (Index < 0 || Index >= items_.size()) return;
  items_[Index] = Item{new_Img.copy(), Width, Height, Opacity, isVisible};
}

QSize CtlLayers::FitThumbnail(int w, int h) {
  if (w <= 0 || h <= 0) return QSize(0, 0);
  if (w > kThumbBox || h > kThumbMaxHeight) {
    const double sx = static_cast<double>(kThumbBox) / w;
    const double sy = static_cast<double>(kThumbMaxHeight) / h;
    if (sx <= sy) return QSize(kThumbBox, RoundHalfEven(h * sx));
    return QSize(RoundHalfEven(w * sy), kThumbMaxHeight);
  }
  return QSize(w, h);
}

void CtlLayers::DrawChecker(QPainter& p, int top) {
  const QColor square(0, 0, 0, 30);
  for (int row = 0; row < kThumbBox / 5; ++row) {
    for (int x = (row % 2 == 0) ? 5 : 0; x < kThumbBox; x += 10) {
      p.fillRect(QRect(x, top + row * 5, 5, 5), square);
    }
  }
}

void CtlLayers::DrawRow(QPainter& p, int r) {
  const int count = items_.size();
  const int layer = count - 1 - r;
  const Item& item = items_[layer];
  const int top = kRowHeight * r;
  const QRectF row(0, top, list_.width(), kRowHeight);
  rowRects_[r] = row;
  if (layer == selectedIndex_)
    p.fillRect(row, QColor(205, 236, 254));
  else if (!item.isVisible)
    p.fillRect(row, QColor(230, 230, 230));
  DrawChecker(p, top);
  const QSize fit = FitThumbnail(item.Width, item.Height);
  DrawImageWithOpacity(p, item.Thumbnail, static_cast<float>(item.Opacity),
                       (kThumbBox - fit.width()) / 2, top + (kThumbBox - fit.height()) / 2,
                       fit.width(), fit.height(), 0, 0, item.Width, item.Height);
  DrawCaptionText(p, QStringLiteral("Icon %1").arg(layer + 1), 45, top + 13,
                  QStringLiteral("Verdana"), 8, MakeARGB(255, 0, 0, 0), FontRegular, false, 200,
                  true);
  p.setPen(QPen(QColor(150, 150, 150), 1));
  p.drawLine(QPointF(-1, top + 39), QPointF(list_.width(), top + 39));
}

void CtlLayers::DrawLayers() {
  const int count = items_.size();
  const int listHeight = kRowHeight * count + 2;
  vs1_->setGeometry(width() - kScrollWidth, 0, kScrollWidth, height());
  const int listWidth = std::max(1, width() - kScrollWidth - 1);
  list_ = QImage(listWidth, listHeight, QImage::Format_ARGB32);
  list_.fill(Qt::white);
  UpdateScrollBar(listHeight);
  rowRects_ = QList<QRectF>(count);
  QPainter p(&list_);
  p.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (int r = 0; r < count; ++r) DrawRow(p, r);
}

void CtlLayers::UpdateScrollBar(int listHeight) {
  if (height() >= listHeight) {
    vs1_->setValue(0);
    vs1_->setEnabled(false);
    return;
  }
  const int max = static_cast<int16_t>(listHeight - height());
  vs1_->setMaximum(max);
  vs1_->setPageStep(max);
  vs1_->setEnabled(true);
}

void CtlLayers::RefreshDraw() { update(); }

void CtlLayers::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Window));
  if (!list_.isNull()) p.drawImage(0, -vs1_->value(), list_);
}

void CtlLayers::resizeEvent(QResizeEvent*) {
  vs1_->setGeometry(width() - kScrollWidth, 0, kScrollWidth, height());
  UpdateScrollBar(list_.isNull() ? 0 : list_.height());
  RefreshDraw();
}

void CtlLayers::mousePressEvent(QMouseEvent* event) {
  const int count = items_.size();
  if (count == 0) return;
  const QPointF pos = event->position();
  const double px = RoundHalfEven(pos.x());
  const double py = RoundHalfEven(vs1_->value() + pos.y());
  for (int r = 0; r < rowRects_.size(); ++r) {
    const QRectF& row = rowRects_[r];
    if (px >= row.left() && px < row.right() && py >= row.top() && py < row.bottom()) {
      selectedIndex_ = std::max(0, count - 1 - r);
      break;
    }
  }
  emit LayerMouseDown(MouseButtonCode(event->button()), ShiftStateCode(event->modifiers()),
                      static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}
