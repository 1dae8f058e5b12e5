#include "files/cls_store.h"

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include "files/image_limits.h"
#include "files/parallel_for.h"
#include "files/png_codec.h"
#include "files/safe_write.h"
#include "imaging/bitmap_copy.h"
#include "imaging/rounding.h"
#include "imaging/shape_builders.h"

namespace {

// Encoded layer images of the last save, keyed by the image's cache key (which changes on every
// write to the pixels) and the stored size. A save after a small edit re-encodes only the layers
// that changed. Holds one document's worth of bytes at most.
class LayerPngCache {
 public:
  struct Key {
    qint64 cacheKey;
    int width;
    int height;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    size_t operator()(const Key& k) const {
      return std::hash<qint64>()(k.cacheKey) ^ (size_t(k.width) << 20) ^ size_t(k.height);
    }
  };

  static LayerPngCache& Instance() {
    static LayerPngCache cache;
    return cache;
  }
  QByteArray Find(const Key& key) {
    std::lock_guard lock(mutex_);
    auto it = entries_.find(key);
    return it == entries_.end() ? QByteArray() : it->second;
  }
  void Replace(std::unordered_map<Key, QByteArray, KeyHash> entries) {
    std::lock_guard lock(mutex_);
    entries_ = std::move(entries);
  }

 private:
  std::mutex mutex_;
  std::unordered_map<Key, QByteArray, KeyHash> entries_;
};

LayerPngCache::Key KeyOf(const IconLayer& layer) {
  return {layer.Image.cacheKey(), layer.ImageWidth, layer.ImageHeight};
}

template <typename T>
void Put(QByteArray& out, T value) {
  char b[sizeof(T)];
  qToLittleEndian(value, b);
  out.append(b, sizeof(T));
}

void PutFloat(QByteArray& out, float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, 4);
  Put<uint32_t>(out, bits);
}

void PutBounds(QByteArray& out, const LayerBounds& b) {
  PutFloat(out, b.X);
  PutFloat(out, b.Y);
  PutFloat(out, b.Width);
  PutFloat(out, b.Height);
}

// Sequential little-endian reader that never reads past the end.
class Reader {
 public:
  explicit Reader(const QByteArray& bytes)
      : data_(reinterpret_cast<const uchar*>(bytes.constData())), size_(bytes.size()) {}
  bool Has(qint64 n) const { return n >= 0 && n <= size_ - pos_; }
  qint64 Remaining() const { return size_ - pos_; }
  qint64 Position() const { return pos_; }
  void Skip(qint64 n) { pos_ += n; }
  int16_t I16() { return Take<int16_t>(); }
  int32_t I32() { return Take<int32_t>(); }
  uint32_t U32() { return Take<uint32_t>(); }
  float F32() {
    const uint32_t bits = Take<uint32_t>();
    float f;
    std::memcpy(&f, &bits, 4);
    return f;
  }
  LayerBounds Bounds() {
    LayerBounds b;
    b.X = F32();
    b.Y = F32();
    b.Width = F32();
    b.Height = F32();
    return b;
  }

 private:
  template <typename T>
  T Take() {
    const T v = qFromLittleEndian<T>(data_ + pos_);
    pos_ += sizeof(T);
    return v;
  }
  const uchar* data_;
  qint64 size_;
  qint64 pos_ = 0;
};

// Positions beyond this are not pages or layers anyone made; they also keep float-to-int
// conversions defined.
constexpr float kMaxCoordinate = 1.0e7f;

bool CoordinateOk(float v) { return std::isfinite(v) && std::fabs(v) <= kMaxCoordinate; }
bool BoundsOk(const LayerBounds& b) {
  return CoordinateOk(b.X) && CoordinateOk(b.Y) && CoordinateOk(b.Width) && CoordinateOk(b.Height);
}

struct PendingLayer {
  IconLayer layer;
  qint64 pngAt = 0;
  int32_t pngSize = 0;
};

}  // namespace

