# Sourced by the Wine script tests: the prefix's settings, a fresh program
# folder with the Pro edition ($program), and a Messenger candidate folder so
# that no prompt stops the start; both removed on exit. $1 is the build folder.
build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/../../scripts/wine-env.sh"
. "$here/../../scripts/wine-test-prefix.sh"
# Run alone, the whole test holds the prefix.
[ ${#wine_lock[@]} -eq 0 ] || exec "${wine_lock[@]}" bash "$0" "$@"
export LC_ALL=$TANDEMIX_WINE_LOCALE

program=$(mktemp -d)
messenger="$WINEPREFIX/drive_c/Program Files (x86)/Yahoo!"
cleanup() { rm -rf "$program" "$messenger"; }
trap cleanup EXIT
mkdir -p "$messenger/Messenger"
cp -r "$build/pro/." "$program/"
