#!/usr/bin/env bash
# Runs a Windows test program with the prefix's LogPixels set before the
# prefix's desktop starts: Wine 10 takes the monitor's DPI from it only then.
#   tests/wine/at_dpi.sh DPI PROGRAM.exe [ARG...]
set -euo pipefail
dpi="$1"
shift
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/../../scripts/wine-env.sh"
. "$here/../../scripts/wine-test-prefix.sh"
# Run alone, the whole test holds the prefix: the scale is the prefix's.
[ ${#wine_lock[@]} -eq 0 ] || exec "${wine_lock[@]}" bash "$0" "$dpi" "$@"
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}
trap 'set_dpi 96' EXIT
set_dpi "$dpi"
"$here/../../scripts/wine-run.sh" "$@"
