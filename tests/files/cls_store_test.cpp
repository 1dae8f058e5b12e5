#include "files/cls_store.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <limits>

#include "files/document_files.h"
#include "files/png_codec.h"
#include "imaging/shape_builders.h"
#include "test_support.h"

using namespace testing_files;

namespace {

int32_t I32At(const QByteArray& b, qint64 at) {
  return qFromLittleEndian<int32_t>(b.constData() + at);
}

// One layer block, field by field, for hand-made files.
struct BlockSpec {
  int32_t hue = 0, contrast = 50, brightness = 50, saturation = 40;
  int32_t imageWidth = 2, imageHeight = 2;
  float opacity = 1.0f;
  LayerBounds bounds{0, 0, 2, 2};
  int32_t scaleOffset = 0;
  int16_t visible = -1, clipAbove = 0;
  QByteArray png;
  std::optional<int32_t> declaredSize;  // the count field, when it should lie
  bool trailingZero = true;
};

QByteArray Header(int32_t w, int32_t h, uint32_t bg, int32_t count, const char* magic = "lumx ",
                  int16_t version = 7, const char* product = "Glyphsmithy") {
  Bytes b;
  b.Raw(magic, 5).I16(version).Raw(product, 11).I32(w).I32(h).U32(bg).I32(count);
  return b.data;
}

QByteArray Block(const BlockSpec& s) {
  Bytes b;
  b.I32(s.hue).I32(s.contrast).I32(s.brightness).I32(s.saturation).I32(s.imageHeight);
  b.F32(s.opacity);
  b.F32(s.bounds.X).F32(s.bounds.Y).F32(s.bounds.Width).F32(s.bounds.Height);
  b.I32(s.imageWidth);
  b.F32(s.bounds.X).F32(s.bounds.Y).F32(s.bounds.Width).F32(s.bounds.Height);
  b.I32(s.scaleOffset).I16(s.visible).I16(s.clipAbove).I32(0);
  b.I32(s.declaredSize.value_or(int32_t(s.png.size())));
  b.Raw(s.png);
  if (s.trailingZero) b.U8(0);
  return b.data;
}

QByteArray SmallPng(int w = 2, int h = 2, uint32_t seed = 1) {
  return EncodePng(RandomImage(w, h, seed));
}

bool SamePixels(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return false;
  const QImage x = a.convertToFormat(QImage::Format_ARGB32);
  const QImage y = b.convertToFormat(QImage::Format_ARGB32);
  for (int r = 0; r < x.height(); ++r) {
    if (std::memcmp(x.constScanLine(r), y.constScanLine(r), size_t(x.width()) * 4) != 0) {
      return false;
    }
  }
  return true;
}

bool AllTransparent(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != 0) return false;
    }
  }
  return true;
}

std::vector<IconLayer> SampleLayers() {
  std::vector<IconLayer> layers;
  layers.push_back(MakeLayer(RandomImage(16, 12, 7), -3, 4));
  IconLayer hidden = MakeLayer(RandomImage(5, 9, 8), 10.5f, -2.25f);
  hidden.Visible = false;
  hidden.Opacity = 0.37f;
  hidden.BaseBounds = {1, 2, 3, 4};
  hidden.ScaleOffset = -7;
  hidden.Hue = 33;
  layers.push_back(hidden);
  IconLayer clip = MakeLayer(RandomImage(1, 1, 9), 0, 0);
  clip.ClipAbove = true;
  layers.push_back(clip);
  return layers;
}

QByteArray ValidFile() {
  ClsStore store;
  return store.SerializeDocument(16, 16, 0xFF203040u, SampleLayers(), nullptr);
}

}  // namespace

TEST(ClsStoreLayout, EmptyDocumentIsTheHeaderAlone) {
  ClsStore store;
  const QByteArray bytes = store.SerializeDocument(48, 32, 0x80112233u, {}, nullptr);
  ASSERT_EQ(bytes.size(), 34);
  EXPECT_EQ(bytes.left(5), QByteArray("lumx "));
  EXPECT_EQ(qFromLittleEndian<int16_t>(bytes.constData() + 5), 7);
  EXPECT_EQ(bytes.mid(7, 11), QByteArray("Glyphsmithy"));
  EXPECT_EQ(I32At(bytes, 18), 48);
  EXPECT_EQ(I32At(bytes, 22), 32);
  EXPECT_EQ(uint32_t(I32At(bytes, 26)), 0x80112233u);
  EXPECT_EQ(I32At(bytes, 30), 0);
  const auto doc = store.ParseDocument(bytes);
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->PageWidth, 48);
  EXPECT_EQ(doc->PageHeight, 32);
  EXPECT_EQ(doc->BackgroundColor, 0x80112233u);
  EXPECT_TRUE(doc->Layers.empty());
}

