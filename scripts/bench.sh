#!/usr/bin/env bash
# Start-up time and idle memory of Tandemix (Pro) against the floor: the same
# window built the plain way (bench/floor_window_win.cpp). Both run under
# Wine, alternately, one warm-up start each first, then ROUNDS rounds of
# STARTS starts of each.
#   scripts/bench.sh [--rounds ROUNDS] [--starts STARTS]     (8 and 5 unless told)
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=8
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
  . scripts/wine-env.sh
  display=()
  [ -n "${DISPLAY:-}" ] || display=(xvfb-run -a -s "-screen 0 1280x1024x24")
  exec flock "$TANDEMIX_WINE_LOCK" "${display[@]}" "$PWD/scripts/bench.sh" --measure --rounds "$rounds" --starts "$starts"
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

# Each program's start-up over all starts (minimum, median) and, round by
# round, the gap between the two programs' medians: both met the same load
# in a round, so the gaps show the noise that is left.
summary() {
  awk -v rounds="$rounds" '
    function sort(a, n,   i, j, t) {
      for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    }
    # The quantile q (0..1) of a[1..n], sorted, interpolated between neighbours.
    function quantile(a, n, q,   h, l) {
      h = 1 + (n - 1) * q; l = int(h)
      return l >= n ? a[n] : a[l] + (h - l) * (a[l + 1] - a[l])
    }
    function median_of(a, n) { sort(a, n); return quantile(a, n, 0.5) }
    $2 > 0 {
      all[$1, ++count[$1]] = $3; private[$1, ++pcount[$1]] = $4
      in_round[$1, $2, ++rcount[$1, $2]] = $3; exits[$1, $2, rcount[$1, $2]] = $5
    }
    END {
      split("tandemix floor", names, " ")
      for (p = 1; p <= 2; p++) {
        n = names[p]
        for (i = 1; i <= count[n]; i++) v[i] = all[n, i]
        sort(v, count[n]); minimum[n] = v[1]
        for (r = 1; r <= rounds; r++) {
          for (i = 1; i <= rcount[n, r]; i++) { v[i] = in_round[n, r, i]; e[i] = exits[n, r, i] }
          round_median[n, r] = median_of(v, rcount[n, r]); round_exit[n, r] = median_of(e, rcount[n, r])
        }
        for (r = 1; r <= rounds; r++) { v[r] = round_median[n, r]; e[r] = round_exit[n, r] }
        median[n] = median_of(v, rounds); exit_median[n] = median_of(e, rounds)
        for (i = 1; i <= pcount[n]; i++) v[i] = private[n, i]
        private_median[n] = median_of(v, pcount[n])
      }
      for (r = 1; r <= rounds; r++) gap[r] = round_median["tandemix", r] - round_median["floor", r]
      sort(gap, rounds)
      printf "Start-up to a ready window, ms (median: of %d round medians):\n", rounds
      printf "               minimum   median\n"
      printf "  Tandemix Pro %7.1f  %7.1f\n", minimum["tandemix"], median["tandemix"]
      printf "  floor        %7.1f  %7.1f\n", minimum["floor"], median["floor"]
      printf "  ratio        %7.2f  %7.2f\n", minimum["tandemix"] / minimum["floor"], median["tandemix"] / median["floor"]
      printf "  gap          %7.1f  %7.1f   rounds: middle half %.1f to %.1f, all %.1f to %.1f\n",
        minimum["tandemix"] - minimum["floor"], quantile(gap, rounds, 0.5),
        quantile(gap, rounds, 0.25), quantile(gap, rounds, 0.75), gap[1], gap[rounds]
      printf "Private memory 2 s after the window was ready, median of all starts:\n"
      printf "  Tandemix Pro %10.0f bytes\n  floor        %10.0f bytes\n  difference   %10.0f bytes\n",
        private_median["tandemix"], private_median["floor"], private_median["tandemix"] - private_median["floor"]
      printf "From the click on Exit to the end of the process, median of round medians:\n"
      printf "  Tandemix Pro %8.1f ms\n  floor        %8.1f ms\n", exit_median["tandemix"], exit_median["floor"]
    }' "$results"
}
echo
summary
echo "Executable size:"
printf '  Pro      %8d bytes\n  standard %8d bytes\n' \
  "$(stat -c %s "$build/pro/Tandemix.exe")" "$(stat -c %s "$build/standard/Tandemix.exe")"
