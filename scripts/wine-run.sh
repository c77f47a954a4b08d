#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (the CMake test
# emulator); a test under the test command's resource spec, in its worker's.
. "$(dirname "$0")/wine-env.sh"
. "$(dirname "$0")/wine-test-prefix.sh"
LC_ALL=$TANDEMIX_WINE_LOCALE exec "${wine_lock[@]}" wine "$@"
