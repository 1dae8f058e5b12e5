#!/usr/bin/env bash
# Short libFuzzer runs of every reader of outside data, in a separate clang build (build-fuzz).
# Skips quietly without clang; exits non-zero when a fuzzer finds a crash.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
clangxx="$(command -v clang++ || command -v clang++-14 || true)"
clangc="$(command -v clang || command -v clang-14 || true)"  # runtime libraries come with it
if [[ -z "$clangxx" || -z "$clangc" ]]; then
  exit 0
fi
build="$root/build-fuzz"
seconds="${GLYPH_FUZZ_SECONDS:-20}"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$clangxx" \
    -DGLYPH_FUZZ=ON -DGLYPH_BENCH=OFF >/dev/null
fi
harnesses=(lumx ico picture)
cmake --build "$build" -j2 --target "${harnesses[@]/#/fuzz_}" >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for h in "${harnesses[@]}"; do
  # New inputs go to a scratch copy; the seed corpus in the tree stays small.
  mkdir -p "$work/$h"
  cp "$root/fuzz/files/corpus/$h/"* "$work/$h/"
  if ! (cd "$work" && QT_QPA_PLATFORM=offscreen "$build/fuzz/files/fuzz_$h" "$work/$h" \
        -max_total_time="$seconds" -malloc_limit_mb=512 -rss_limit_mb=2048 -timeout=5 \
        -close_fd_mask=2 -print_final_stats=1 >"$work/$h.log" 2>&1); then
    echo "fuzz_$h found a problem:" >&2
    tail -n 60 "$work/$h.log" >&2
    mkdir -p "$root/build-fuzz/crashes"
    cp "$work"/crash-* "$work"/leak-* "$work"/oom-* "$work"/timeout-* "$root/build-fuzz/crashes/" \
      2>/dev/null || true
    status=1
  else
    echo "fuzz_$h: $(grep -E 'stat::number_of_executed_units' "$work/$h.log" | awk '{print $2}') runs, no crash"
  fi
done
exit "$status"
