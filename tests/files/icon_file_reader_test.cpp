#include "files/icon_file_reader.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "files/png_codec.h"
#include "test_support.h"

using namespace testing_files;

namespace {

// Builds icon files entry by entry; offsets are filled in by Build().
class IconBuilder {
 public:
  int16_t reserved = 0, type = 1;
  // A bitmap entry: header height `headerHeight`, `pixelBytes` of colour rows, then the mask.
  IconBuilder& Bitmap(int32_t width, int32_t headerHeight, int bitCount, const QByteArray& rows,
                      const QByteArray& mask = {}) {
    Bytes b;
    b.U32(40).I32(width).I32(headerHeight).U16(1).U16(uint16_t(bitCount)).U32(0);
    b.U32(uint32_t(rows.size() + mask.size())).I32(0).I32(0).U32(0).U32(0);
    b.Raw(rows).Raw(mask);
    blobs.push_back(b.data);
    return *this;
  }
  IconBuilder& Blob(const QByteArray& data) {
    blobs.push_back(data);
    return *this;
  }
  QByteArray Build(std::vector<int64_t> offsetOverride = {}) const {
    Bytes b;
    b.I16(reserved).I16(type).I16(int16_t(blobs.size()));
    uint32_t offset = 6 + 16 * uint32_t(blobs.size());
    for (size_t i = 0; i < blobs.size(); ++i) {
      b.U8(0).U8(0).U8(0).U8(0).U16(1).U16(32).U32(uint32_t(blobs[i].size()));
      b.U32(i < offsetOverride.size() && offsetOverride[i] >= 0 ? uint32_t(offsetOverride[i])
                                                                : offset);
      offset += uint32_t(blobs[i].size());
    }
    for (const QByteArray& blob : blobs) b.Raw(blob);
    return b.data;
  }
  std::vector<QByteArray> blobs;
};

// 32-bit rows of `image`, bottom row first.
QByteArray BottomUpRows(const QImage& image) {
  Bytes b;
  for (int y = image.height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.width(); ++x) b.U32(image.pixel(x, y));
  }
  return b.data;
}

bool RunTool(const QString& program, const QStringList& args) {
  if (QStandardPaths::findExecutable(program).isEmpty()) return false;
  QProcess p;
  p.start(program, args);
  return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// An opaque red left half and a transparent right half.
QImage HalfRed(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(0);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size / 2; ++x) image.setPixel(x, y, 0xFFFF0000u);
  }
  return image;
}

void ExpectHalfRed(const QImage& image) {
  const int w = image.width(), h = image.height();
  EXPECT_EQ(image.pixel(w / 4, h / 2), 0xFFFF0000u) << w;
  EXPECT_EQ(qAlpha(image.pixel(w * 3 / 4, h / 2)), 0) << w;
}

}  // namespace

TEST(IconFileReader, HeightIsHalfTheHeaderHeightAndRowsAreFlipped) {
  for (int headerHeight : {64, 63}) {
    const QImage image = RandomImage(4, headerHeight / 2, 5);
    const QByteArray file = IconBuilder().Bitmap(4, headerHeight, 32, BottomUpRows(image)).Build();
    const auto icon = ReadIconFile(file);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->Offered.size(), 1u);
    const QImage got = icon->OfferedImage(0);
    EXPECT_EQ(got.height(), headerHeight / 2);
    EXPECT_EQ(got.pixel(1, 0), image.pixel(1, 0));  // top row stays on top
    EXPECT_EQ(got.pixel(3, got.height() - 1), image.pixel(3, image.height() - 1));
  }
}

TEST(IconFileReader, RefusesWhatIsNotAnIconFile) {
  const QByteArray rows = BottomUpRows(RandomImage(2, 2, 1));
  IconBuilder cursor;
  cursor.type = 2;
  cursor.Bitmap(2, 4, 32, rows);
  IconBuilder reserved;
  reserved.reserved = 1;
  reserved.Bitmap(2, 4, 32, rows);
  const QByteArray valid = IconBuilder().Bitmap(2, 4, 32, rows).Build();
  QByteArray shortDirectory = valid.left(6 + 8);
  EXPECT_FALSE(ReadIconFile(cursor.Build()));
  EXPECT_FALSE(ReadIconFile(reserved.Build()));
  EXPECT_FALSE(ReadIconFile(QByteArray("\0\0\1\0\0\0", 6)));  // no entries
  EXPECT_FALSE(ReadIconFile(shortDirectory));
  EXPECT_FALSE(ReadIconFile(QByteArray()));
  EXPECT_TRUE(ReadIconFile(valid));
}

