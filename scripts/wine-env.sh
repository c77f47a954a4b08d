# Sourced: the Wine prefix and settings every script and test shares.
export WINEPREFIX="${TANDEMIX_WINEPREFIX:-$HOME/.wine-tandemix}"
export WINEARCH=win64
# One run at a time in a prefix: whatever runs in it holds this lock.
TANDEMIX_WINE_LOCK="$WINEPREFIX.lock"
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Programs run with a Chinese system code page (936), as on our users'
# machines: the block, command lines and the registry carry GBK bytes.
TANDEMIX_WINE_LOCALE=zh_CN.UTF-8
