#!/usr/bin/env bash
# Creates the project's 64-bit Wine prefix once, links a CJK font to the
# window's fonts so that Chinese text shows as Chinese, not boxes, and gives
# the prefix Wine's Marlett, the symbols of the caption buttons.
set -euo pipefail
. "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating Wine prefix $WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
if [ ! -f "$WINEPREFIX/.tandemix-fontlink" ]; then
  link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  wineserver -w
  touch "$WINEPREFIX/.tandemix-fontlink"
fi
# Without Marlett the caption buttons show letters ("0", "1", "r").
marlett=/usr/share/wine/fonts/marlett.ttf
if [ -f "$marlett" ] && [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
  cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
    /v 'Marlett (TrueType)' /t REG_SZ /d marlett.ttf /f >/dev/null 2>&1
  wineserver -w
fi
