#!/usr/bin/env bash
# Builds libjpeg-turbo for 32-bit Windows from Debian's source package: a static
# library without SIMD (no nasm needed), installed into the build tree. Runs once;
# later calls return as soon as the library is there.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$root/build/third_party"
prefix="$work/libjpeg-i686"

mkdir -p "$work"
cd "$work"
# Two test runs at once must not build into the same folders.
exec 9>build-libjpeg.lock
flock 9
if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
  exit 0
fi

if [ ! -f libjpeg-turbo-src/CMakeLists.txt ]; then
  # Unpack beside, then rename: an interrupted download leaves nothing half-made.
  rm -rf download libjpeg-turbo-src
  mkdir download
  (cd download && apt-get source libjpeg-turbo)
  mv "$(find download -mindepth 1 -maxdepth 1 -type d -name 'libjpeg-turbo-*')" libjpeg-turbo-src
  rm -rf download
fi

cmake -S libjpeg-turbo-src -B libjpeg-build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=OFF -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
cmake --build libjpeg-build
cmake --install libjpeg-build
