// Compositor, canvas and history costs, each beside a memcpy of the same bytes in the same run.
// Ratios are printed as counters: "x_memcpy" is the operation's time over the memcpy's.
#include <benchmark/benchmark.h>

#include <QPainter>

#include <chrono>
#include <cstring>
#include <map>
#include <random>
#include <vector>

#include "core/compositor.h"
#include "core/icon_document.h"

namespace {

constexpr int kSide = 512;

// Mixed alpha: transparent, opaque and partial pixels in a random pattern.
QImage MixedAlphaImage(unsigned seed) {
  QImage img(kSide, kSide, QImage::Format_ARGB32);
  std::mt19937 rng(seed);
  for (int y = 0; y < kSide; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
    for (int x = 0; x < kSide; ++x) {
      const uint32_t r = rng();
      const uint32_t kind = r % 3;
      const uint32_t alpha = kind == 0 ? 0 : kind == 1 ? 255 : (r >> 8) & 0xFF;
      row[x] = (alpha << 24) | (r >> 8 & 0xFFFFFF);
    }
  }
  return img;
}

std::vector<IconLayer> Layers(int count, float opacity) {
  std::vector<IconLayer> layers(count);
  for (int i = 0; i < count; ++i) {
    layers[i].SetImage(MixedAlphaImage(i + 1));
    layers[i].Bounds = {0, 0, float(kSide), float(kSide)};
    layers[i].Opacity = opacity;
  }
  return layers;
}

// Time of one memcpy of `bytes`, measured here so the ratio compares like with like.
double MemcpySeconds(std::size_t bytes) {
  static std::map<std::size_t, double> cache;
  if (auto it = cache.find(bytes); it != cache.end()) return it->second;
  std::vector<char> src(bytes, 1), dst(bytes, 0);
  double best = 1e9;
  for (int i = 0; i < 20; ++i) {
    const auto t0 = std::chrono::steady_clock::now();
    std::memcpy(dst.data(), src.data(), bytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
  }
  cache[bytes] = best;
  return best;
}

void BM_Memcpy(benchmark::State& state) {
  const std::size_t bytes = std::size_t(state.range(0)) * kSide * kSide * 4;
  std::vector<char> src(bytes, 1), dst(bytes, 0);
  for (auto _ : state) {
    std::memcpy(dst.data(), src.data(), bytes);
    benchmark::DoNotOptimize(dst.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes));
}
BENCHMARK(BM_Memcpy)->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

void BM_RebuildComposite(benchmark::State& state) {
  const int count = int(state.range(0));
  const float opacity = state.range(1) / 100.0f;
  const std::vector<IconLayer> layers = Layers(count, opacity);
  ComposeLayers(layers, kSide, kSide);  // fills each layer's premultiplied cache once
  double total = 0;
  for (auto _ : state) {
    const auto t0 = std::chrono::steady_clock::now();
    QImage page = ComposeLayers(layers, kSide, kSide);
    benchmark::DoNotOptimize(page.constBits());
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
  const double perRun = total / state.iterations();
  // Ten layers compare with ten 1 MiB copies (each cache-warm), a hundred with one 100 MiB copy.
  const std::size_t layerBytes = std::size_t(kSide) * kSide * 4;
  const double reference =
      count <= 10 ? count * MemcpySeconds(layerBytes) : MemcpySeconds(count * layerBytes);
  if (count > 0) state.counters["x_memcpy"] = perRun / reference;
}
BENCHMARK(BM_RebuildComposite)
    ->ArgsProduct({{0, 1, 10, 100}, {100, 50}})
    ->ArgNames({"layers", "opacity%"})
    ->Unit(benchmark::kMillisecond);

void BM_RenderCanvas(benchmark::State& state) {
  IconDocument doc;
  doc.InitDocument(kSide, kSide, true);
  doc.Layers[0].SetImage(MixedAlphaImage(7));
  doc.RebuildComposite(5, false);
  doc.View.Zoom = double(state.range(0));
  doc.View.SceneWidth = 800;
  doc.View.SceneHeight = 600;
  doc.View.Resize(800, 600, kSide, kSide);
  QImage canvas(800, 600, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter p(&canvas);
    doc.View.RenderCanvas(p, doc.Composite, doc.BackgroundColor, doc.Selected());
  }
  state.counters["x_memcpy_of_canvas"] = benchmark::Counter(0);
}
BENCHMARK(BM_RenderCanvas)->Arg(1)->Arg(20)->ArgName("zoom")->Unit(benchmark::kMicrosecond);

// Bytes of heap the process holds, from glibc's allocator.
std::size_t HeapInUse();

void BM_PushUndoSnapshot(benchmark::State& state) {
  IconDocument doc;
  doc.InitDocument(kSide, kSide, false);
  doc.Snapshots.SetBudget(0);
  for (int i = 0; i < 100; ++i) {
    doc.InsertBlankLayer(64, 64);
    doc.Layers.back().SetImage(MixedAlphaImage(i).copy(0, 0, 64, 64));
  }
  doc.ClearHistory();
  std::size_t bytes = 0;
  int64_t pushes = 0;
  for (auto _ : state) {
    const std::size_t before = HeapInUse();
    doc.PushUndoSnapshot();
    bytes += HeapInUse() - before;
    ++pushes;
    state.PauseTiming();
    if (doc.Snapshots.UndoPosition > 4000) doc.ClearHistory();
    state.ResumeTiming();
  }
  state.counters["bytes_per_snapshot"] = double(bytes) / double(pushes);
}
BENCHMARK(BM_PushUndoSnapshot)->Unit(benchmark::kMicrosecond);

}  // namespace

#include <malloc.h>

namespace {
std::size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}
}  // namespace

BENCHMARK_MAIN();