namespace {
// A layer whose recorded size is 0 in one direction (and not negative in the other) holds no
// pixels.
bool IsEmptyLayer(const IconLayer& l) {
  return l.ImageWidth >= 0 && l.ImageHeight >= 0 && (l.ImageWidth == 0 || l.ImageHeight == 0);
}
}  // namespace

QByteArray ClsStore::EncodeLayerPng(const IconLayer& layer) {
  const LayerPngCache::Key key = KeyOf(layer);
  if (!layer.Image.isNull()) {
    QByteArray cached = LayerPngCache::Instance().Find(key);
    if (!cached.isEmpty()) return cached;
  }
  if (layer.ImageWidth == 0 || layer.ImageHeight == 0) {
    // A style on an empty shape leaves a layer without pixels; PNG has no empty image, so it is
    // stored as one transparent pixel and read back as empty from its recorded size.
    QImage dot(1, 1, QImage::Format_ARGB32);
    dot.fill(0);
    return EncodePng(dot, kStorePngQuality);
  }
  const QImage copy = CopyToARGBBitmap(layer.Image, layer.ImageWidth, layer.ImageHeight);
  if (copy.isNull()) return QByteArray();
  return EncodePng(copy, kStorePngQuality);
}

QImage ClsStore::DecodeLayerPng(const QByteArray& png, int imageWidth, int imageHeight) {
  const QImage decoded = DecodePng(png);
  if (decoded.isNull()) return QImage();
  return CopyToARGBBitmap(decoded, imageWidth, imageHeight);
}

QByteArray ClsStore::SerializeDocument(int pageWidth, int pageHeight, ARGB background,
                                       const std::vector<IconLayer>& layers, QString* error) {
  const int count = static_cast<int>(layers.size());
  std::vector<QByteArray> pngs(count);
  ParallelFor(count, [&](int i) { pngs[i] = EncodeLayerPng(layers[i]); });

  qint64 total = kHeaderBytes;
  std::unordered_map<LayerPngCache::Key, QByteArray, LayerPngCache::KeyHash> encoded;
  for (int i = 0; i < count; ++i) {
    if (pngs[i].isEmpty()) {
      if (error) *error = QStringLiteral("The image of layer %1 could not be encoded.").arg(i + 1);
      return QByteArray();
    }
    total += kLayerFixedBytes + pngs[i].size() + 1;
    encoded.emplace(KeyOf(layers[i]), pngs[i]);
  }

  QByteArray out;
  out.reserve(total);
  out.append(kMagic, 5);
  Put<int16_t>(out, kVersion);
  out.append(kProduct, 11);
  Put<int32_t>(out, pageWidth);
  Put<int32_t>(out, pageHeight);
  Put<uint32_t>(out, background);
  Put<int32_t>(out, count);
  for (int i = 0; i < count; ++i) {
    const IconLayer& l = layers[i];
    Put<int32_t>(out, l.Hue);
    Put<int32_t>(out, l.Contrast);
    Put<int32_t>(out, l.Brightness);
    Put<int32_t>(out, l.Saturation);
    Put<int32_t>(out, l.ImageHeight);
    PutFloat(out, l.Opacity);
    PutBounds(out, l.BaseBounds);
    Put<int32_t>(out, l.ImageWidth);
    PutBounds(out, l.Bounds);
    Put<int32_t>(out, l.ScaleOffset);
    Put<int16_t>(out, l.Visible ? -1 : 0);
    Put<int16_t>(out, l.ClipAbove ? -1 : 0);
    Put<int32_t>(out, 0);  // clip slot
    // The count is N while N + 1 bytes follow: the PNG and one zero byte.
    Put<int32_t>(out, static_cast<int32_t>(pngs[i].size()));
    out.append(pngs[i]);
    out.append('\0');
  }
  LayerPngCache::Instance().Replace(std::move(encoded));
  return out;
}

QString ClsStore::SaveDocument(const QString& fileName, int pageWidth, int pageHeight,
                               ARGB background, const std::vector<IconLayer>& layers) {
  QString error;
  const QByteArray bytes = SerializeDocument(pageWidth, pageHeight, background, layers, &error);
  if (bytes.isEmpty()) return error;
  return WriteFileAtomically(fileName, bytes);
}

