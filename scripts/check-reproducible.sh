#!/usr/bin/env bash
# Builds the last commit a second time, from a fresh clone in a folder of
# another name, and compares it with this tree's build byte for byte:
# Tandemix.exe of each edition and both installers. A second build costs
# minutes, so the test command leaves this to a release.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "Uncommitted changes: this tree's build would not be the last commit's" >&2
  exit 1
fi

commit=$(git rev-parse HEAD)
scripts/install-deps.sh
scripts/build-libjpeg.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target installers
first=$PWD/build/windows

copy=$(mktemp -d "${TMPDIR:-/tmp}/tandemix-again.XXXXXX")/second-copy
git clone --quiet --no-checkout "$PWD" "$copy"
git -C "$copy" checkout --quiet --detach "$commit"
# The same outside inputs as this tree's build: libjpeg, and the companions
# the installers ship (in a release they come from a folder given too).
jpeg=$PWD/build/third_party/libjpeg-i686
(cd "$copy" &&
  cmake --preset windows -DTANDEMIX_JPEG_PREFIX="$jpeg" -DTANDEMIX_COMPANION_DIR="$first/fixtures" \
    >/dev/null &&
  cmake --build --preset windows --target installers)
second=$copy/build/windows

differ=0
for file in pro/Tandemix.exe standard/Tandemix.exe $(cd "$first" && ls installers/*.exe); do
  if cmp -s "$first/$file" "$second/$file"; then
    echo "same    $file"
  else
    echo "DIFFERS $file"
    differ=1
  fi
done
if [ $differ -eq 0 ]; then
  rm -rf "$(dirname "$copy")"
  echo "Reproducible: both builds of ${commit:0:7} are byte-identical"
else
  echo "Not reproducible; the second build is kept in $copy" >&2
fi
exit $differ
