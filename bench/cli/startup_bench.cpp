// Start-up of `glyphsmithy-cli --version` beside an empty Qt program, each started and waited
// for; the ratio counter is the command line's time over the empty program's.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <vector>

extern char** environ;

namespace {

double RunOnce(const char* path, const char* arg) {
  char* argv[] = {const_cast<char*>(path), const_cast<char*>(arg), nullptr};
  const auto t0 = std::chrono::steady_clock::now();
  pid_t pid = 0;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", 1, 0);
  if (posix_spawn(&pid, path, &actions, nullptr, argv, environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double MedianOf(const char* path, const char* arg, int runs) {
  std::vector<double> t;
  for (int i = 0; i < runs; ++i) t.push_back(RunOnce(path, arg));
  std::nth_element(t.begin(), t.begin() + runs / 2, t.end());
  return t[runs / 2];
}

void BM_EmptyQtProgram(benchmark::State& state) {
  for (auto _ : state) RunOnce(GLYPH_EMPTY_QT, nullptr);
}
BENCHMARK(BM_EmptyQtProgram)->Unit(benchmark::kMillisecond);

void BM_CliVersion(benchmark::State& state) {
  for (auto _ : state) RunOnce(GLYPH_CLI, "--version");
  state.counters["x_empty_qt"] = MedianOf(GLYPH_CLI, "--version", 50) /
                                 MedianOf(GLYPH_EMPTY_QT, nullptr, 50);
}
BENCHMARK(BM_CliVersion)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
