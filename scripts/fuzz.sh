#!/usr/bin/env bash
# Fuzzes each parser longer than the test command does:
#   scripts/fuzz.sh [seconds per target, default 300] [target ...]
# New inputs collect in build/fuzz/corpus/<target>, a failing input in
# build/fuzz/artifacts/<target>/; copy one worth keeping into tests/fuzz/corpus/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-300}
shift || true
case $seconds in '' | *[!0-9]*) echo "usage: $0 [seconds] [target ...]" >&2; exit 2 ;; esac

scripts/install-deps.sh
cmake --preset fuzz
cmake --build --preset fuzz

if [ $# -eq 0 ]; then
  set -- $(cd tests/fuzz && ls -- *_fuzz.cpp | sed 's/\.cpp$//')
fi
failed=()
for target in "$@"; do
  echo "== $target ($seconds s)"
  mkdir -p "build/fuzz/corpus/$target" "build/fuzz/artifacts/$target"
  "build/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -artifact_prefix="build/fuzz/artifacts/$target/" \
    "build/fuzz/corpus/$target" "tests/fuzz/corpus/$target" || failed+=("$target")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "failed: ${failed[*]}" >&2
  exit 1
fi
