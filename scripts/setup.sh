#!/usr/bin/env bash
# Installs what is missing (Debian packages) and builds into build/. Sourced by run.sh and test.sh.
set -euo pipefail

GLYPH_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libgtest-dev
  libgmock-dev libbenchmark-dev libgif-dev fonts-dejavu-core xvfb xauth
  clang libclang-rt-14-dev imagemagick icoutils)

glyph_install_missing() {
  local missing=()
  for p in "${GLYPH_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [[ ${#missing[@]} -eq 0 ]] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [[ $(id -u) -ne 0 ]] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

glyph_build() {
  local root
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  if [[ ! -f "$root/build/build.ninja" ]]; then
    cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$root/build" -j2
}