TEST(ClsStoreLayout, LayerBlockFieldOrderAndCount) {
  IconLayer layer = MakeLayer(RandomImage(7, 3, 3), 1.5f, 2.5f);
  layer.BaseBounds = {9, 8, 7, 6};
  layer.Opacity = 0.5f;
  layer.ScaleOffset = 4;
  layer.Visible = false;
  layer.ClipAbove = true;
  layer.Hue = 11;
  layer.Contrast = 12;
  layer.Brightness = 13;
  layer.Saturation = 14;
  ClsStore store;
  const QByteArray b = store.SerializeDocument(8, 8, 0, {layer}, nullptr);
  const int at = 34;
  EXPECT_EQ(I32At(b, at + 0), 11);
  EXPECT_EQ(I32At(b, at + 4), 12);
  EXPECT_EQ(I32At(b, at + 8), 13);
  EXPECT_EQ(I32At(b, at + 12), 14);
  EXPECT_EQ(I32At(b, at + 16), 3);  // height before width
  EXPECT_EQ(qFromLittleEndian<float>(b.constData() + at + 20), 0.5f);
  EXPECT_EQ(qFromLittleEndian<float>(b.constData() + at + 24), 9.0f);
  EXPECT_EQ(I32At(b, at + 40), 7);
  EXPECT_EQ(qFromLittleEndian<float>(b.constData() + at + 44), 1.5f);
  EXPECT_EQ(I32At(b, at + 60), 4);
  EXPECT_EQ(qFromLittleEndian<int16_t>(b.constData() + at + 64), 0);
  EXPECT_EQ(qFromLittleEndian<int16_t>(b.constData() + at + 66), -1);
  EXPECT_EQ(I32At(b, at + 68), 0);
  const int n = I32At(b, at + 72);
  ASSERT_GT(n, 8);
  EXPECT_EQ(b.size(), 34 + 77 + n);
  EXPECT_EQ(b.mid(at + 76, 8), QByteArray("\x89PNG\r\n\x1a\n", 8));
  EXPECT_EQ(b.at(b.size() - 1), '\0');
  EXPECT_TRUE(SamePixels(DecodePng(b.mid(at + 76, n)), layer.Image));
}

TEST(ClsStoreLayout, ThousandBytePngMakesA1077ByteBlock) {
  const QImage image = RandomImage(4, 3, 21);
  const QByteArray png = PadPng(EncodePng(image), 1000);
  ASSERT_EQ(png.size(), 1000);
  BlockSpec s;
  s.imageWidth = 4;
  s.imageHeight = 3;
  s.png = png;
  const QByteArray block = Block(s);
  EXPECT_EQ(block.size(), 1077);
  const auto doc = ClsStore().ParseDocument(Header(4, 3, 0, 1) + block);
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Layers.size(), 1u);
  EXPECT_TRUE(SamePixels(doc->Layers[0].Image, image));
}

TEST(ClsStoreRead, MagicMustMatchExactly) {
  const QByteArray body = ValidFile().mid(5);
  for (const char* magic : {"LUMX ", "lumx\0", "lumxx", "Lumx ", " lumx"}) {
    SCOPED_TRACE(magic);
    EXPECT_FALSE(ClsStore().ParseDocument(QByteArray(magic, 5) + body));
  }
  EXPECT_FALSE(ClsStore().ParseDocument(QByteArray("lum")));
  EXPECT_FALSE(ClsStore().ParseDocument(QByteArray()));
  QString error;
  EXPECT_FALSE(ClsStore().LoadDocument("/nonexistent/x.lumx", &error));
  EXPECT_EQ(error, "Invalid File");
}