TEST(IconFileReader, PaletteEntriesAreReadButNotOffered) {
  const QImage image = RandomImage(8, 8, 2);
  const QByteArray file = IconBuilder()
                              .Bitmap(8, 16, 4, QByteArray(64, '\x11'))
                              .Bitmap(8, 16, 8, QByteArray(64 + 1024, '\x22'))
                              .Bitmap(8, 16, 32, BottomUpRows(image))
                              .Build();
  const auto icon = ReadIconFile(file);
  ASSERT_TRUE(icon);
  ASSERT_EQ(icon->Records.size(), 3u);
  EXPECT_EQ(icon->Records[0].BitCount, 4);
  EXPECT_EQ(icon->Records[1].BitCount, 8);
  EXPECT_EQ(icon->Offered, std::vector<int>{2});
  EXPECT_EQ(icon->Preselected, 0);
  EXPECT_EQ(icon->OfferedImage(icon->Preselected), image);
}

TEST(IconFileReader, PngEntriesAreDecodedAndOffered) {
  const QImage small = RandomImage(16, 16, 3);
  const QImage big = RandomImage(256, 256, 4);
  const QByteArray file =
      IconBuilder().Blob(EncodePng(big)).Bitmap(16, 32, 32, BottomUpRows(small)).Build();
  const auto icon = ReadIconFile(file);
  ASSERT_TRUE(icon);
  ASSERT_EQ(icon->Offered.size(), 2u);
  EXPECT_TRUE(icon->Records[0].IsPng);
  EXPECT_EQ(icon->OfferedImage(0), big);
  EXPECT_EQ(icon->OfferedImage(1), small);
  EXPECT_EQ(icon->Preselected, 0);
}

TEST(IconFileReader, AndMaskGivesAlphaTo24BitAndAlphaLess32BitEntries) {
  // 3 x 2 pixels; the mask hides the middle column of the bottom row.
  Bytes rows24;
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) rows24.U8(uint8_t(10 * x)).U8(uint8_t(20 + y)).U8(200);
    rows24.U8(0).U8(0).U8(0);  // 9 bytes padded to 12
  }
  Bytes mask;
  mask.U32(qToBigEndian<uint32_t>(0x40000000u)).U32(0);  // file's first row is the bottom one
  const QByteArray rows32 = QByteArray(3 * 2 * 4, '\x7f').replace(3, 1, "\0", 1);
  QByteArray noAlpha = rows32;
  for (int i = 3; i < noAlpha.size(); i += 4) noAlpha[i] = 0;
  const auto icon = ReadIconFile(
      IconBuilder().Bitmap(3, 4, 24, rows24.data, mask.data).Bitmap(3, 4, 32, noAlpha, mask.data).Build());
  ASSERT_TRUE(icon);
  ASSERT_EQ(icon->Offered.size(), 2u);
  for (int e = 0; e < 2; ++e) {
    const QImage image = icon->OfferedImage(e);
    EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0) << e;
    EXPECT_EQ(qAlpha(image.pixel(0, 1)), 255) << e;
    EXPECT_EQ(qAlpha(image.pixel(1, 0)), 255) << e;
  }
  EXPECT_EQ(icon->OfferedImage(0).pixel(2, 1) & 0xFFFFFFu, 0xC81414u);
}

TEST(IconFileReader, BrokenEntriesAreSkippedNotFatal) {
  const QImage image = RandomImage(4, 4, 6);
  const QByteArray good = BottomUpRows(image);
  struct Row {
    const char* name;
    QByteArray file;
  };
  IconBuilder twoEntries;
  twoEntries.Bitmap(4, 8, 32, good).Bitmap(4, 8, 32, good);
  const std::vector<Row> rows = {
      {"offset past the end", twoEntries.Build({100000})},
      {"offset into the directory", twoEntries.Build({6})},
      {"offset at the header", twoEntries.Build({0})},
      {"offset near 4 GiB", twoEntries.Build({0xFFFFFFF0ll})},
      {"width far too large", IconBuilder().Bitmap(0x7FFFFFFF, 8, 32, good).Bitmap(4, 8, 32, good).Build()},
      {"negative height", IconBuilder().Bitmap(4, -8, 32, good).Bitmap(4, 8, 32, good).Build()},
      {"INT32_MIN height", IconBuilder().Bitmap(4, INT32_MIN, 32, good).Bitmap(4, 8, 32, good).Build()},
      {"png cut short", IconBuilder().Blob(EncodePng(image).left(40)).Bitmap(4, 8, 32, good).Build()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const auto icon = ReadIconFile(row.file);
    ASSERT_TRUE(icon);
    ASSERT_EQ(icon->Offered.size(), 1u);
    EXPECT_EQ(icon->Offered[0], 1);
    EXPECT_EQ(icon->OfferedImage(0), image);
  }
  // Pixels that run past the end of the file: only the complete first entry is offered.
  const auto cut = ReadIconFile(IconBuilder().Bitmap(4, 8, 32, good).Bitmap(4, 8, 32, good.left(20)).Build());
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->Offered, std::vector<int>{0});
}

