#pragma once

#include <QByteArray>
#include <QImage>

// PNG encoding and decoding in memory.

// The compression the document store and the icon writer use: QImageWriter quality 50 is zlib
// level 4, which measured within 1 % of Qt's default size in a third of its time (quality 60 and
// up grew files by 13 % or more).
constexpr int kStorePngQuality = 50;

// PNG bytes of `image` (8 bits per channel with alpha for ARGB32), or empty on failure.
// `quality` is QImageWriter's quality (-1: Qt's default deflate level).
QByteArray EncodePng(const QImage& image, int quality = -1);

// Decodes `bytes` as PNG only (no content sniffing). The header size must pass the limits of
// image_limits.h, justified by the length of `bytes`; otherwise, or when decoding fails part-way,
// returns a null image. The result is ARGB32.
QImage DecodePng(const QByteArray& bytes);

// Decodes picture bytes of any format Qt reads, checking the header size the same way first.
// `error` receives a short reason on failure.
QImage DecodePicture(const QByteArray& bytes, QString* error);