TEST(ClsStoreRead, VersionAndProductAreIgnored) {
  BlockSpec s;
  s.png = SmallPng();
  const auto reference = ClsStore().ParseDocument(Header(2, 2, 0, 1) + Block(s));
  ASSERT_TRUE(reference);
  for (int16_t version : {1, 99, -5}) {
    const auto doc = ClsStore().ParseDocument(
        Header(2, 2, 0, 1, "lumx ", version, "SomethingEl") + Block(s));
    ASSERT_TRUE(doc) << version;
    EXPECT_TRUE(SamePixels(doc->Layers[0].Image, reference->Layers[0].Image));
  }
}

TEST(ClsStoreRead, AdjustmentsAreResetAndFlagsKept) {
  BlockSpec s;
  s.png = SmallPng();
  s.hue = 77;
  s.contrast = -3;
  s.brightness = 1000;
  s.saturation = 1;
  s.visible = 0;
  s.clipAbove = -1;
  const auto doc = ClsStore().ParseDocument(Header(2, 2, 0, 1) + Block(s));
  ASSERT_TRUE(doc);
  const IconLayer& l = doc->Layers[0];
  EXPECT_EQ(l.Hue, 0);
  EXPECT_EQ(l.Contrast, 50);
  EXPECT_EQ(l.Brightness, 50);
  EXPECT_EQ(l.Saturation, 40);
  EXPECT_FALSE(l.Visible);
  EXPECT_TRUE(l.ClipAbove);
  EXPECT_FALSE(l.ClipPath.has_value());
}

TEST(ClsStoreRoundTrip, KeepsOrderBoundsOpacityFlagsAndEveryPixel) {
  const std::vector<IconLayer> layers = SampleLayers();
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.lumx");
  ASSERT_EQ(ClsStore().SaveDocument(path, 16, 16, 0xFF203040u, layers), "");
  QString error;
  const auto doc = ClsStore().LoadDocument(path, &error);
  ASSERT_TRUE(doc) << error.toStdString();
  EXPECT_EQ(doc->PageWidth, 16);
  EXPECT_EQ(doc->BackgroundColor, 0xFF203040u);
  ASSERT_EQ(doc->Layers.size(), layers.size());
  for (size_t i = 0; i < layers.size(); ++i) {
    SCOPED_TRACE(i);
    const IconLayer& a = layers[i];
    const IconLayer& b = doc->Layers[i];
    EXPECT_TRUE(SamePixels(a.Image, b.Image));
    EXPECT_EQ(a.Bounds, b.Bounds);
    EXPECT_EQ(a.BaseBounds, b.BaseBounds);
    EXPECT_EQ(a.Opacity, b.Opacity);
    EXPECT_EQ(a.ScaleOffset, b.ScaleOffset);
    EXPECT_EQ(a.Visible, b.Visible);
    EXPECT_EQ(a.ClipAbove, b.ClipAbove);
    EXPECT_EQ(b.ImageWidth, a.Image.width());
    EXPECT_EQ(b.ImageHeight, a.Image.height());
    // Loaded layers hit-test at alpha 10, in page coordinates.
    const QRegion expected = CreateRegion(a.Image, 10).translated(std::nearbyint(a.Bounds.X),
                                                                 std::nearbyint(a.Bounds.Y));
    EXPECT_EQ(b.HitRegion, expected);
    EXPECT_NE(b.HitRegion, CreateRegion(a.Image, 1).translated(std::nearbyint(a.Bounds.X),
                                                               std::nearbyint(a.Bounds.Y)));
  }
}

TEST(ClsStoreRoundTrip, UnchangedLayersReuseTheirBytesAndEditedOnesAreRewritten) {
  std::vector<IconLayer> layers = SampleLayers();
  ClsStore store;
  const QByteArray first = store.SerializeDocument(16, 16, 0, layers, nullptr);
  layers[0].Image.setPixel(0, 0, 0x12345678u);  // detaches: a new cache key
  const QByteArray second = store.SerializeDocument(16, 16, 0, layers, nullptr);
  const auto doc = store.ParseDocument(second);
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->Layers[0].Image.pixel(0, 0), 0x12345678u);
  EXPECT_TRUE(SamePixels(doc->Layers[1].Image, layers[1].Image));
  EXPECT_NE(first, second);
}

