#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs every test:
# the portable core natively, the fuzz targets briefly, then the Windows
# programs under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

# Each fuzz target over its stored seeds, a few seconds each.
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz

scripts/build-libjpeg.sh
cmake --preset windows
cmake --build --preset windows
scripts/wine-prefix.sh
if [ -n "${DISPLAY:-}" ]; then
  ctest --preset windows
else
  xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
fi
