#!/usr/bin/env bash
# Wine 10 for the Windows tests: a Debian 13 root, made once from the
# machine's own Debian mirror and keyring and reused afterwards, in which a
# command runs in the current folder (the repository is seen at its own path).
#   scripts/wine10.sh                 make or complete the root, nothing else
#   scripts/wine10.sh COMMAND [ARG...]
# The root is $TANDEMIX_DEBIAN13_ROOT (default /var/lib/tandemix/debian13).
# Safe to run again, at the same time, and after an interruption. Its mounts
# (/proc, /sys, /dev, the repository) stay for the next run: never delete the
# root with `rm -rf` while they are there (the repository is inside it).
set -euo pipefail
if [ "$(id -u)" -ne 0 ]; then exec sudo -E "$0" "$@"; fi
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/.." && pwd)"
root="${TANDEMIX_DEBIAN13_ROOT:-/var/lib/tandemix/debian13}"
release=trixie
packages=(wine wine64 wine32:i386 fonts-wine fonts-wqy-microhei xvfb xauth x11-utils imagemagick cmake locales)
in_root() { chroot "$root" /usr/bin/env PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@"; }

mkdir -p "$(dirname "$root")"
exec 9>"$root.lock"
flock 9

# The machine's own Debian entry: the stanza of the release itself (not
# -updates or -security), as the deb-src entry is made.
mirror_and_keyring() {
  local codename
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  "$here/deb-src-entries.sh" "$codename" /etc/apt/sources.list \
    /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources |
    awk -v release="$codename" '
      /^URIs:/ { split($0, w, " "); uri = w[2] }
      /^Suites:/ { main = 0; for (i = 2; i <= NF; i++) if ($i == release) main = 1 }
      /^Signed-By:/ { key = $2 }
      /^$/ { if (main && uri != "") { print uri, key; exit } uri = ""; key = ""; main = 0 }'
}

# debootstrap fills a folder beside the root, renamed once complete: a root
# that exists is whole. What an interrupted run left is unmounted and removed
# without crossing into any mount.
make_root() {
  local partial="$root.partial" entry mirror keyring
  if [ -e "$partial" ]; then
    grep -o " ${partial}[^ ]*" /proc/mounts | sort -r | xargs -r -n1 umount -l
    rm -rf --one-file-system "$partial"
  fi
  entry=$(mirror_and_keyring)
  read -r mirror keyring <<<"$entry"
  if [ -z "$mirror" ]; then
    echo "No Debian entry in the apt sources to take the mirror from" >&2
    exit 1
  fi
  [ -f "$keyring" ] || keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  echo "Making the Debian 13 root $root from $mirror"
  debootstrap --variant=minbase --keyring="$keyring" "$release" "$partial" "$mirror" >&2
  mv "$partial" "$root"
}

mount_once() { # target, then the mount arguments
  local target="$root$1"
  shift
  mountpoint -q "$target" || { mkdir -p "$target" && mount "$@" "$target"; }
}

# Bound only where the root does not already see the very same folder. A
# mount left there by a folder of this path since deleted (an earlier clone)
# is detached first; whatever still runs in it keeps it until it ends.
bind_repository() {
  if [ "$(stat -c %d:%i "$repo")" != "$(stat -c %d:%i "$root$repo" 2>/dev/null)" ]; then
    if mountpoint -q "$root$repo" 2>/dev/null; then umount -l "$root$repo"; fi
    mkdir -p "$root$repo"
    mount --bind "$repo" "$root$repo"
  fi
}

# This kernel may run no 32-bit code at all (not even a jump into a 32-bit
# segment, so no WoW64 either): then the 64-bit loader starts every program
# and, for a 32-bit one, execs wine-preloader, which runs the i386 loader
# under qemu.
use_qemu_for_32_bit() {
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends qemu-user >&2
  cat >"$root/usr/lib/wine/wine-preloader" <<'EOF'
#!/bin/sh
# This kernel runs no 32-bit code: the i386 Wine loader runs under qemu.
exec /usr/bin/qemu-i386 "$@"
EOF
  cat >"$root/usr/local/bin/wine" <<'EOF'
#!/bin/sh
# The i386 loader cannot be exec'd here: the 64-bit one starts every program.
exec /usr/lib/wine/wine64 "$@"
EOF
  chmod 755 "$root/usr/lib/wine/wine-preloader" "$root/usr/local/bin/wine"
  # wineboot, winecfg and the like start "wine-stable".
  ln -sf wine "$root/usr/local/bin/wine-stable"
}

complete_root() {
  local stamp="$root/.tandemix-ready" wanted
  wanted="${packages[*]}"
  [ "$(cat "$stamp" 2>/dev/null)" != "$wanted" ] || return 0
  in_root dpkg --add-architecture i386
  in_root dpkg --configure -a >&2
  in_root apt-get update >&2
  in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "${packages[@]}" >&2
  in_root locale -a | grep -qix 'zh_CN.utf8' || in_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
  in_root /usr/lib/wine/wine --version >/dev/null 2>&1 || use_qemu_for_32_bit
  echo "$wanted" >"$stamp"
}

[ -d "$root" ] || make_root
mount_once /proc -t proc proc
mount_once /sys -t sysfs sysfs
mount_once /dev --bind /dev
mount_once /dev/pts --bind /dev/pts
mount_once /dev/shm -t tmpfs tmpfs
complete_root
[ $# -gt 0 ] || exit 0
bind_repository
flock -u 9
exec 9>&-

case "$PWD/" in
  "$repo"/*) ;;
  *) echo "Run from inside $repo: only it is seen in the root" >&2; exit 1 ;;
esac
in_root /bin/sh -c 'cd "$1" && shift && exec "$@"' sh "$PWD" "$@"
