#!/usr/bin/env bash
# Creates the project's 64-bit Wine prefix once, with a CJK font for Chinese text.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
