#include "files/picture_export.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include "files/icon_file_reader.h"
#include "test_support.h"

using namespace testing_files;

namespace {

QImage Filled(int w, int h, uint32_t argb) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(argb);
  return image;
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

TEST(FitRectangle, ShrinksKeepingProportionsAndCentres) {
  struct Row {
    float sw, sh, box;
    FitResult expected;
  };
  for (const Row& r : std::vector<Row>{{40, 20, 32, {0, 8, 32, 16}},
                                       {40, 20, 24, {0, 6, 24, 12}},
                                       {20, 20, 16, {0, 0, 16, 16}},
                                       {20, 40, 16, {4, 0, 8, 16}},
                                       {10, 6, 16, {3, 5, 10, 6}},  // never enlarged
                                       {512, 100, 48, {0, 19, 48, 9}}}) {
    const FitResult f = FitRectangle(r.sw, r.sh, r.box, r.box);
    EXPECT_EQ(f.X, r.expected.X) << r.sw << "x" << r.sh << " in " << r.box;
    EXPECT_EQ(f.Y, r.expected.Y) << r.sw << "x" << r.sh << " in " << r.box;
    EXPECT_EQ(f.W, r.expected.W) << r.sw << "x" << r.sh << " in " << r.box;
    EXPECT_EQ(f.H, r.expected.H) << r.sw << "x" << r.sh << " in " << r.box;
  }
}

TEST(IconSizes, EverySizeNotLargerThanTheLargerSide) {
  using V = std::vector<int>;
  EXPECT_EQ(IconSizes(512, 512), (V{256, 128, 64, 48, 32, 24, 16}));
  EXPECT_EQ(IconSizes(256, 10), (V{256, 128, 64, 48, 32, 24, 16}));
  EXPECT_EQ(IconSizes(255, 255), (V{128, 64, 48, 32, 24, 16}));
  EXPECT_EQ(IconSizes(48, 48), (V{48, 32, 24, 16}));
  EXPECT_EQ(IconSizes(20, 40), (V{32, 24, 16}));
  EXPECT_EQ(IconSizes(16, 1), (V{16}));
  EXPECT_EQ(IconSizes(15, 15), V{});
}

TEST(IconExport, PlacesThePageAndIgnoresTheBackground) {
  const QImage page = Filled(40, 20, 0xFF00FF00u);
  const QImage icon = RenderIconImage(page, 32);
  EXPECT_EQ(qAlpha(icon.pixel(5, 7)), 0);
  EXPECT_EQ(icon.pixel(0, 8), 0xFF00FF00u);
  EXPECT_EQ(icon.pixel(31, 23), 0xFF00FF00u);
  EXPECT_EQ(qAlpha(icon.pixel(31, 24)), 0);

  QString error;
  const QByteArray bytes = EncodeExport(page, 0xFFFF0000u, ExportType::ICO, 130, &error);
  const auto read = ReadIconFile(bytes);
  ASSERT_TRUE(read) << error.toStdString();
  ASSERT_EQ(read->Offered.size(), 3u);  // 32, 24, 16
  const QImage at24 = read->OfferedImage(1);
  EXPECT_EQ(at24.width(), 24);
  EXPECT_EQ(qAlpha(at24.pixel(0, 5)), 0);
  EXPECT_EQ(at24.pixel(0, 6), 0xFF00FF00u);
  EXPECT_EQ(at24.pixel(23, 17), 0xFF00FF00u);
  EXPECT_EQ(qAlpha(at24.pixel(23, 18)), 0);
}

TEST(IconExport, ShrinkingAveragesTheCoveredArea) {
  // A one-pixel black and white checkerboard must come out grey, not black or white.
  QImage page(512, 512, QImage::Format_ARGB32);
  for (int y = 0; y < 512; ++y) {
    for (int x = 0; x < 512; ++x) page.setPixel(x, y, (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u);
  }
  for (int size : {256, 48, 16}) {
    const QImage icon = RenderIconImage(page, size);
    for (const QPoint p : {QPoint(0, 0), QPoint(size / 2, size / 3), QPoint(size - 1, size - 1)}) {
      EXPECT_NEAR(qRed(icon.pixel(p)), 128, 2) << size;
      EXPECT_EQ(qAlpha(icon.pixel(p)), 255) << size;
    }
  }
}

TEST(IconExport, OurIconsReadBackLargestFirstWithAlpha) {
  QImage page = RandomImage(512, 512, 11);
  for (int y = 0; y < 512; ++y) {
    for (int x = 0; x < 256; ++x) page.setPixel(x, y, 0);  // transparent left half
  }
  QTemporaryDir dir;
  const QString path = dir.filePath("out.ico");
  ASSERT_EQ(ExportPicture(page, 0, path), "");

  const auto ours = LoadImageFromFile(path);
  ASSERT_TRUE(ours);
  const std::vector<int> expected{256, 128, 64, 48, 32, 24, 16};
  ASSERT_EQ(ours->Offered.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    const QImage image = ours->OfferedImage(int(i));
    EXPECT_EQ(image.width(), expected[i]);
    EXPECT_EQ(image, RenderIconImage(page, expected[i]));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
  }
  EXPECT_TRUE(ours->Records[0].IsPng);
  EXPECT_FALSE(ours->Records[1].IsPng);

  QImageReader qt(path, "ico");
  EXPECT_EQ(qt.imageCount(), 7);
  for (int i = 0; i < qt.imageCount(); ++i) {
    ASSERT_TRUE(qt.jumpToImage(i));
    const QImage image = qt.read();
    EXPECT_EQ(image.width(), expected[i]) << i;
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << i;
  }

  if (QStandardPaths::findExecutable("icotool").isEmpty()) GTEST_SKIP() << "icotool missing";
  QProcess p;
  p.start("icotool", {"-l", path});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).trimmed().split('\n');
  ASSERT_EQ(lines.size(), 7);
  for (int i = 0; i < 7; ++i) {
    EXPECT_TRUE(lines[i].contains(QStringLiteral("--width=%1 ").arg(expected[i]))) << lines[i].toStdString();
    EXPECT_TRUE(lines[i].contains("--bit-depth=32")) << lines[i].toStdString();
  }
}

TEST(IconExport, PageSmallerThan16IsReportedNotWritten) {
  QTemporaryDir dir;
  const QString path = dir.filePath("tiny.ico");
  EXPECT_NE(ExportPicture(Filled(15, 10, 0xFF000000u), 0, path), "");
  EXPECT_FALSE(QFile::exists(path));
}

TEST(PictureExport, BackgroundsPerFormat) {
  QImage page = Filled(8, 4, 0);
  page.setPixel(0, 0, 0xFF102030u);
  page.setPixel(1, 0, 0x80FF0000u);  // half-transparent red
  QTemporaryDir dir;
  struct Row {
    const char* name;
    ARGB background;
    uint32_t corner;  // the transparent pixel after export
  };
  for (const Row& r : std::vector<Row>{{"x.bmp", 0, 0xFFFFFFFFu},
                                       {"x.jpg", 0, 0xFFFFFFFFu},
                                       {"x.bmp", 0xFF0000FFu, 0xFF0000FFu},
                                       {"x.png", 0, 0u},
                                       {"x.png", 0xFF00FF00u, 0xFF00FF00u}}) {
    SCOPED_TRACE(std::string(r.name) + " on " + std::to_string(r.background));
    const QString path = dir.filePath(r.name);
    ASSERT_EQ(ExportPicture(page, r.background, path), "");
    const QImage back = QImage(path).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(back.size(), page.size());
    const bool lossy = QString(r.name).endsWith(".jpg");
    if (lossy) {
      EXPECT_NEAR(qRed(back.pixel(7, 3)), qRed(r.corner), 3);
      EXPECT_EQ(qAlpha(back.pixel(7, 3)), 255);
      continue;
    }
    EXPECT_EQ(back.pixel(7, 3), r.corner);
    EXPECT_EQ(back.pixel(0, 0), 0xFF102030u);
    if (r.background == 0xFF0000FFu) EXPECT_EQ(back.pixel(1, 0), 0xFF80007Fu);
    if (r.background == 0 && QString(r.name).endsWith(".png")) EXPECT_EQ(back.pixel(1, 0), 0x80FF0000u);
  }
  // BMP is 24-bit.
  const QByteArray bmp = ReadAll(dir.filePath("x.bmp"));
  ASSERT_GT(bmp.size(), 30);
  EXPECT_EQ(qFromLittleEndian<uint16_t>(bmp.constData() + 28), 24);
}

TEST(PictureExport, JpegIsWrittenAtQuality99) {
  const QImage page = RandomImage(32, 32, 12);
  QString error;
  const QByteArray ours = EncodeExport(page, 0xFF808080u, ExportType::JPEG, 130, &error);
  QByteArray reference;
  QBuffer buffer(&reference);
  buffer.open(QIODevice::WriteOnly);
  RenderExportCanvas(page, 0xFF808080u, ExportType::JPEG)
      .convertToFormat(QImage::Format_RGB888)
      .save(&buffer, "jpeg", 99);
  EXPECT_EQ(ours, reference);
}

TEST(PictureExport, FailuresAreReportedAndLeaveTheOldFile) {
  QTemporaryDir dir;
  EXPECT_NE(ExportPicture(Filled(4, 4, 0xFF000000u), 0, dir.filePath("missing/x.png")), "");
  EXPECT_NE(ExportPicture(Filled(4, 4, 0xFF000000u), 0, dir.filePath("x.tiff")), "");

  const QString path = dir.filePath("old.ico");
  const QByteArray original(500, 'o');
  {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(original);
  }
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  auto handler = signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 4096;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const QString error = ExportPicture(RandomImage(64, 64, 1), 0, path);
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, handler);
  EXPECT_NE(error, "");
  EXPECT_EQ(ReadAll(path), original);
}
