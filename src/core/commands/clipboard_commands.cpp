#include "clipboard_commands.h"

#include <QPainter>

#include "core/commands/command_support.h"
#include "core/commands/layer_commands.h"
#include "imaging/bitmap_copy.h"
#include "imaging/rounding.h"

namespace {

IconLayer LayerFromCrop(const IconLayer& source, const CropPiece& crop) {
  IconLayer layer;
  layer.SetImage(CopyToARGBBitmap(crop.Image, crop.Image.width(), crop.Image.height()));
  layer.Bounds = LayerBounds{float(crop.Position.x()), float(crop.Position.y()),
                             float(layer.ImageWidth), float(layer.ImageHeight)};
  layer.BaseBounds = layer.Bounds;
  layer.Opacity = source.Opacity;
  layer.ScaleOffset = 0;
  layer.Visible = true;
  layer.HitRegion = HitRegionAt(layer.Image, layer.Bounds.X, layer.Bounds.Y);
  return layer;
}

// The layer's image drawn smoothly at its page size, for the system clipboard.
QImage PictureOf(const IconLayer& layer) {
  const int w = RoundHalfEven(layer.Bounds.Width);
  const int h = RoundHalfEven(layer.Bounds.Height);
  if (w < 1 || h < 1 || layer.Image.isNull()) return QImage();
  QImage picture(w, h, QImage::Format_ARGB32);
  picture.fill(0);
  QPainter p(&picture);
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(QRect(0, 0, w, h), layer.Image);
  p.end();
  return picture;
}

IconLayer LayerFromOutside(const QImage& bitmap) {
  IconLayer layer;
  layer.SetImage(CopyToARGBBitmap(bitmap, bitmap.width(), bitmap.height()));
  layer.Bounds = LayerBounds{0, 0, float(layer.ImageWidth), float(layer.ImageHeight)};
  layer.BaseBounds = layer.Bounds;
  layer.HitRegion = QRegion(0, 0, layer.ImageWidth, layer.ImageHeight);
  return layer;
}

IconLayer LayerFromInternal(const IconLayer& stored) {
  IconLayer layer = stored;
  layer.SetImage(CopyToARGBBitmap(stored.Image, RoundHalfEven(stored.Bounds.Width),
                                  RoundHalfEven(stored.Bounds.Height)));
  return layer;
}

}  // namespace

QImage CopyLayer(IconDocument& doc, const std::optional<CropPiece>& crop) {
  const IconLayer* selected = doc.Selected();
  if (!selected) return QImage();
  BusyScope busy(doc);
  if (crop) {
    doc.ClipboardLayer = LayerFromCrop(*selected, *crop);
    return doc.ClipboardLayer->Image;
  }
  doc.ClipboardLayer = *selected;
  return PictureOf(*selected);
}

QImage CutLayer(IconDocument& doc) {
  QImage picture = CopyLayer(doc);
  if (doc.Selected()) DeleteIcon(doc, true);
  return picture;
}

bool PasteLayer(IconDocument& doc, const SystemClipboard& clipboard) {
  if (!doc.DocumentReady || !HasRoomFor(doc, 1)) return false;
  doc.BeginEdit();
  if (clipboard.Bitmap.isNull()) return true;
  // A marker without an internal layer (another copy of the editor put it there) falls back to
  // the bitmap itself.
  IconLayer layer = clipboard.HasMarker && doc.ClipboardLayer
                        ? LayerFromInternal(*doc.ClipboardLayer)
                        : LayerFromOutside(clipboard.Bitmap);
  const int slot = doc.Selected() ? doc.SelectedLayer + 1 : doc.LayerCount();
  doc.Layers.insert(doc.Layers.begin() + slot, std::move(layer));
  doc.SelectedLayer = slot;
  doc.ShowSelectedLayerInPanel();
  UpdateLayerBar(doc);
  doc.RebuildComposite(5, true);
  RefreshLayerPanel(doc);
  return true;
}
