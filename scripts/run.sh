#!/usr/bin/env bash
# Installs what is missing, builds, lays out a program folder in the Wine
# prefix and starts Tandemix in a real window; without a display, under a
# virtual one, with a screenshot of it refreshed in a file it names.
#   scripts/run.sh            the Pro edition
#   scripts/run.sh standard   the standard edition
# TANDEMIX_LANG=1 starts it with the English interface (0: Chinese, the default).
set -euo pipefail
cd "$(dirname "$0")/.."
edition="${1:-pro}"
case "$edition" in pro | standard) ;; *) echo "usage: scripts/run.sh [pro|standard]" >&2; exit 2 ;; esac

if [ -z "${TANDEMIX_RUN_BUILT:-}" ]; then
  scripts/install-deps.sh
  scripts/build-libjpeg.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows
  # Where the kernel runs no 32-bit code, Wine 8 cannot start the program:
  # it runs under Wine 10 in the Debian 13 root instead (scripts/wine10.sh).
  if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "This kernel runs no 32-bit code: Tandemix runs under Wine 10 (Debian 13 root, qemu)."
    scripts/wine10.sh
    exec scripts/wine10.sh env TANDEMIX_RUN_BUILT=1 scripts/run.sh "$edition"
  fi
fi
scripts/wine-prefix.sh
. scripts/wine-env.sh

build=build/windows
drive_c="$WINEPREFIX/drive_c"
program="$drive_c/Tandemix"
messenger="$drive_c/Program Files (x86)/Yahoo!/Messenger"

# The program folder: the edition, its shipped files and the plug-in it deploys.
rm -rf "$program"
mkdir -p "$program"
cp -r "$build/$edition/." "$program/"
cp -r tests/fixtures/plugin/. "$program/"
# Stand-ins for the companions and the Messenger client, so that Start shows
# its whole road: plug-in deployed, Hostprep and the client started.
cp "$build/fixtures/Hostprep.exe" "$build/fixtures/Updater.exe" "$program/"
mkdir -p "$messenger"
cp "$build/fixtures/YahooMessenger.exe" "$messenger/"
if [ -n "${TANDEMIX_LANG:-}" ]; then
  printf '[Option]\r\nLangIndex=%s\r\n' "$TANDEMIX_LANG" > "$program/ConfigEN.ini"
fi

echo "Starting $program/Tandemix.exe ($edition edition)"
if [ -n "${DISPLAY:-}" ]; then
  LC_ALL=$TANDEMIX_WINE_LOCALE exec wine "$program/Tandemix.exe"
else
  # No window manager there: Wine's own desktop draws the captions and the
  # notification area. Nobody can see that display, so a screenshot of it is
  # written to a file and refreshed while the program runs.
  shot="$PWD/build/run-screenshot.png"
  echo "No display: running under a virtual display (Xvfb)."
  LC_ALL=$TANDEMIX_WINE_LOCALE exec xvfb-run -a -s "-screen 0 1024x768x24" \
    scripts/run-virtual-display.sh "$shot" 3 "$program/Tandemix.exe"
fi
