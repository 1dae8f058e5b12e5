#include "scene_widget.h"

#include <QPainter>
#include <QResizeEvent>

#include "core/icon_document.h"

SceneWidget::SceneWidget(IconDocument& document, QWidget* parent)
    : QWidget(parent), document_(document) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAutoFillBackground(false);
  setMinimumSize(64, 64);
}

void SceneWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  CanvasView& view = document_.View;
  view.SceneWidth = width();
  view.SceneHeight = height();
  if (!document_.DocumentReady) {
    p.fillRect(rect(), QColor::fromRgba(CanvasView::kCanvasGrey));
    return;
  }
  view.RenderCanvas(p, document_.Composite, document_.BackgroundColor, document_.Selected());
  if (view.SelectedShape.Visible) {
    // The frame inverts what lies under it so it shows on any colour.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen pen(Qt::white, 1, Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(view.SelectedShape.Rect.adjusted(0, 0, -1, -1));
  }
}

void SceneWidget::resizeEvent(QResizeEvent* event) {
  document_.ResizeCanvas(event->size().width(), event->size().height());
  QWidget::resizeEvent(event);
}
