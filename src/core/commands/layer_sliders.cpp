#include "layer_sliders.h"

#include <QPainter>

#include <algorithm>
#include <utility>

#include "core/commands/command_support.h"
#include "imaging/bitmap_copy.h"
#include "imaging/rounding.h"

namespace {

constexpr int kLayerTip = 2;

// One side of the resize, kept at least a pixel so the release never makes an empty image.
float AtLeastOnePixel(float side) { return std::max(side, 1.0f); }

void ResizeBounds(LayerBounds& b, const LayerBounds& start, int d) {
  if (b.Width > b.Height) {
    if (b.Width == 0) return;
    const float ratio = b.Height / b.Width;
    b.Height = AtLeastOnePixel(d * ratio + start.Height);
    b.Width = AtLeastOnePixel(d + start.Width);
  } else {
    if (b.Height == 0) return;
    const float ratio = b.Width / b.Height;
    b.Width = AtLeastOnePixel(d * ratio + start.Width);
    b.Height = AtLeastOnePixel(d + start.Height);
  }
}

QImage Resampled(const QImage& source, int width, int height, const LayerBounds& b) {
  if (width < 1 || height < 1) return QImage();
  QImage image(width, height, QImage::Format_ARGB32);
  image.fill(0);
  QPainter p(&image);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(QRectF(0, 0, b.Width, b.Height), source);
  p.end();
  return image;
}

}  // namespace

bool OpacitySliderPressed(IconDocument& doc) {
  if (!doc.Selected()) return false;
  doc.BeginEdit();
  return true;
}

void OpacitySliderChanged(IconDocument& doc, int value) {
  doc.Window.CtlScroll21.Value = value;
  IconLayer* layer = doc.Selected();
  if (!layer) return;
  layer->Opacity = static_cast<float>(RoundToDecimals(value / 100.0, 2));
  doc.RebuildComposite(5, true);
}

void OpacitySliderReleased(IconDocument& doc) {
  doc.RebuildComposite(5, true);
  RefreshSelectedThumbnail(doc);
  ShowTip(doc, kLayerTip);
}

bool ScaleSliderPressed(IconDocument& doc) {
  const IconLayer* layer = doc.Selected();
  if (!layer) return false;
  doc.BeginEdit();
  doc.ScaleStartBounds = layer->Bounds;
  return true;
}

void ScaleSliderChanged(IconDocument& doc, int value) {
  doc.Window.ScaleScroll.Value = value;
  doc.Window.ScaleValue = QString::number(value - 50);
  IconLayer* layer = doc.Selected();
  if (!layer) return;
  ResizeBounds(layer->Bounds, doc.ScaleStartBounds, value - 50);
  doc.RebuildComposite(5, true);
}

void ScaleSliderReleased(IconDocument& doc) {
  IconLayer* layer = doc.Selected();
  if (!layer) return;
  doc.AdjustSource = CopyToARGBBitmap(layer->Image, layer->ImageWidth, layer->ImageHeight);
  const int width = RoundHalfEven(layer->Bounds.Width);
  const int height = RoundHalfEven(layer->Bounds.Height);
  layer->ScaleOffset = 0;
  layer->BaseBounds = layer->Bounds;
  doc.Window.ScaleScroll.Value = 50;
  doc.Window.ScaleValue = QStringLiteral("0");
  layer->SetImage(Resampled(doc.AdjustSource, width, height, layer->Bounds));
  layer->HitRegion = HitRegionAt(layer->Image, layer->Bounds.X, layer->Bounds.Y);
  doc.AdjustSource = QImage();
  doc.RebuildComposite(5, true);
  RefreshSelectedThumbnail(doc);
  ShowTip(doc, kLayerTip);
}