std::optional<StoredDocument> ClsStore::LoadDocument(const QString& fileName, QString* error) {
  QByteArray bytes;
  std::optional<StoredDocument> doc;
  if (ReadWholeFile(fileName, kMaxFileBytes, &bytes, nullptr)) doc = ParseDocument(bytes);
  if (!doc && error) *error = kInvalidFile;
  return doc;
}

std::optional<StoredDocument> ClsStore::ParseDocument(const QByteArray& bytes) {
  Reader in(bytes);
  if (!in.Has(kHeaderBytes) || std::memcmp(bytes.constData(), kMagic, 5) != 0) return std::nullopt;
  in.Skip(5 + 2 + 11);  // version and product are not checked
  StoredDocument doc;
  doc.PageWidth = in.I32();
  doc.PageHeight = in.I32();
  doc.BackgroundColor = in.U32();
  const int32_t count = in.I32();
  // The page's composite is allocated from these: it must be a size some file could hold.
  if (!image_limits::AllocationJustified(doc.PageWidth, doc.PageHeight, bytes.size())) {
    return std::nullopt;
  }
  if (count < 0 || count > kMaxLayers || count > in.Remaining() / (kLayerFixedBytes + 1)) {
    return std::nullopt;
  }

  std::vector<PendingLayer> pending(count);
  qint64 pixels = 0;
  for (PendingLayer& p : pending) {
    if (!in.Has(kLayerFixedBytes)) return std::nullopt;
    IconLayer& l = p.layer;
    in.Skip(16);  // stored adjustments; a loaded layer starts from the neutral ones
    l.Hue = 0;
    l.Contrast = 50;
    l.Brightness = 50;
    l.Saturation = 40;
    l.ImageHeight = in.I32();
    l.Opacity = in.F32();
    l.BaseBounds = in.Bounds();
    l.ImageWidth = in.I32();
    l.Bounds = in.Bounds();
    l.ScaleOffset = in.I32();
    l.Visible = in.I16() != 0;
    l.ClipAbove = in.I16() != 0;
    in.Skip(4);  // clip slot: the clip path is rebuilt from Bounds when needed
    p.pngSize = in.I32();
    if (p.pngSize < 0 || !in.Has(qint64(p.pngSize) + 1)) return std::nullopt;
    p.pngAt = in.Position();
    in.Skip(qint64(p.pngSize) + 1);

    if (!std::isfinite(l.Opacity) || !BoundsOk(l.Bounds) || !BoundsOk(l.BaseBounds)) {
      return std::nullopt;
    }
    l.Opacity = std::clamp(l.Opacity, 0.0f, 1.0f);
    if (IsEmptyLayer(l)) continue;
    // Every layer image is allocated at its recorded size, decoded or not.
    if (!image_limits::AllocationJustified(l.ImageWidth, l.ImageHeight, qint64(p.pngSize) + 1)) {
      return std::nullopt;
    }
    pixels += qint64(l.ImageWidth) * l.ImageHeight;
    if (pixels > image_limits::kMaxPixels) return std::nullopt;
  }

  std::vector<char> failed(count, 0);
  ParallelFor(count, [&](int i) {
    IconLayer& l = pending[i].layer;
    if (IsEmptyLayer(l)) return;
    const QByteArray png = QByteArray::fromRawData(bytes.constData() + pending[i].pngAt,
                                                   pending[i].pngSize);
    QImage image = DecodeLayerPng(png, l.ImageWidth, l.ImageHeight);
    if (image.isNull()) {
      image = QImage(l.ImageWidth, l.ImageHeight, QImage::Format_ARGB32);
      if (image.isNull()) {
        failed[i] = 1;
        return;
      }
      image.fill(0);
    }
    l.Image = image;
    l.HitRegion = CreateRegion(image, 10).translated(RoundHalfEven(l.Bounds.X),
                                                    RoundHalfEven(l.Bounds.Y));
  });
  for (char f : failed) {
    if (f) return std::nullopt;
  }
  doc.Layers.reserve(count);
  for (PendingLayer& p : pending) doc.Layers.push_back(std::move(p.layer));
  return doc;
}
