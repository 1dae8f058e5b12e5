#include "files/document_files.h"

#include "files/cls_store.h"
#include "files/icon_file_reader.h"
#include "files/png_codec.h"
#include "files/safe_write.h"
#include "imaging/bitmap_copy.h"
#include "imaging/rounding.h"
#include "imaging/shape_builders.h"

namespace {

constexpr qint64 kMaxPictureFileBytes = qint64(512) << 20;

IconLayer LayerFromPicture(const QImage& picture, int pageWidth, int pageHeight) {
  const int w = picture.width();
  const int h = picture.height();
  IconLayer layer;
  layer.Image = CopyToARGBBitmap(picture, w, h);
  layer.Bounds = LayerBounds{float((pageWidth - w) / 2), float((pageHeight - h) / 2), float(w),
                             float(h)};
  layer.ImageWidth = w;
  layer.ImageHeight = h;
  layer.Opacity = 1.0f;
  layer.BaseBounds = layer.Bounds;
  layer.ScaleOffset = 0;
  layer.Visible = true;
  layer.ClipAbove = false;
  layer.ClipPath.reset();
  layer.HitRegion = CreateRegion(layer.Image, 1).translated(int(layer.Bounds.X),
                                                            int(layer.Bounds.Y));
  return layer;
}

}  // namespace

QString PathExtension(const QString& path) {
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return dot < 0 ? path : path.mid(dot + 1);
}

bool IsNativeDocumentPath(const QString& path) {
  return PathExtension(path).toLower() == QLatin1String("lumx");
}

bool IsIconFilePath(const QString& path) { return PathExtension(path) == QLatin1String("ico"); }

PictureFile ReadPictureFile(const QString& path, std::optional<int> iconIndex) {
  PictureFile result;
  result.IsIconFile = IsIconFilePath(path);
  if (result.IsIconFile) {
    const std::optional<IconFileContents> icon = LoadImageFromFile(path);
    if (!icon) {
      result.Error = ClsStore::kInvalidFile;
      return result;
    }
    for (int index : icon->Offered) {
      const IconImageRecord& r = icon->Records[index];
      result.Offered.push_back({r.Width, r.Height, r.BitCount});
    }
    result.Preselected = icon->Preselected;
    const int chosen = iconIndex.value_or(icon->Preselected);
    result.Image = icon->OfferedImage(chosen);
    if (result.Image.isNull()) {
      result.Error = icon->Offered.empty()
                         ? kNoIconImageMessage
                         : QStringLiteral("The icon file offers no image %1.").arg(chosen);
    }
    return result;
  }
  QByteArray bytes;
  QString error;
  if (!ReadWholeFile(path, kMaxPictureFileBytes, &bytes, &error)) {
    result.Error = ClsStore::kInvalidFile;
    return result;
  }
  result.Image = DecodePicture(bytes, &error);
  if (result.Image.isNull()) result.Error = ClsStore::kInvalidFile;
  return result;
}

bool PlacePicture(IconDocument& doc, const QImage& picture, bool isImport) {
  const bool exists = doc.Window.SceneExists;
  if (exists && doc.LayerCount() >= IconDocument::kMaxLayers) return false;
  if (doc.Hooks.BusyCursor) doc.Hooks.BusyCursor(true);
  int slot = 0;
  if (exists) {
    doc.BeginEdit();
    slot = doc.SelectedLayer >= 0 ? doc.SelectedLayer + 1 : doc.LayerCount();
  } else {
    doc.InitDocument(picture.width(), picture.height(), false);
  }
  doc.Layers.insert(doc.Layers.begin() + slot,
                    LayerFromPicture(picture, doc.PageWidth, doc.PageHeight));
  doc.SelectedLayer = slot;
  doc.ResetLayerAdjustments(slot);

  WindowState& w = doc.Window;
  w.Menus.Export = true;
  w.CtlScroll21.Value = 100;
  w.ScaleScroll.Value = 50;
  w.ScaleValue = QStringLiteral("0");
  doc.ShowLayerAdjustments(slot);
  w.SetLayerSlidersEnabled(true);
  w.Menus.Blur = true;
  w.Menus.Sharpen = true;
  w.CommandBar[CmdSave].Enabled = true;
  w.LayerBar[LayerRemove].Enabled = true;
  w.LayerBar[LayerHide].Enabled = true;
  w.LayerBar[LayerHide].Pressed = true;
  w.LayerBar[LayerSetOrder].Enabled = slot > 0;
  w.LayerBar[LayerMergeDown].Enabled = slot > 0;

  doc.RebuildComposite(5, true);
  if (doc.Hooks.LayerPanelChanged) doc.Hooks.LayerPanelChanged();
  if (isImport && doc.Hooks.ShowTips) doc.Hooks.ShowTips(3);
  w.SceneExists = true;
  if (doc.Hooks.BusyCursor) doc.Hooks.BusyCursor(false);
  return true;
}

