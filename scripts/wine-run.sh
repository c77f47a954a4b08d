#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (the CMake test
# emulator); a test the test command gave a worker, in that worker's.
. "$(dirname "$0")/wine-env.sh"
. "$(dirname "$0")/wine-test-prefix.sh"
LC_ALL=$TANDEMIX_WINE_LOCALE exec "${wine_lock[@]}" wine "$@"
