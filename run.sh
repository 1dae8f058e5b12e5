#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor: ./run.sh [FILE]
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
glyph_install_missing
glyph_build
exec ./build/src/shell/glyphsmithy "$@"
