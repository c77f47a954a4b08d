#!/usr/bin/env bash
# A real end of the Windows session (wineboot --end-session sends
# WM_QUERYENDSESSION and WM_ENDSESSION to every top-level window): the
# program must end with code 0 and save its settings, not hide. The file
# names a receive entry the list does not have: the window shows none, and
# the save keeps the index the user had.
set -euo pipefail
. "$(dirname "$0")/program_in_prefix.sh"
printf '[Option]\r\nSendIndex=4\r\nRecvIndex=99\r\n' > "$program/ConfigEN.ini"

wine "$program/Tandemix.exe" &
tandemix=$!
# The control window exists once it has recorded itself as the block's owner.
# One viewer watches the block; it is started again while Tandemix has not
# made the block yet (the viewer then ends at once), and when it has said
# nothing for 10 s (a new one reads the block afresh). The test fails when
# Tandemix ends without the record, or has not made it within 2 minutes.
owner_recorded() {
  local line watch watcher quiet deadline=$((SECONDS + 120))
  while kill -0 "$tandemix" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
    exec {watch}< <(exec wine "$build/tandemix-block.exe" --json --watch 2>/dev/null)
    watcher=$!
    quiet=0
    while kill -0 "$tandemix" 2>/dev/null && [ "$quiet" -lt 10 ]; do
      if IFS= read -r -t 1 line <&"$watch"; then
        quiet=0
        if [[ "$line" == *'"OwnerExeName":"Tandemix.exe"'* ]]; then
          kill "$watcher" 2>/dev/null
          exec {watch}<&-
          return 0
        fi
      elif [ $? -le 128 ]; then
        break
      else
        quiet=$((quiet + 1))
      fi
    done
    kill "$watcher" 2>/dev/null || true
    exec {watch}<&-
    sleep 0.1
  done
  return 1
}
if ! owner_recorded; then
  echo "Tandemix did not record itself as the block's owner"
  kill "$tandemix" 2>/dev/null || true
  exit 1
fi
wine wineboot --end-session
for _ in $(seq 200); do
  kill -0 "$tandemix" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$tandemix" 2>/dev/null; then
  echo "Tandemix still runs after the end of the session"
  kill "$tandemix"
  exit 1
fi
status=0
wait "$tandemix" || status=$?
[ "$status" -eq 0 ] || { echo "exit code $status"; exit 1; }
grep -q $'^SendIndex=4\r$' "$program/ConfigEN.ini" || { echo "SendIndex not saved"; cat "$program/ConfigEN.ini"; exit 1; }
grep -q $'^RecvIndex=99\r$' "$program/ConfigEN.ini" || { echo "RecvIndex not kept"; cat "$program/ConfigEN.ini"; exit 1; }
grep -q '^TransMothed=' "$program/ConfigEN.ini" || { echo "settings not saved"; exit 1; }
echo "1 passed, 0 failed"
