#!/usr/bin/env bash
# Installs what is missing, builds both builds and runs every test:
# the portable core natively, the fuzz targets briefly, then the Windows
# programs under Wine 8 (Debian 12's) and Wine 10 (in a Debian 13 root).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

# The Debian 13 root and its Wine prefix are made meanwhile (once; reused after).
mkdir -p build
{ scripts/wine10.sh && scripts/wine10.sh scripts/wine-prefix.sh; } >build/wine10-setup.log 2>&1 &
wine10_setup=$!

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
# The build's own checks (time stamps, signatures) need no Wine.
ctest --preset windows -L release
# The Wine tests side by side, each worker in a copy of the prefix and on a
# virtual display of its own.
workers=3
wine_tests=(scripts/wine-workers.sh "$workers" build/windows/wine-workers.json
  ctest --preset windows-workers -j "$workers")
# Wine 8 needs a kernel that runs 32-bit code; Wine 10 here starts 32-bit
# programs under qemu when it does not. The two Wines have servers, prefixes
# and displays of their own: Wine 8's run goes on while the root is finished
# and Wine 10's runs, and its output follows theirs.
wine8=
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  scripts/wine-prefix.sh
  "${wine_tests[@]}" >build/wine8-tests.log 2>&1 &
  wine8=$!
  wine10_tests=("${wine_tests[@]}")
else
  echo "This kernel runs no 32-bit code, so Wine 8 cannot start the Windows programs: they are tested under Wine 10 only."
  # qemu places the 32-bit Wine loader at 0x400000, where an installer's stub
  # (which cannot be moved) must load: installers cannot start there.
  echo "Under qemu the installers cannot start: wine.installer_test is not run on this machine."
  wine10_tests=("${wine_tests[@]}" -E '^wine\.installer_test$')
fi
wine10=0
if wait "$wine10_setup"; then
  echo "== The Wine tests under Wine 10 (Debian 13)"
  scripts/wine10.sh "${wine10_tests[@]}" || wine10=$?
else
  cat build/wine10-setup.log
  wine10=1
fi
if [ -n "$wine8" ]; then
  status=0
  wait "$wine8" || status=$?
  echo "== The Wine tests under Wine 8 (Debian 12)"
  cat build/wine8-tests.log
  [ "$status" -eq 0 ]
fi
[ "$wine10" -eq 0 ]