QString LoadDocumentIntoEditor(IconDocument& doc, const QString& path) {
  if (doc.Hooks.BusyCursor) doc.Hooks.BusyCursor(true);
  QString error;
  ClsStore store;
  std::optional<StoredDocument> stored = store.LoadDocument(path, &error);
  if (!stored) {
    if (doc.Hooks.BusyCursor) doc.Hooks.BusyCursor(false);
    return error;
  }
  doc.Layers = std::move(stored->Layers);
  doc.ClearHistory();
  doc.PageWidth = stored->PageWidth;
  doc.PageHeight = stored->PageHeight;
  doc.BackgroundColor = stored->BackgroundColor;
  doc.FileName = path;
  doc.Window.Caption = IconDocument::CaptionFor(path);
  doc.Modified = false;

  doc.View.StartOpeningAnimation();  // zoom 0, saved zoom 1, limit 20, animation towards 1
  doc.SelectedLayer = doc.LayerCount() - 1;
  doc.SuppressPageSizeEvents = true;
  doc.DocumentReady = true;

  WindowState& w = doc.Window;
  w.PageWidthBox = {doc.PageWidth, true};
  w.PageHeightBox = {doc.PageHeight, true};
  w.SetLayerSlidersEnabled(true);
  w.ScaleScroll.Value = 50;
  if (const IconLayer* top = doc.Selected()) {
    w.CtlScroll21.Value = RoundHalfEven(top->Opacity * 100.0);
  }
  w.Menus.Import = true;
  w.Menus.Export = true;
  w.Menus.Save = true;
  w.Menus.Undo = false;
  w.Menus.Redo = false;
  doc.View.Hs1.Enabled = doc.PageWidth > doc.View.SceneWidth;
  doc.View.Vs1.Enabled = doc.PageHeight > doc.View.SceneHeight;
  doc.SetAdjustmentSliders(0, 50, 40, 50);

  w.CommandBar[CmdImport].Enabled = true;
  w.CommandBar[CmdSave].Enabled = true;
  w.CommandBar[CmdUndo].Enabled = false;
  w.CommandBar[CmdRedo].Enabled = false;
  doc.View.ZoomInEnabled = true;
  doc.View.ZoomOutEnabled = true;
  doc.View.OriginalSizePressed = true;
  doc.MirrorViewButtons();

  const int count = doc.LayerCount();
  if (const IconLayer* top = doc.Selected()) w.LayerBar[LayerHide].Pressed = top->Visible;
  w.LayerBar[LayerNew].Enabled = true;
  w.LayerBar[LayerRemove].Enabled = count > 0;
  w.LayerBar[LayerHide].Enabled = count > 0;
  w.LayerBar[LayerSetOrder].Enabled = count > 1;
  w.LayerBar[LayerMergeDown].Enabled = count > 1;

  doc.SuppressPageSizeEvents = false;
  doc.RebuildComposite(5, false);
  if (doc.Hooks.LayerPanelChanged) doc.Hooks.LayerPanelChanged();
  if (doc.Hooks.ShowTips) doc.Hooks.ShowTips(1);
  w.SceneExists = true;
  if (doc.Hooks.BusyCursor) doc.Hooks.BusyCursor(false);
  return QString();
}

QString OpenOrImport(IconDocument& doc, const QString& path, bool isImport,
                     std::optional<int> iconIndex) {
  if (IsNativeDocumentPath(path)) return LoadDocumentIntoEditor(doc, path);
  const PictureFile picture = ReadPictureFile(path, iconIndex);
  if (picture.Image.isNull()) return picture.Error;
  if (!PlacePicture(doc, picture.Image, isImport)) return kFullStackMessage;
  return QString();
}

QString OpenFile(IconDocument& doc, const QString& path, std::optional<int> iconIndex) {
  // Open always starts over: without the document marker a picture makes a new document.
  const bool hadScene = doc.Window.SceneExists;
  doc.Window.SceneExists = false;
  const QString error = OpenOrImport(doc, path, false, iconIndex);
  if (error.isEmpty()) doc.Modified = false;
  doc.Window.SceneExists = hadScene || error.isEmpty();
  return error;
}

QString SaveDocument(IconDocument& doc, const QString& path) {
  if (doc.Hooks.BusyCursor) doc.Hooks.BusyCursor(true);
  ClsStore store;
  const QString error = store.SaveDocument(path, doc.PageWidth, doc.PageHeight,
                                           doc.BackgroundColor, doc.Layers);
  if (error.isEmpty()) {
    doc.FileName = path;
    doc.Window.Caption = IconDocument::CaptionFor(path);
    doc.Modified = false;  // only once the file is complete
  }
  if (doc.Hooks.BusyCursor) doc.Hooks.BusyCursor(false);
  return error;
}

FileOpenResult LoadAnyFile(const QString& path, std::optional<int> iconIndex) {
  FileOpenResult result;
  auto doc = std::make_unique<IconDocument>();
  if (IsNativeDocumentPath(path)) {
    result.Error = LoadDocumentIntoEditor(*doc, path);
  } else {
    const PictureFile picture = ReadPictureFile(path, iconIndex);
    result.IsIconFile = picture.IsIconFile;
    result.Offered = picture.Offered;
    result.Error = picture.Error;
    if (!picture.Image.isNull()) {
      PlacePicture(*doc, picture.Image, false);
      doc->Modified = false;
      doc->Window.SceneExists = true;
    }
  }
  if (result.Error.isEmpty()) result.Document = std::move(doc);
  return result;
}
