// Costs of saving, loading and exporting, each beside Qt's own PNG encode or decode of the same
// pixels measured in the same run.
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QRadialGradient>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <random>

#include "files/cls_store.h"
#include "files/picture_export.h"
#include "files/png_codec.h"

namespace {

// Icon-like artwork: a soft disc with a gradient, a frame, faint noise, transparent corners.
QImage Artwork(int size, uint32_t seed) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(0);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(size * 0.4, size * 0.35, size * 0.6);
    g.setColorAt(0, QColor::fromHsv(int(seed * 37 % 360), 180, 255));
    g.setColorAt(1, QColor::fromHsv(int(seed * 37 % 360), 255, 90, 230));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 20, 20, 200), size / 40.0));
    p.drawEllipse(QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88));
  }
  std::mt19937 rng(seed);
  for (int y = 0; y < size; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(image.scanLine(y));
    for (int x = 0; x < size; ++x) {
      if ((row[x] >> 24) == 0) continue;
      row[x] ^= rng() & 0x00030303u;  // faint noise, as in photographs and filters
    }
  }
  return image;
}

std::vector<IconLayer> Layers(int count) {
  std::vector<IconLayer> layers;
  for (int i = 0; i < count; ++i) {
    IconLayer l;
    l.SetImage(Artwork(512, uint32_t(i + 1)));
    l.Bounds = {0, 0, 512, 512};
    l.BaseBounds = l.Bounds;
    layers.push_back(std::move(l));
  }
  return layers;
}

template <typename F>
double Millis(F&& f) {
  const auto t0 = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

double QtSerialEncodeMs(const std::vector<IconLayer>& layers) {
  return Millis([&] {
    for (const IconLayer& l : layers) benchmark::DoNotOptimize(EncodePng(l.Image));
  });
}

double QtSerialDecodeMs(const std::vector<QByteArray>& pngs) {
  return Millis([&] {
    for (const QByteArray& b : pngs) {
      QBuffer buffer;
      buffer.setData(b);
      buffer.open(QIODevice::ReadOnly);
      QImageReader reader(&buffer, "png");
      benchmark::DoNotOptimize(reader.read());
    }
  });
}

void Report(benchmark::State& state, double oursMs, double qtMs) {
  state.counters["ms"] = oursMs;
  state.counters["qt_png_ms"] = qtMs;
  state.counters["ratio"] = oursMs / qtMs;
}

void BM_SaveDocument(benchmark::State& state) {
  const std::vector<IconLayer> layers = Layers(int(state.range(0)));
  QTemporaryDir dir;
  const QString path = dir.filePath("bench.lumx");
  double ours = 0, qt = 0;
  qint64 size = 0, qtSize = 0;
  for (auto _ : state) {
    // A fresh copy of each image: no reuse of earlier encodings.
    std::vector<IconLayer> fresh = layers;
    for (IconLayer& l : fresh) l.Image = l.Image.copy();
    ours = Millis([&] { ClsStore().SaveDocument(path, 512, 512, 0, fresh); });
    qt = QtSerialEncodeMs(layers);
  }
  size = QFileInfo(path).size();
  for (const IconLayer& l : layers) qtSize += EncodePng(l.Image).size();
  Report(state, ours, qt);
  state.counters["size_vs_qt_default"] = double(size) / double(qtSize + 34 + 77 * layers.size());
}
BENCHMARK(BM_SaveDocument)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_SaveAfterOneLayerEdit(benchmark::State& state) {
  std::vector<IconLayer> layers = Layers(int(state.range(0)));
  QTemporaryDir dir;
  const QString path = dir.filePath("bench.lumx");
  ClsStore().SaveDocument(path, 512, 512, 0, layers);
  double ours = 0;
  int round = 0;
  for (auto _ : state) {
    layers[layers.size() / 2].Image.setPixel(5, 5, 0xFF000000u | uint32_t(++round));
    ours = Millis([&] { ClsStore().SaveDocument(path, 512, 512, 0, layers); });
  }
  Report(state, ours, QtSerialEncodeMs(layers));
}
BENCHMARK(BM_SaveAfterOneLayerEdit)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_LoadDocument(benchmark::State& state) {
  const std::vector<IconLayer> layers = Layers(int(state.range(0)));
  QTemporaryDir dir;
  const QString path = dir.filePath("bench.lumx");
  ClsStore().SaveDocument(path, 512, 512, 0, layers);
  // The same pixels as the file holds them, for Qt's serial decode.
  std::vector<QByteArray> pngs;
  for (const IconLayer& l : layers) pngs.push_back(ClsStore::EncodeLayerPng(l));
  double ours = 0, qt = 0;
  for (auto _ : state) {
    ours = Millis([&] { benchmark::DoNotOptimize(ClsStore().LoadDocument(path, nullptr)); });
    qt = QtSerialDecodeMs(pngs);
  }
  Report(state, ours, qt);
}
BENCHMARK(BM_LoadDocument)->Arg(20)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_Export(benchmark::State& state) {
  const ExportType type = ExportType(state.range(0));
  const QImage page = Artwork(512, 7);
  double ours = 0, qt = 0;
  for (auto _ : state) {
    QString error;
    ours = Millis([&] { benchmark::DoNotOptimize(EncodeExport(page, 0, type, 130, &error)); });
    qt = Millis([&] { benchmark::DoNotOptimize(EncodePng(page)); });
  }
  Report(state, ours, qt);
}
BENCHMARK(BM_Export)->Arg(int(ExportType::ICO))->Arg(int(ExportType::GIF))->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
