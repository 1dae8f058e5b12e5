#include "files/gif_export.h"

#include <gif_lib.h>

#include <algorithm>
#include <vector>

#include "files/octree_palette.h"

QImage AlphaToKeyImage(const QImage& argb, uint8_t threshold) {
  const QImage src = argb.format() == QImage::Format_ARGB32
                         ? argb
                         : argb.convertToFormat(QImage::Format_ARGB32);
  QImage key(src.width(), src.height(), QImage::Format_BGR888);
  if (key.isNull()) return key;
  for (int y = 0; y < src.height(); ++y) {
    const auto* in = reinterpret_cast<const uint32_t*>(src.constScanLine(y));
    uint8_t* out = key.scanLine(y);
    for (int x = 0; x < src.width(); ++x, out += 3) {
      const uint32_t p = in[x];
      uint8_t b = uint8_t(p), g = uint8_t(p >> 8), r = uint8_t(p >> 16);
      if ((p >> 24) < threshold) {
        b = g = r = 0;
      } else if (r < 10 && g < 10 && b < 10) {
        b = g = r = 5;  // never confused with the key
      }
      out[0] = b;
      out[1] = g;
      out[2] = r;
    }
  }
  return key;
}

QImage DropAlpha(const QImage& argb) {
  const QImage src = argb.format() == QImage::Format_ARGB32
                         ? argb
                         : argb.convertToFormat(QImage::Format_ARGB32);
  QImage out(src.width(), src.height(), QImage::Format_BGR888);
  if (out.isNull()) return out;
  for (int y = 0; y < src.height(); ++y) {
    const auto* in = reinterpret_cast<const uint32_t*>(src.constScanLine(y));
    uint8_t* o = out.scanLine(y);
    for (int x = 0; x < src.width(); ++x, o += 3) {
      o[0] = uint8_t(in[x]);
      o[1] = uint8_t(in[x] >> 8);
      o[2] = uint8_t(in[x] >> 16);
    }
  }
  return out;
}

QImage PaletteImageGIF(const QImage& bgr888, bool useTransparencyColor, int* transparentIndex) {
  if (transparentIndex) *transparentIndex = -1;
  const QImage src = bgr888.format() == QImage::Format_BGR888
                         ? bgr888
                         : bgr888.convertToFormat(QImage::Format_BGR888);
  const int w = src.width();
  const int h = src.height();
  QImage indexed(w, h, QImage::Format_Indexed8);
  if (src.isNull() || indexed.isNull()) return QImage();
  // QImage rows are already padded to 4 bytes, the layout the octree walks.
  const int stride = static_cast<int>(src.bytesPerLine());
  OctreePalette tree;
  tree.BuildOctreePalette(src.constBits(), stride, h, stride - 3 * w, 256, 8);

  for (int y = 0; y < h; ++y) {
    const uint8_t* in = src.constScanLine(y);
    uint8_t* out = indexed.scanLine(y);
    // Neighbouring pixels often repeat: remember the last lookup.
    int lastColor = -1, lastIndex = 0;
    for (int x = 0; x < w; ++x, in += 3) {
      const int color = in[0] | (in[1] << 8) | (in[2] << 16);
      if (color != lastColor) {
        lastColor = color;
        lastIndex = tree.GetPaletteIndex(in[0], in[1], in[2]);
      }
      out[x] = uint8_t(lastIndex);
    }
  }

  QList<QRgb> palette(256, 0u);
  for (int i = 0; i <= tree.GetPaletteCount(); ++i) {
    const OctreePalette::Rgb c = tree.GetPaletteColor(i);
    palette[i] = qRgba(c.Red, c.Green, c.Blue, 255);
  }
  if (useTransparencyColor) {
    for (int i = 0; i <= tree.GetPaletteCount(); ++i) {
      const OctreePalette::Rgb c = tree.GetPaletteColor(i);
      if (c.Red < 5 && c.Green < 5 && c.Blue < 5) {
        palette[i] = qRgba(c.Red, c.Green, c.Blue, 0);
        if (transparentIndex) *transparentIndex = i;
        break;
      }
    }
  }
  indexed.setColorTable(palette);
  return indexed;
}

namespace {

int AppendToByteArray(GifFileType* gif, const GifByteType* data, int length) {
  static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
  return length;
}

QString GifError(int code) {
  const char* text = GifErrorString(code);
  return QStringLiteral("GIF encoding failed: ") +
         (text ? QString::fromLatin1(text) : QString::number(code));
}

}  // namespace

QByteArray EncodeGif(const QImage& indexed8, int transparentIndex, QString* error) {
  const int w = indexed8.width();
  const int h = indexed8.height();
  if (indexed8.format() != QImage::Format_Indexed8 || w < 1 || h < 1 || w > 65535 || h > 65535) {
    if (error) *error = QStringLiteral("A GIF picture must be 1 to 65535 pixels a side.");
    return QByteArray();
  }
  const QList<QRgb> table = indexed8.colorTable();
  GifColorType colors[256] = {};
  for (int i = 0; i < 256 && i < table.size(); ++i) {
    colors[i] = GifColorType{GifByteType(qRed(table[i])), GifByteType(qGreen(table[i])),
                             GifByteType(qBlue(table[i]))};
  }
  const int transparent =
      transparentIndex >= 0 && transparentIndex < 256 ? transparentIndex : NO_TRANSPARENT_COLOR;

  QByteArray out;
  int code = 0;
  GifFileType* gif = EGifOpen(&out, AppendToByteArray, &code);
  if (!gif) {
    if (error) *error = GifError(code);
    return QByteArray();
  }
  ColorMapObject* map = GifMakeMapObject(256, colors);
  bool ok = map != nullptr;
  EGifSetGifVersion(gif, true);
  ok = ok && EGifPutScreenDesc(gif, w, h, 8, 0, map) == GIF_OK;
  if (ok && transparent != NO_TRANSPARENT_COLOR) {
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    gcb.UserInputFlag = false;
    gcb.DelayTime = 0;
    gcb.TransparentColor = transparent;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&gcb, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
  for (int y = 0; ok && y < h; ++y) {
    ok = EGifPutLine(gif, const_cast<GifPixelType*>(indexed8.constScanLine(y)), w) == GIF_OK;
  }
  if (!ok) code = gif->Error;
  GifFreeMapObject(map);
  int closeCode = 0;
  if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) {
    ok = false;
    code = closeCode;
  }
  if (!ok) {
    if (error) *error = GifError(code);
    return QByteArray();
  }
  return out;
}

QByteArray ExportGifBytes(const QImage& argb, bool transparentBackground, uint8_t threshold,
                          QString* error) {
  const QImage rgb = transparentBackground ? AlphaToKeyImage(argb, threshold) : DropAlpha(argb);
  int transparent = -1;
  const QImage indexed = PaletteImageGIF(rgb, transparentBackground, &transparent);
  if (indexed.isNull()) {
    if (error) *error = QStringLiteral("The page could not be converted to GIF colours.");
    return QByteArray();
  }
  return EncodeGif(indexed, transparent, error);
}

void DemoGIFimage(const QImage& page, QPainter& surface, int bw, int bh, uint8_t threshold) {
  const QImage result = PaletteImageGIF(AlphaToKeyImage(page, threshold), true);
  if (result.isNull()) return;
  const int w = std::min(bw, result.width());
  const int h = std::min(bh, result.height());
  surface.drawImage(QRect((bw - w) / 2, (bh - h) / 2, w, h), result);
}
