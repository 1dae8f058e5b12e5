#include "files/gif_export.h"

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include <set>

#include "files/octree_palette.h"
#include "test_support.h"

using namespace testing_files;

namespace {

QImage ReadGif(const QByteArray& bytes) {
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "gif");
  return reader.read().convertToFormat(QImage::Format_ARGB32);
}

std::set<uint32_t> PaletteColours(const OctreePalette& tree) {
  std::set<uint32_t> colours;
  for (int i = 0; i <= tree.GetPaletteCount(); ++i) {
    const auto c = tree.GetPaletteColor(i);
    colours.insert(qRgb(c.Red, c.Green, c.Blue) & 0xFFFFFFu);
  }
  return colours;
}

}  // namespace

TEST(GifExport, ThresholdKeysWeakPixelsAndLiftsNearBlack) {
  QImage page(5, 1, QImage::Format_ARGB32);
  page.setPixel(0, 0, qRgba(200, 100, 50, 129));
  page.setPixel(1, 0, qRgba(200, 100, 50, 130));
  page.setPixel(2, 0, qRgba(3, 4, 9, 255));
  page.setPixel(3, 0, qRgba(3, 4, 10, 255));
  page.setPixel(4, 0, qRgba(0, 0, 0, 0));
  const QImage key = AlphaToKeyImage(page, 130);
  EXPECT_EQ(key.pixel(0, 0), 0xFF000000u);
  EXPECT_EQ(key.pixel(1, 0), qRgb(200, 100, 50));
  EXPECT_EQ(key.pixel(2, 0), qRgb(5, 5, 5));
  EXPECT_EQ(key.pixel(3, 0), qRgb(3, 4, 10));

  QString error;
  const QImage gif = ReadGif(ExportGifBytes(page, true, 130, &error));
  ASSERT_FALSE(gif.isNull()) << error.toStdString();
  EXPECT_EQ(qAlpha(gif.pixel(0, 0)), 0);
  EXPECT_EQ(gif.pixel(1, 0), qRgb(200, 100, 50));
  EXPECT_EQ(gif.pixel(2, 0), qRgb(5, 5, 5));
  EXPECT_EQ(gif.pixel(3, 0), qRgb(3, 4, 10));
  EXPECT_EQ(qAlpha(gif.pixel(4, 0)), 0);
}

TEST(GifExport, SixteenColoursAreKeptExactly) {
  QImage page(16, 4, QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 16; ++x) page.setPixel(x, y, qRgb(x * 17, 255 - x * 13, (x * 71) % 256));
  }
  const QImage key = AlphaToKeyImage(page, 130);
  OctreePalette tree;
  tree.BuildOctreePalette(key.constBits(), int(key.bytesPerLine()), key.height(),
                          int(key.bytesPerLine()) - 3 * key.width());
  EXPECT_EQ(tree.ColorTableSize(), 16);
  EXPECT_EQ(tree.GetPaletteCount(), 15);
  QString error;
  const QImage gif = ReadGif(ExportGifBytes(page, false, 130, &error));
  ASSERT_FALSE(gif.isNull());
  for (int x = 0; x < 16; ++x) EXPECT_EQ(gif.pixel(x, 2), page.pixel(x, 2)) << x;
}

TEST(GifExport, TransparentPageGivesTransparentBlackAtEntryZero) {
  QImage page(6, 6, QImage::Format_ARGB32);
  page.fill(0);
  int transparent = -2;
  const QImage indexed = PaletteImageGIF(AlphaToKeyImage(page, 130), true, &transparent);
  EXPECT_EQ(transparent, 0);
  EXPECT_EQ(indexed.colorTable().at(0), 0u);
  EXPECT_EQ(indexed.colorTable().size(), 256);
}

TEST(GifExport, OpaqueBackgroundHasNoTransparentColour) {
  QImage page(4, 4, QImage::Format_ARGB32);
  page.fill(0xFF000000u);  // black, which would be the key if keying were on
  int transparent = -2;
  PaletteImageGIF(DropAlpha(page), false, &transparent);
  EXPECT_EQ(transparent, -1);
  QString error;
  const QImage gif = ReadGif(ExportGifBytes(page, false, 130, &error));
  EXPECT_EQ(gif.pixel(1, 1), 0xFF000000u);
}

TEST(OctreePalette, ReducesTheNewestNodeOfTheDeepestLevelFirst) {
  // 129 pairs of colours; the two colours of a pair differ only in the lowest blue bit, so they
  // share a level-7 node. Pixels go in right to left, so pair 0 is inserted first.
  const int pairs = 129;
  QImage row(2 * pairs, 1, QImage::Format_BGR888);
  for (int k = 0; k < pairs; ++k) {
    for (int m = 0; m < 2; ++m) {
      const int x = row.width() - 1 - (2 * k + m);
      row.setPixel(x, 0, qRgb(2 * (k % 128), 2 * (k / 128), m));
    }
  }
  OctreePalette tree;
  tree.BuildOctreePalette(row.constBits(), int(row.bytesPerLine()), 1,
                          int(row.bytesPerLine()) - 3 * row.width());
  EXPECT_EQ(tree.ColorTableSize(), 256);
  const std::set<uint32_t> colours = PaletteColours(tree);
  // The last two pairs were merged into their average; every older pair kept both colours.
  for (int k = 0; k < pairs; ++k) {
    const uint32_t odd = qRgb(2 * (k % 128), 2 * (k / 128), 1) & 0xFFFFFFu;
    const uint32_t even = qRgb(2 * (k % 128), 2 * (k / 128), 0) & 0xFFFFFFu;
    EXPECT_EQ(colours.count(odd), k < pairs - 2 ? 1u : 0u) << k;
    EXPECT_EQ(colours.count(even), 1u) << k;
  }
  EXPECT_EQ(tree.GetPaletteCount(), 256 - 1);
}

TEST(OctreePalette, ManyColoursStayWithin256AndMapToNearbyEntries) {
  const QImage page = RandomImage(64, 64, 3);
  QImage opaque = page;
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) opaque.setPixel(x, y, page.pixel(x, y) | 0xFF000000u);
  }
  const QImage indexed = PaletteImageGIF(DropAlpha(opaque), false);
  ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
  const QList<QRgb> table = indexed.colorTable();
  for (int y = 0; y < 64; y += 7) {
    for (int x = 0; x < 64; x += 5) {
      const QRgb want = opaque.pixel(x, y);
      const QRgb got = table[indexed.pixelIndex(x, y)];
      // A merged node covers at most a 2^k cube around the colour.
      EXPECT_LT(std::abs(qRed(want) - qRed(got)), 128);
      EXPECT_EQ(qAlpha(got), 255);
    }
  }
}

TEST(GifExport, DemoDrawsEachAxisLimitedAndCentred) {
  QImage page(300, 50, QImage::Format_ARGB32);
  page.fill(0xFFFF0000u);
  QImage box(200, 200, QImage::Format_ARGB32);
  box.fill(0);
  {
    QPainter painter(&box);
    DemoGIFimage(page, painter, 200, 200, 130);
  }
  EXPECT_EQ(qAlpha(box.pixel(100, 74)), 0);
  EXPECT_EQ(box.pixel(0, 75), 0xFFFF0000u);
  EXPECT_EQ(box.pixel(199, 124), 0xFFFF0000u);
  EXPECT_EQ(qAlpha(box.pixel(100, 125)), 0);
}
