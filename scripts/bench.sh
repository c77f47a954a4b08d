#!/usr/bin/env bash
# Start-up time and idle memory of Tandemix (Pro) against the floor: the same
# window built the plain way (bench/floor_window_win.cpp). Both run under
# Wine, alternately, one warm-up start each first, then ROUNDS rounds of
# STARTS starts of each.
#   scripts/bench.sh [--rounds ROUNDS] [--starts STARTS]     (3 and 5 unless told)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=3
starts=5
measure=
while [ $# -gt 0 ]; do
  case "$1" in
    --rounds) rounds="$2"; shift 2 ;;
    --starts) starts="$2"; shift 2 ;;
    --measure) measure=1; shift ;;
    *) echo "usage: scripts/bench.sh [--rounds N] [--starts N]" >&2; exit 2 ;;
  esac
done
[ "$rounds" -ge 1 ] && [ "$starts" -ge 1 ] || { echo "rounds and starts must be 1 or more" >&2; exit 2; }
build=build/windows

if [ -z "$measure" ]; then
  scripts/install-deps.sh
  scripts/build-libjpeg.sh
  cmake --preset windows >/dev/null
  cmake --build --preset windows --target tandemix_pro tandemix_standard bench_floor bench_timer
  # The prefix serves one run at a time; without a display, a virtual one.
  display=()
  [ -n "${DISPLAY:-}" ] || display=(xvfb-run -a -s "-screen 0 1280x1024x24")
  exec flock /tmp/tandemix-wine.lock "${display[@]}" "$PWD/scripts/bench.sh" --measure --rounds "$rounds" --starts "$starts"
fi

scripts/wine-prefix.sh
. scripts/wine-env.sh
export LC_ALL=$TANDEMIX_WINE_LOCALE

# The program folder as the run command lays it out, but without the
# companions' stand-ins (the Pro edition needs none, and a present updater
# would be started), and a Messenger folder so that no prompt stops the start.
# The floor starts from the prefix's drive as well.
drive_c="$WINEPREFIX/drive_c"
bench="$drive_c/TandemixBench"
messenger="$drive_c/Program Files (x86)/Yahoo!"
results=$(mktemp)
# The virtual display goes when this ends: Wine's own processes go first.
cleanup() { rm -rf "$bench" "$messenger" "$results"; wineserver -w; }
trap cleanup EXIT
rm -rf "$bench"
mkdir -p "$bench/pro" "$bench/floor" "$messenger/Messenger"
cp -r "$build/pro/." tests/fixtures/plugin/. "$bench/pro/"
cp "$build/bench/bench_floor.exe" "$bench/floor/"

# One start, in the program's own folder: "<program> <round> <startup_ms>
# <private_bytes> <exit_ms>" into the results; round 0 is the warm-up, kept
# out of the figures.
start() {
  local name="$1" folder="$2" exe="$3" round="$4" line
  line=$(wine "$build/bench/bench_timer.exe" "$folder\\$exe" "$folder" | tr -d '\r')
  printf '%-8s round %d: %s\n' "$name" "$round" "$line"
  echo "$name $round $line" | sed -E 's/[a-z_]+=//g' >> "$results"
}
for round in $(seq 0 "$rounds"); do
  for _ in $(seq "$([ "$round" -eq 0 ] && echo 1 || echo "$starts")"); do
    start tandemix 'C:\TandemixBench\pro' Tandemix.exe "$round"
    start floor 'C:\TandemixBench\floor' bench_floor.exe "$round"
  done
done

median() { sort -g | awk '{ v[NR] = $1 } END { printf "%.1f\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
column() { awk -v n="$1" -v r="$2" -v c="$3" '$1 == n && (r == "" ? $2 > 0 : $2 == r) { print $c }' "$results"; }
# The median of the round medians of a column (3: start-up, 5: exit).
of_rounds() {
  for round in $(seq "$rounds"); do column "$1" "$round" "$2" | median; done | median
}
t_start=$(of_rounds tandemix 3) f_start=$(of_rounds floor 3)
t_exit=$(of_rounds tandemix 5) f_exit=$(of_rounds floor 5)
t_private=$(column tandemix "" 4 | median) f_private=$(column floor "" 4 | median)
echo
echo "Start-up to a ready window, median of $rounds round medians of $starts starts:"
printf '  Tandemix Pro %8.1f ms\n  floor        %8.1f ms\n  ratio        %8.2f\n' \
  "$t_start" "$f_start" "$(awk -v a="$t_start" -v b="$f_start" 'BEGIN { print a / b }')"
echo "Private memory 2 s after the window was ready, median of all starts:"
printf '  Tandemix Pro %10.0f bytes\n  floor        %10.0f bytes\n  difference   %10.0f bytes\n' \
  "$t_private" "$f_private" "$(awk -v a="$t_private" -v b="$f_private" 'BEGIN { printf "%.0f", a - b }')"
echo "From the click on Exit to the end of the process, median of round medians:"
printf '  Tandemix Pro %8.1f ms\n  floor        %8.1f ms\n' "$t_exit" "$f_exit"
echo "Executable size:"
printf '  Pro      %8d bytes\n  standard %8d bytes\n' \
  "$(stat -c %s "$build/pro/Tandemix.exe")" "$(stat -c %s "$build/standard/Tandemix.exe")"
