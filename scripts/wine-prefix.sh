#!/usr/bin/env bash
# Creates the project's 64-bit Wine prefix once, links a CJK font to the
# window's fonts so that Chinese text shows as Chinese, not boxes, and gives
# the prefix Wine's Marlett, the symbols of the caption buttons: one import
# of scripts/wine-prefix.reg, again whenever that file changes.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
. "$here/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
# Without Marlett the caption buttons show letters ("0", "1", "r").
marlett=/usr/share/wine/fonts/marlett.ttf
if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
  cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
fi
if [ ! "$WINEPREFIX/.tandemix-reg" -nt "$here/wine-prefix.reg" ]; then
  wine reg import "Z:${here//\//\\}\\wine-prefix.reg" >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.tandemix-reg"
fi