// Each row a small file with one fault and the outcome it must have.
TEST(ClsStoreRead, MalformedFilesTable) {
  enum Outcome { Refused, TransparentLayer, Loads, EmptyLayer };
  const QByteArray png = SmallPng();
  auto one = [&](BlockSpec s, int32_t count = 1, int32_t w = 2, int32_t h = 2) {
    if (s.png.isNull()) s.png = png;
    return Header(w, h, 0, count) + Block(s);
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  QByteArray jpeg;
  {
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    RandomImage(2, 2, 4).convertToFormat(QImage::Format_RGB32).save(&buffer, "jpeg");
  }
  struct Row {
    const char* name;
    QByteArray bytes;
    Outcome outcome;
  };
  const std::vector<Row> rows = {
      {"negative layer count", one({}, -1), Refused},
      {"layer count over 5001", Header(2, 2, 0, 5002), Refused},
      {"count larger than the blocks", one({}, 3), Refused},
      {"huge count, tiny file", Header(2, 2, 0, 0x7FFFFFFF), Refused},
      {"negative png size", one({.declaredSize = -1}), Refused},
      {"png size past the end", one({.declaredSize = 1 << 30}), Refused},
      {"missing trailing zero", one({.trailingZero = false}), Refused},
      {"image width 0: a layer without pixels", one({.imageWidth = 0}), EmptyLayer},
      {"negative image height", one({.imageHeight = -2}), Refused},
      {"image side over 16384", one({.imageWidth = 16385, .imageHeight = 1}), Refused},
      {"INT32_MIN height", one({.imageHeight = std::numeric_limits<int32_t>::min()}), Refused},
      {"16384 square from a few bytes", one({.imageWidth = 16384, .imageHeight = 16384}), Refused},
      {"page width 0", one({}, 1, 0, 2), Refused},
      {"page too large for the file", one({}, 1, 70000, 70000), Refused},
      {"NaN opacity", one({.opacity = nan}), Refused},
      {"infinite bounds", one({.bounds = {inf, 0, 2, 2}}), Refused},
      {"garbage instead of png", one({.png = QByteArray("not a png at all")}), TransparentLayer},
      {"empty png", one({.png = QByteArray("")}), TransparentLayer},
      {"jpeg bytes are not sniffed", one({.png = jpeg}), TransparentLayer},
      {"truncated png", one({.png = png.left(png.size() - 20)}), TransparentLayer},
      {"opacity out of range is clamped", one({.opacity = 3.0f}), Loads},
      {"png of another size", one({.imageWidth = 3, .imageHeight = 1}), Loads},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto doc = ClsStore().ParseDocument(row.bytes);
    if (row.outcome == Refused) {
      EXPECT_FALSE(doc);
      continue;
    }
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->Layers.size(), 1u);
    const IconLayer& l = doc->Layers[0];
    if (row.outcome == EmptyLayer) {
      EXPECT_TRUE(l.Image.isNull());
      continue;
    }
    EXPECT_EQ(l.Image.width(), l.ImageWidth);
    EXPECT_EQ(l.Image.height(), l.ImageHeight);
    EXPECT_EQ(AllTransparent(l.Image), row.outcome == TransparentLayer);
    EXPECT_GE(l.Opacity, 0.0f);
    EXPECT_LE(l.Opacity, 1.0f);
  }
}

TEST(ClsStoreRead, PngOfAnotherSizeIsCutFromItsTopLeft) {
  const QImage image = RandomImage(2, 2, 1);
  BlockSpec s;
  s.png = EncodePng(image);
  s.imageWidth = 3;
  s.imageHeight = 1;
  const auto doc = ClsStore().ParseDocument(Header(2, 2, 0, 1) + Block(s));
  ASSERT_TRUE(doc);
  const QImage& got = doc->Layers[0].Image;
  EXPECT_EQ(got.pixel(0, 0), image.pixel(0, 0));
  EXPECT_EQ(got.pixel(1, 0), image.pixel(1, 0));
  EXPECT_EQ(got.pixel(2, 0), 0u);
}

TEST(ClsStoreRead, EveryPrefixOfAValidFileIsRefused) {
  const QByteArray bytes = ValidFile();
  ASSERT_TRUE(ClsStore().ParseDocument(bytes));
  for (qsizetype n = 0; n < bytes.size(); ++n) {
    ASSERT_FALSE(ClsStore().ParseDocument(bytes.left(n))) << "prefix " << n;
  }
}

