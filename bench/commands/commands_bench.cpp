// Each style and effect command on a 256 x 256 icon, as the window runs it: history snapshot(s),
// the pixel work, new layers, and the composite. "x_goal" is the mean time over the 10 ms goal.
#include <benchmark/benchmark.h>

#include <QImage>

#include <chrono>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "core/commands/adjustment_commands.h"
#include "core/commands/command_support.h"
#include "core/commands/effect_commands.h"
#include "core/commands/layer_sliders.h"
#include "core/commands/style_commands.h"

namespace {

constexpr int kSide = 256;
constexpr double kGoalSeconds = 0.010;

// An opaque disc with a colour gradient and a soft edge on a transparent square, like a real icon.
QImage IconPicture() {
  QImage img(kSide, kSide, QImage::Format_ARGB32);
  const double c = (kSide - 1) / 2.0;
  for (int y = 0; y < kSide; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(img.scanLine(y));
    for (int x = 0; x < kSide; ++x) {
      const double d = std::hypot(x - c, y - c);
      const int alpha = d < 110 ? 255 : d < 120 ? int(255 * (120 - d) / 10) : 0;
      row[x] = MakeARGB(alpha, x, y, 255 - x / 2);
    }
  }
  return img;
}

IconDocument Prepared() {
  IconDocument doc;
  doc.InitDocument(kSide, kSide, true);
  IconLayer& layer = *doc.Selected();
  layer.SetImage(IconPicture());
  layer.HitRegion = HitRegionAt(layer.Image, 0, 0);
  doc.RebuildComposite(5, false);
  return doc;
}

const DrawingColors kColors{{MakeARGB(255, 40, 120, 220), MakeARGB(255, 255, 255, 255)}, 0};

struct Command {
  std::string name;
  std::function<void(IconDocument&)> run;
};

std::vector<Command> Commands() {
  return {
      {"Crystal", [](IconDocument& d) { ApplyCrystalStyle(d); }},
      {"OrigamiVertical", [](IconDocument& d) { ApplyOrigamiStyle(d, 1, kColors); }},
      {"OrigamiHorizontal", [](IconDocument& d) { ApplyOrigamiStyle(d, 2, kColors); }},
      {"IOS", [](IconDocument& d) { ApplyIosStyle(d, kColors); }},
      {"Irradiation", [](IconDocument& d) { ApplyIrradiation(d); }},
      {"Mac", [](IconDocument& d) { ApplyMacStyle(d); }},
      {"Vista", [](IconDocument& d) { ApplyVistaStyle(d); }},
      {"Blur", [](IconDocument& d) { ApplyBlur(d); }},
      {"Sharpen", [](IconDocument& d) { ApplySharpen(d); }},
      {"Reflection", [](IconDocument& d) { ApplyReflection(d); }},
      {"Shade", [](IconDocument& d) { ApplyShade(d); }},
      {"DropShadow", [](IconDocument& d) { ApplyDropShadow(d); }},
      {"DisabledState", [](IconDocument& d) { ApplyDisabledState(d); }},
      {"HotState", [](IconDocument& d) { ApplyHotState(d); }},
      // One step of a slider drag, for comparison: what each Change event costs.
      {"HueDragChange",
       [](IconDocument& d) { AdjustmentSliderChanged(d, AdjustmentSlider::Hue, 30); }},
      {"ResizeRelease",
       [](IconDocument& d) {
         ScaleSliderChanged(d, 70);
         ScaleSliderReleased(d);
       }},
  };
}

void RunCommand(benchmark::State& state, const Command& command) {
  IconDocument prepared = Prepared();
  if (command.name == "HueDragChange") AdjustmentSliderPressed(prepared, AdjustmentSlider::Hue);
  if (command.name == "ResizeRelease") ScaleSliderPressed(prepared);
  double timed = 0;
  for (auto _ : state) {
    state.PauseTiming();
    IconDocument doc = prepared;  // layer images shared with the prepared one, as with history
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    command.run(doc);
    benchmark::DoNotOptimize(doc.Composite.constBits());
    timed += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.PauseTiming();
    doc = IconDocument();  // release outside the timing
    state.ResumeTiming();
  }
  state.counters["x_goal"] = timed / double(state.iterations()) / kGoalSeconds;
}

}  // namespace

int main(int argc, char** argv) {
  for (const Command& command : Commands()) {
    benchmark::RegisterBenchmark(("BM_" + command.name + "_256").c_str(), RunCommand, command)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
