// Speed of the filter operations on a 512 x 512 layer, as nanoseconds per pixel beside a plain
// memcpy of the same image measured in the same run. Every operation runs on a fresh copy of the
// source (restored by memcpy inside the timed loop, so the figures include one copy).
#include <benchmark/benchmark.h>

#include <QImage>
#include <cmath>
#include <cstring>
#include <iostream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "filters/filters.h"

namespace {

constexpr int kSide = 512;
constexpr double kPixels = double(kSide) * kSide;

// A round opaque icon of random colours on a transparent page: edges for AntialiasEdge and a
// shape for the styles.
const QImage& Source() {
  static const QImage img = [] {
    QImage i(kSide, kSide, QImage::Format_ARGB32);
    std::mt19937 rng(7);
    for (int y = 0; y < kSide; ++y) {
      auto* row = reinterpret_cast<uint32_t*>(i.scanLine(y));
      for (int x = 0; x < kSide; ++x) {
        const double dx = x - 256 + 0.5, dy = y - 256 + 0.5;
        const bool inside = dx * dx + dy * dy < 230.0 * 230.0;
        row[x] = (rng() & 0x00FFFFFFu) | (inside ? 0xFF000000u : 0u);
      }
    }
    return i;
  }();
  return img;
}

void Restore(QImage& work) {
  std::memcpy(work.bits(), Source().constBits(), Source().sizeInBytes());
}

void SetPerPixel(benchmark::State& state) {
  state.counters["ns_per_px"] = benchmark::Counter(
      kPixels, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename Op>
void InPlace(benchmark::State& state, Op op) {
  QImage work = Source().copy();
  const ClsFilters f;
  for (auto _ : state) {
    Restore(work);
    op(f, work);
    benchmark::DoNotOptimize(work.constBits());
    benchmark::ClobberMemory();
  }
  SetPerPixel(state);
}

template <typename Op>
void Producing(benchmark::State& state, Op op) {
  const ClsFilters f;
  for (auto _ : state) {
    auto result = op(f, Source());
    benchmark::DoNotOptimize(result);
  }
  SetPerPixel(state);
}

void Memcpy(benchmark::State& state) {
  QImage work = Source().copy();
  for (auto _ : state) {
    Restore(work);
    benchmark::DoNotOptimize(work.constBits());
    benchmark::ClobberMemory();
  }
  SetPerPixel(state);
}
BENCHMARK(Memcpy);

#define IN_PLACE(name, body)                                    \
  void name(benchmark::State& s) {                              \
    InPlace(s, [](const ClsFilters& f, QImage& img) { body; }); \
  }                                                             \
  BENCHMARK(name)

#define PRODUCING(name, body)                                                                   \
  void name(benchmark::State& s) {                                                              \
    Producing(s, [](const ClsFilters& f, [[maybe_unused]] const QImage& img) { return body; }); \
  }                                                                                             \
  BENCHMARK(name)

IN_PLACE(SaturationColor, f.SaturationColor(img, 25));
IN_PLACE(BrightnessColor, f.BrightnessColor(img, 1.6, 30));
IN_PLACE(HUEColor_Segment1, f.HUEColor(img, 40.0f));
IN_PLACE(HUEColor_Segment3, f.HUEColor(img, 140.0f));
IN_PLACE(HUEColor_Segment6, f.HUEColor(img, 320.0f));
IN_PLACE(EraseTool_Size100, f.EraseTool(img, 256, 256, 100, 50));
IN_PLACE(Irradiation, f.Irradiation(img));
IN_PLACE(Soften, f.Soften(img, 90));
IN_PLACE(Sharpen, f.Sharpen(img, 80));
IN_PLACE(AntialiasEdge, f.AntialiasEdge(img));
IN_PLACE(DisabledState, f.DisabledState(img));
IN_PLACE(HotState, f.HotState(img));
IN_PLACE(MacStyle, f.MacStyle(img));
PRODUCING(Reflection, f.Reflection(img));
PRODUCING(GradientBlack, f.GradientBlack(img));
PRODUCING(Shadow, f.Shadow(img, 1));
PRODUCING(CrystalOverlay, f.CrystalOverlay(img));
PRODUCING(OrigamiOverlay, f.OrigamiOverlay(img, 1, 0xFF3366CCu));
PRODUCING(IosTile, f.IosTile(0xFF3366CCu, kSide, kSide));

// Goals in ns per pixel; operations without one are shown for information.
const std::map<std::string, double> kGoals = {
    {"SaturationColor", 3},
    {"BrightnessColor", 3},
    {"HUEColor_Segment1", 3},
    {"HUEColor_Segment3", 3},
    {"HUEColor_Segment6", 3},
    {"Irradiation", 3},
    {"DisabledState", 3},
    {"HotState", 3},
    {"Reflection", 3},
    {"GradientBlack", 3},
    {"Shadow", 3},
    {"Soften", 6},
    {"Sharpen", 6},
    {"AntialiasEdge", 6},
};

// Console output plus a closing table: ns per pixel, ratio to memcpy, goal.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const double ns =
          r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit) * 1e9 / kPixels;
      rows_.emplace_back(r.benchmark_name(), ns);
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    double copy = 0;
    for (const auto& [name, ns] : rows_) {
      if (name == "Memcpy") copy = ns;
    }
    std::printf("\n%-20s %10s %12s %8s %s\n", "operation", "ns/pixel", "x memcpy", "goal", "");
    for (const auto& [name, ns] : rows_) {
      const auto goal = kGoals.find(name);
      const bool has = goal != kGoals.end();
      std::printf("%-20s %10.3f %12.1f %8s %s\n", name.c_str(), ns, copy > 0 ? ns / copy : 0.0,
                  has ? std::to_string(int(goal->second)).c_str() : "-",
                  has ? (ns < goal->second ? "ok" : "SLOW") : "");
    }
  }

 private:
  std::vector<std::pair<std::string, double>> rows_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
