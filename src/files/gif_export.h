#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>

// GIF conversion of a page: alpha threshold to a black key colour, octree reduction to at most
// 256 colours, an 8-bit image whose palette marks the key as transparent, and GIF encoding.

// A 24-bit (BGR888) copy of `argb` where pixels of alpha below `threshold` become the key colour
// black and genuine near-black pixels (all channels below 10) are lifted to (5, 5, 5).
QImage AlphaToKeyImage(const QImage& argb, uint8_t threshold);

// A 24-bit copy of `argb` with the alpha dropped.
QImage DropAlpha(const QImage& argb);

// The 8-bit indexed image of a 24-bit image: octree palette of 16 or 256 entries (alpha 255, the
// unused ones 0). With `useTransparencyColor` the first palette entry whose channels are all below
// 5 gets alpha 0 and becomes the transparent colour; its index goes to `transparentIndex` (-1
// when there is none).
QImage PaletteImageGIF(const QImage& bgr888, bool useTransparencyColor,
                       int* transparentIndex = nullptr);

// GIF bytes of an 8-bit indexed image with its 256-entry palette; `transparentIndex` (-1: none)
// is written as the transparent colour. Empty with `error` set on failure.
QByteArray EncodeGif(const QImage& indexed8, int transparentIndex, QString* error);

// The whole GIF path of an export: `transparentBackground` keys pixels below `threshold`.
QByteArray ExportGifBytes(const QImage& argb, bool transparentBackground, uint8_t threshold,
                          QString* error);

// Draws the GIF result of `page` for the transparency dialog's preview into a bw x bh box: each
// axis limited to the box separately and centred.
void DemoGIFimage(const QImage& page, QPainter& surface, int bw, int bh, uint8_t threshold);