TEST(IconFileReader, PrefixesAndFlippedBytesNeverCrash) {
  const QImage image = RandomImage(8, 8, 7);
  const QByteArray file =
      IconBuilder().Blob(EncodePng(image)).Bitmap(8, 16, 32, BottomUpRows(image)).Build();
  for (qsizetype n = 0; n < file.size(); ++n) {
    const auto icon = ReadIconFile(file.left(n));
    if (n < 6 + 32) {
      EXPECT_FALSE(icon) << n;
    } else {
      ASSERT_TRUE(icon) << n;
      // The complete bitmap entry is the last thing in the file.
      EXPECT_LE(icon->Offered.size(), 1u) << n;
    }
  }
  for (int i = 0; i < 6 + 32 + 40; ++i) {
    QByteArray flipped = file;
    flipped[i] = char(flipped[i] ^ 0xFF);
    const auto icon = ReadIconFile(flipped);
    if (icon) {
      for (int k : icon->Offered) EXPECT_FALSE(icon->Records[k].Image.isNull());
    }
  }
}

TEST(IconFileReader, ReadsIconsWrittenByImageMagick) {
  QTemporaryDir dir;
  const QString png = dir.filePath("in.png");
  const QString ico = dir.filePath("out.ico");
  ASSERT_TRUE(HalfRed(256).save(png));
  if (!RunTool("convert", {png, "-define", "icon:auto-resize=256,48,16", ico})) {
    GTEST_SKIP() << "ImageMagick convert not available";
  }
  const auto icon = LoadImageFromFile(ico);
  ASSERT_TRUE(icon);
  ASSERT_EQ(icon->Offered.size(), 3u);
  std::vector<int> sides;
  for (int k : icon->Offered) {
    sides.push_back(icon->Records[k].Width);
    EXPECT_EQ(icon->Records[k].Width, icon->Records[k].Height);
    ExpectHalfRed(icon->Records[k].Image);
  }
  std::sort(sides.begin(), sides.end());
  EXPECT_EQ(sides, (std::vector<int>{16, 48, 256}));
}

TEST(IconFileReader, ReadsIconsWrittenByIcotool) {
  QTemporaryDir dir;
  const QString p16 = dir.filePath("a16.png"), p32 = dir.filePath("a32.png");
  const QString p256 = dir.filePath("a256.png");
  ASSERT_TRUE(HalfRed(16).save(p16) && HalfRed(32).save(p32) && HalfRed(256).save(p256));
  const QString plain = dir.filePath("plain.ico"), raw = dir.filePath("raw.ico");
  const QString deep24 = dir.filePath("deep24.ico");
  if (!RunTool("icotool", {"-c", "-b", "32", "-o", plain, p16, p32}) ||
      !RunTool("icotool", {"-c", "-b", "32", "-o", raw, p16, "-r", p256}) ||
      !RunTool("icotool", {"-c", "-b", "24", "-o", deep24, p32})) {
    GTEST_SKIP() << "icotool not available";
  }
  const auto a = LoadImageFromFile(plain);
  ASSERT_TRUE(a);
  ASSERT_EQ(a->Offered.size(), 2u);
  EXPECT_EQ(a->Records[a->Offered[0]].Width, 16);
  EXPECT_EQ(a->Records[a->Offered[1]].Height, 32);
  for (int k : a->Offered) ExpectHalfRed(a->Records[k].Image);
  const auto b = LoadImageFromFile(raw);
  ASSERT_TRUE(b);
  ASSERT_EQ(b->Offered.size(), 2u);
  for (int k : b->Offered) ExpectHalfRed(b->Records[k].Image);
  EXPECT_TRUE(b->Records[b->Offered[1]].IsPng);
  const auto c = LoadImageFromFile(deep24);  // alpha from the AND mask
  ASSERT_TRUE(c);
  ASSERT_EQ(c->Offered.size(), 1u);
  EXPECT_EQ(c->Records[0].BitCount, 24);
  ExpectHalfRed(c->Records[0].Image);
}

TEST(IconFileReader, BestFitShrinksKeepsProportionsAndCentres) {
  struct Row {
    float sw, sh, bw, bh, x, y, w, h;
  };
  for (const Row& r : std::vector<Row>{{256, 256, 100, 56, 22, 0, 56, 56},
                                       {48, 48, 100, 56, 26, 4, 48, 48},
                                       {200, 50, 100, 56, 0, 15, 100, 25}}) {
    float x, y, w, h;
    GetBestFitInfo(r.sw, r.sh, r.bw, r.bh, x, y, w, h);
    EXPECT_EQ(x, r.x);
    EXPECT_EQ(y, r.y);
    EXPECT_EQ(w, r.w);
    EXPECT_EQ(h, r.h);
  }
}
