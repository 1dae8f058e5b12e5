#include "files/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

void ParallelFor(int count, const std::function<void(int)>& fn) {
  if (count <= 0) return;
  const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  const int threads = std::min(cores, count);
  std::atomic<int> next{0};
  auto work = [&] {
    for (int i = next++; i < count; i = next++) fn(i);
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work);
  work();
  for (std::thread& t : helpers) t.join();
}
