#!/usr/bin/env bash
# Runs a command, the Windows test preset, with Wine tests side by side:
#   scripts/wine-workers.sh WORKERS RESOURCE_FILE COMMAND...
# Each worker gets a fresh copy of the project's prefix (made and set up by
# scripts/wine-prefix.sh: copying a booted prefix is far cheaper than a
# wineboot) and a virtual display of its own, so that the windows of tests
# side by side never take each other's focus. RESOURCE_FILE is written as the
# CTest resource file that offers the workers as "prefix" resources of one
# slot each; scripts/wine-test-prefix.sh maps a test's slot to its worker.
set -euo pipefail
workers="$1" resources="$2"
shift 2
here="$(dirname "$0")"
. "$here/wine-env.sh"
template=$WINEPREFIX
ids=$(seq 0 $((workers - 1)))

xvfbs=()
cleanup() {
  local id
  # Whatever still runs in a worker (a program a killed test left) ends, and
  # Wine's own processes before their display goes.
  for id in $ids; do WINEPREFIX="$template-worker$id" wineserver -k 2>/dev/null || true; done
  [ ${#xvfbs[@]} -eq 0 ] || kill "${xvfbs[@]}" 2>/dev/null || true
}
trap cleanup EXIT

# Copied while nothing runs in the template. Wine's own DLLs (well over a
# gigabyte, which nothing here writes) are shared as hard links; the rest,
# the registry and drive C:'s other files, is copied.
system=drive_c/windows
shared=(system32 syswow64 winsxs)
(
  flock 9
  for id in $ids; do
    worker="$template-worker$id"
    rm -rf "$worker"
    mkdir "$worker"
    tar -C "$template" "${shared[@]/#/--exclude=./$system/}" -cf - . | tar -C "$worker" -xpf -
    for dir in "${shared[@]}"; do
      if [ -d "$template/$system/$dir" ]; then cp -al "$template/$system/$dir" "$worker/$system/"; fi
    done
    # A worker's display has no window manager, for which Wine 8 waits up to
    # 2 s each time it hides a managed window (the tray's, a program's at its
    # end): its windows are left unmanaged.
    printf '\n[Software\\\\Wine\\\\X11 Driver]\n"Managed"="N"\n' >>"$worker/user.reg"
  done
) 9>"$TANDEMIX_WINE_LOCK"

# Xvfb writes its display's number once it serves it.
numbers=$(mktemp -d)
for id in $ids; do
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numbers/$id" 2>/dev/null &
  xvfbs+=($!)
done
displays=()
for id in $ids; do
  until [ -s "$numbers/$id" ]; do
    kill -0 "${xvfbs[id]}" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
    sleep 0.05
  done
  displays+=(":$(cat "$numbers/$id")")
done
rm -rf "$numbers"
export TANDEMIX_WORKER_DISPLAYS="${displays[*]}"

{
  printf '{\n  "version": { "major": 1, "minor": 0 },\n  "local": [ { "prefix": [\n'
  for id in $ids; do
    printf '    { "id": "%s", "slots": 1 }%s\n' "$id" "$([ "$id" -lt $((workers - 1)) ] && echo ,)"
  done
  printf '  ] } ]\n}\n'
} >"$resources.$$"
# Both Wines' runs may write it at once: it appears whole.
mv "$resources.$$" "$resources"

"$@"
