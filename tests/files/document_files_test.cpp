#include "files/document_files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "files/cls_store.h"
#include "files/picture_export.h"
#include "imaging/shape_builders.h"
#include "test_support.h"

using namespace testing_files;

namespace {

QString SavePicture(const QTemporaryDir& dir, const QString& name, const QImage& image) {
  const QString path = dir.filePath(name);
  EXPECT_TRUE(image.save(path, "png"));
  return path;
}

QString WriteBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  return path;
}

}  // namespace

TEST(PathRules, ExtensionsDecideTheReader) {
  EXPECT_TRUE(IsNativeDocumentPath("/a/PICTURE.LUMX"));
  EXPECT_TRUE(IsIconFilePath("/a/icon.ico"));
  EXPECT_FALSE(IsIconFilePath("/a/ICON.ICO"));
  EXPECT_EQ(PathExtension("/a.b/c"), "b/c");
  EXPECT_EQ(PathExtension("noext"), "noext");
}

TEST(OpenOrImport, OpenOfAPictureMakesAOneLayerDocumentOfItsSize) {
  QTemporaryDir dir;
  const QImage picture = RandomImage(48, 30, 1);
  IconDocument doc;
  doc.Modified = true;
  ASSERT_EQ(OpenFile(doc, SavePicture(dir, "p.png", picture)), "");
  EXPECT_EQ(doc.PageWidth, 48);
  EXPECT_EQ(doc.PageHeight, 30);
  ASSERT_EQ(doc.LayerCount(), 1);
  EXPECT_EQ(doc.SelectedLayer, 0);
  EXPECT_TRUE(doc.FileName.isEmpty());
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(doc.Layers[0].Image, picture);
  EXPECT_EQ(doc.Layers[0].HitRegion, CreateRegion(picture, 1));
  EXPECT_TRUE(doc.Window.SceneExists);
}

TEST(OpenOrImport, ImportCentresWithTruncatingHalvesAndGoesAboveTheSelection) {
  QTemporaryDir dir;
  const QString p48 = SavePicture(dir, "p48.png", RandomImage(48, 48, 2));
  const QString p33 = SavePicture(dir, "p33.png", RandomImage(33, 33, 3));
  IconDocument doc;
  doc.InitDocument(32, 32, true);
  doc.Window.SceneExists = true;
  ASSERT_EQ(OpenOrImport(doc, p48, true), "");
  EXPECT_EQ(doc.Layers[1].Bounds, (LayerBounds{-8, -8, 48, 48}));
  EXPECT_TRUE(doc.Modified);

  IconDocument small;
  small.InitDocument(16, 16, true);
  small.Window.SceneExists = true;
  ASSERT_EQ(OpenOrImport(small, p33, true), "");
  EXPECT_EQ(small.Layers[1].Bounds.X, -8.0f);
  EXPECT_EQ(small.Layers[1].Bounds.Y, -8.0f);

  // Three layers, layer 1 selected: the picture goes to index 2, the old layer 2 to index 3.
  doc.InsertBlankLayer(32, 32);
  const QImage oldTop = doc.Layers[2].Image;
  doc.SelectedLayer = 1;
  const int undoBefore = doc.Snapshots.UndoPosition;
  ASSERT_EQ(OpenOrImport(doc, p33, true), "");
  ASSERT_EQ(doc.LayerCount(), 4);
  EXPECT_EQ(doc.SelectedLayer, 2);
  EXPECT_EQ(doc.Layers[2].ImageWidth, 33);
  EXPECT_EQ(doc.Layers[3].Image, oldTop);
  EXPECT_EQ(doc.Snapshots.UndoPosition, undoBefore + 1);
}

