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
# The Wine tests side by side, each worker in a copy of the prefix and on a
# virtual display of its own.
workers=2
scripts/wine-prefix.sh
spec="$PWD/build/windows/wine-workers.json"
scripts/wine-workers.sh "$workers" "$spec" \
  ctest --preset windows -j "$workers" --resource-spec-file "$spec"
