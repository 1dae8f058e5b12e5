#!/usr/bin/env bash
# Saves a picture of the editor window after File > New (64 x 64) under a virtual X display:
#   tools/screenshot.sh [OUT.png]      (default: build/screenshot.png)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
glyph_install_missing
glyph_build
out="$(realpath -m "${1:-build/screenshot.png}")"
exec xvfb-run -a -s "-screen 0 1280x900x24" ./build/tools/glyphsmithy-shot "$out"
