# Sourced: the Wine prefix and settings every script and test shares.
export WINEPREFIX="${TANDEMIX_WINEPREFIX:-$HOME/.wine-tandemix}"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer prompts: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
