#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix (the CMake test emulator).
. "$(dirname "$0")/wine-env.sh"
LC_ALL=$TANDEMIX_WINE_LOCALE exec wine "$@"
