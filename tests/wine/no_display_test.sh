#!/usr/bin/env bash
# Started where no window can be made (no display): the program must end by
# itself with code 1 (never crash into the debugger) and leave ConfigEN.ini
# as it was.
set -euo pipefail
. "$(dirname "$0")/program_in_prefix.sh"
printf '[Option]\r\nSendIndex=4\r\n; kept\r\n' > "$program/ConfigEN.ini"
cp "$program/ConfigEN.ini" "$program/ConfigEN.expected"

status=0
env -u DISPLAY timeout 60 wine "$program/Tandemix.exe" 2>"$program/stderr" || status=$?
if [ "$status" -ne 1 ]; then
  echo "exit code $status, expected 1"
  cat "$program/stderr"
  exit 1
fi
if grep -q "Unhandled" "$program/stderr"; then
  echo "the program crashed:"
  cat "$program/stderr"
  exit 1
fi
cmp "$program/ConfigEN.ini" "$program/ConfigEN.expected" || { echo "ConfigEN.ini was rewritten"; exit 1; }
echo "1 passed, 0 failed"
