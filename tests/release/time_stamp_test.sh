#!/usr/bin/env bash
# The times a build writes are the last commit's: the PE header's time stamp of
# each program, and the time of every file an installer puts down.
# Usage: time_stamp_test.sh <source dir> <installers dir> <program.exe>...
set -euo pipefail
source_dir=$1 installers=$2
shift 2
expected=$(git -C "$source_dir" log -1 --format=%ct)
failed=0

# Little-endian unsigned integer of <size> bytes at <offset>.
read_uint() { od -An -tu"$3" -j "$2" -N "$3" "$1" | tr -d ' '; }

for program in "$@"; do
  header=$(read_uint "$program" 60 4)
  if [ "$(od -An -c -j "$header" -N 4 "$program" | tr -d ' ')" != 'PE\0\0' ]; then
    echo "FAIL $program: no PE header at $header"; failed=1; continue
  fi
  stamp=$(read_uint "$program" $((header + 8)) 4)
  if [ "$stamp" != "$expected" ]; then
    echo "FAIL $program: time stamp $stamp ($(date -u -d "@$stamp")), commit $expected"
    failed=1
  fi
done

# 7-Zip reads NSIS installers. The files NSIS brings along itself
# ($PLUGINSDIR) and the uninstaller, written when installing, are not ours.
# makensis keeps a file's time to two seconds, as FAT does (an odd second
# goes down to the even one).
want=$(date -u -d "@$((expected - expected % 2))" '+%Y-%m-%d %H:%M:%S')
shopt -s nullglob
for installer in "$installers"/*.exe; do
  dated=$(TZ=UTC 7zz l -slt "$installer" | awk '
    /^Path = / { path = substr($0, 8) }
    /^Modified = / && path !~ /^\$PLUGINSDIR\// && path != "Uninstall.exe" {
      print substr($0, 12, 19) "|" path
    }')
  if [ -z "$dated" ]; then
    echo "FAIL $installer: no files listed"; failed=1
  fi
  while IFS='|' read -r time path; do
    if [ "$time" != "$want" ]; then
      echo "FAIL $installer: $path dated '$time', commit $want"; failed=1
    fi
  done <<<"$dated"
done
exit $failed
