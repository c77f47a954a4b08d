#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12. Safe to run again.
set -euo pipefail

need_root() { if [ "$(id -u)" -ne 0 ]; then echo "sudo"; fi; }
SUDO=$(need_root)

packages=(
  cmake ninja-build g++ clang libgtest-dev googletest libjpeg62-turbo-dev
  g++-mingw-w64-i686 mingw-w64-i686-dev dpkg-dev nsis osslsigncode 7zip debootstrap
  wine wine32:i386 wine64 fonts-wine xvfb xauth x11-utils imagemagick fonts-wqy-microhei locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  missing+=(wine32:i386)
fi

# The Windows build of libjpeg comes from Debian's source package: the
# source entries follow the machine's own Debian entries (its mirror too).
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  entries=$("$(dirname "$0")/deb-src-entries.sh" "$codename" /etc/apt/sources.list \
    /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources)
  if [ -z "$entries" ]; then
    echo "No Debian $codename entry in the apt sources to take a deb-src entry from" >&2
    exit 1
  fi
  echo "$entries" | $SUDO tee /etc/apt/sources.list.d/tandemix-src.sources >/dev/null
  missing+=(source-list)
fi

if [ ${#missing[@]} -gt 0 ]; then
  $SUDO apt-get update
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${packages[@]}"
fi

# Wine takes its code page from the locale, and needs the locale itself to
# handle file names outside ASCII: programs run under zh_CN.UTF-8 (936).
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  $SUDO localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
