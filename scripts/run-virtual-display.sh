#!/usr/bin/env bash
# Runs a program on Wine's desktop in the virtual display that xvfb-run gives
# it, and keeps a screenshot of that display in a file until the program ends.
#   scripts/run-virtual-display.sh SCREENSHOT SECONDS PROGRAM.exe
set -uo pipefail
shot="$1" seconds="$2" exe="$3"
mkdir -p "$(dirname "$shot")"

wine explorer /desktop=Tandemix,1024x768 "$exe" &
desktop=$!
stop() {
  kill "$desktop" 2>/dev/null
  wait "$desktop" 2>/dev/null
  exit 0
}
trap stop INT TERM
echo "A screenshot of the window is written to $shot every $seconds seconds."
echo "To stop: Exit in the window (or its tray menu), Ctrl+C here, or kill $$."

# Written beside, then renamed: a reader never sees half a picture.
while kill -0 "$desktop" 2>/dev/null; do
  sleep "$seconds" &
  wait $!
  import -window root "$shot.part.png" 2>/dev/null && mv -f "$shot.part.png" "$shot"
done
wait "$desktop"