TEST(ClsStoreRead, EachHeaderByteFlipped) {
  const QByteArray bytes = ValidFile();
  const auto reference = ClsStore().ParseDocument(bytes);
  ASSERT_TRUE(reference);
  for (int i = 0; i < 34; ++i) {
    SCOPED_TRACE(i);
    QByteArray flipped = bytes;
    flipped[i] = char(flipped[i] ^ 0xFF);
    const auto doc = ClsStore().ParseDocument(flipped);
    if (i < 5) {
      EXPECT_FALSE(doc);  // magic
    } else if (i < 18) {
      ASSERT_TRUE(doc);  // version, product
      EXPECT_EQ(doc->Layers.size(), reference->Layers.size());
    } else if (i == 18 || i == 22) {
      ASSERT_TRUE(doc);  // page side 16 -> 239
      EXPECT_EQ(i == 18 ? doc->PageWidth : doc->PageHeight, 239);
    } else if (i == 21 || i == 25) {
      EXPECT_FALSE(doc);  // negative page side
    } else if (i >= 26 && i < 30) {
      ASSERT_TRUE(doc);
      EXPECT_EQ(doc->BackgroundColor, reference->BackgroundColor ^ (0xFFu << (8 * (i - 26))));
    } else if (i >= 30) {
      EXPECT_FALSE(doc);  // the layer count no longer matches the blocks
    }
  }
}

TEST(ClsStoreSave, ReplacesAnExistingFileWhole) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.lumx");
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'z'));
  }
  ASSERT_EQ(ClsStore().SaveDocument(path, 16, 16, 0, SampleLayers()), "");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), ValidFile().replace(26, 4, QByteArray(4, '\0')));
}

namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

IconDocument DocumentWithBigLayers() {
  IconDocument doc;
  doc.InitDocument(64, 64, false);
  for (uint32_t i = 0; i < 4; ++i) doc.Layers.push_back(MakeLayer(RandomImage(64, 64, i), 0, 0));
  doc.Modified = true;
  return doc;
}

}  // namespace

TEST(ClsStoreSave, FailedSaveKeepsTheOldFileAndTheModifiedFlag) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.lumx");
  const QByteArray original(1000, 'o');
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(original);
  }
  IconDocument doc = DocumentWithBigLayers();
  // Root ignores permissions: a file size limit makes the write fail for anyone.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 8192;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const QString error = SaveDocument(doc, path);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(doc.Modified);
  EXPECT_TRUE(doc.FileName.isEmpty());
  EXPECT_EQ(ReadAll(path), original);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"doc.lumx"});

  EXPECT_EQ(SaveDocument(doc, path), "");
  EXPECT_FALSE(doc.Modified);
  EXPECT_EQ(doc.FileName, path);
  EXPECT_TRUE(ClsStore().LoadDocument(path, nullptr));
}

TEST(ClsStoreSave, SaveInterruptedByTheSystemLeavesTheOriginal) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.lumx");
  const QByteArray original(1000, 'o');
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(original);
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The system kills the writer part-way (SIGXFSZ), before anything is committed.
    rlimit small{8192, 8192};
    setrlimit(RLIMIT_FSIZE, &small);
    IconDocument doc = DocumentWithBigLayers();
    SaveDocument(doc, path);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGXFSZ);
  EXPECT_EQ(ReadAll(path), original);
}

TEST(ClsStoreRoundTrip, ALayerWithoutPixelsComesBackEmpty) {
  // A style on an empty shape leaves such a layer; saving must not fail on it.
  IconLayer empty;
  empty.Bounds = {3, 4, 0, 0};
  IconLayer solid;
  QImage img(4, 4, QImage::Format_ARGB32);
  img.fill(0xFF00FF00u);
  solid.SetImage(img);
  solid.Bounds = {0, 0, 4, 4};
  ClsStore store;
  QString error;
  const QByteArray bytes = store.SerializeDocument(8, 8, 0, {solid, empty}, &error);
  ASSERT_FALSE(bytes.isEmpty()) << error.toStdString();
  const auto doc = store.ParseDocument(bytes);
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Layers.size(), 2u);
  EXPECT_TRUE(doc->Layers[1].Image.isNull());
  EXPECT_EQ(doc->Layers[1].ImageWidth, 0);
  EXPECT_TRUE(doc->Layers[1].HitRegion.isEmpty());
  EXPECT_EQ(doc->Layers[0].Image.pixel(1, 1), 0xFF00FF00u);
}