TEST(OpenOrImport, RefusedFilesLeaveTheDocumentAsItWas) {
  QTemporaryDir dir;
  IconDocument doc;
  doc.InitDocument(32, 32, true);
  doc.Window.SceneExists = true;
  doc.Modified = true;
  const int undo = doc.Snapshots.UndoPosition;
  const QString garbage = WriteBytes(dir, "bad.png", "this is not a picture");
  const QString badDoc = WriteBytes(dir, "bad.lumx", "LUMX not really");
  const QString noImages = WriteBytes(dir, "pal.ico", QByteArray("\0\0\1\0\1\0", 6) +
                                                         QByteArray(16, '\0'));
  for (const QString& path : {garbage, badDoc, noImages, dir.filePath("missing.png")}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_NE(OpenFile(doc, path), "");
    EXPECT_NE(OpenOrImport(doc, path, true), "");
    EXPECT_EQ(doc.LayerCount(), 1);
    EXPECT_EQ(doc.PageWidth, 32);
    EXPECT_TRUE(doc.Modified);
    EXPECT_EQ(doc.Snapshots.UndoPosition, undo);
  }
  EXPECT_EQ(OpenFile(doc, badDoc), "Invalid File");
}

TEST(OpenOrImport, IconFilesUseTheChosenOrPreselectedImage) {
  QTemporaryDir dir;
  const QImage page = RandomImage(48, 48, 4);
  const QString ico = dir.filePath("icon.ico");
  ASSERT_EQ(ExportPicture(page, 0, ico), "");
  const FileOpenResult first = LoadAnyFile(ico);
  ASSERT_TRUE(first.Document) << first.Error.toStdString();
  EXPECT_TRUE(first.IsIconFile);
  ASSERT_EQ(first.Offered.size(), 4u);
  EXPECT_EQ(first.Offered[0].Width, 48);
  EXPECT_EQ(first.Offered[3].BitCount, 32);
  EXPECT_EQ(first.Document->PageWidth, 48);
  EXPECT_EQ(first.Document->Layers[0].Image, page);

  const FileOpenResult third = LoadAnyFile(ico, 2);
  ASSERT_TRUE(third.Document);
  EXPECT_EQ(third.Document->PageWidth, 24);
  const FileOpenResult outOfRange = LoadAnyFile(ico, 4);
  EXPECT_FALSE(outOfRange.Document);
  EXPECT_FALSE(outOfRange.Error.isEmpty());

  // Upper-case .ICO is an ordinary picture for Qt's reader, with no chooser.
  QFile::copy(ico, dir.filePath("UPPER.ICO"));
  const FileOpenResult upper = LoadAnyFile(dir.filePath("UPPER.ICO"));
  ASSERT_TRUE(upper.Document) << upper.Error.toStdString();
  EXPECT_FALSE(upper.IsIconFile);
}

TEST(LoadDocumentIntoEditor, LoadsTheStackAndSelectsTheTopLayer) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.LUMX");
  std::vector<IconLayer> layers{MakeLayer(RandomImage(8, 8, 1), 0, 0),
                                MakeLayer(RandomImage(4, 4, 2), 2, 2)};
  layers[1].Opacity = 0.25f;
  layers[1].Visible = false;
  ASSERT_EQ(ClsStore().SaveDocument(path, 8, 8, 0xFF00FF00u, layers), "");

  IconDocument doc;
  doc.InitDocument(32, 32, true);
  doc.Window.SceneExists = true;
  doc.Modified = true;
  ASSERT_EQ(OpenFile(doc, path), "");
  EXPECT_EQ(doc.FileName, path);
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(doc.LayerCount(), 2);
  EXPECT_EQ(doc.SelectedLayer, 1);
  EXPECT_EQ(doc.BackgroundColor, 0xFF00FF00u);
  EXPECT_EQ(doc.Window.CtlScroll21.Value, 25);
  EXPECT_FALSE(doc.Window.LayerBar[LayerHide].Pressed);
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_EQ(doc.View.Zoom, 0.0);
  EXPECT_EQ(doc.Composite.size(), QSize(8, 8));
  EXPECT_EQ(doc.Window.Caption, IconDocument::CaptionFor(path));
}
