#!/usr/bin/env bash
# Builds a static libjpeg for one mingw-w64 target from Debian's
# libjpeg-turbo source package, into PREFIX. Reuses an earlier build.
#   build-libjpeg-mingw.sh TRIPLET PREFIX
set -euo pipefail
triplet=$1
prefix=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
src_cache=${LV_DEPS_SRC:-$here/../build/deps-src}
mkdir -p "$src_cache"
src_cache=$(realpath "$src_cache")

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ]; then
  exit 0
fi

# One download for both targets, even when two builds configure at once.
exec 9>"$src_cache/.lock"
flock 9
srcdir=$(find "$src_cache" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
if [ -z "$srcdir" ]; then
  (cd "$src_cache" && apt-get source --download-only libjpeg-turbo >/dev/null 2>&1) || {
    echo "apt-get source libjpeg-turbo failed: run scripts/install-deps.sh (it adds the deb-src entry)" >&2
    exit 1
  }
  tarball=$(ls "$src_cache"/libjpeg-turbo_*.orig.tar.* | head -n 1)
  tar -C "$src_cache" -xf "$tarball"
  srcdir=$(find "$src_cache" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -n 1)
fi
flock -u 9

mkdir -p "$(dirname "$prefix")"
build=$prefix.build
rm -rf "$build"
common=(-G Ninja -S "$srcdir" -B "$build"
  -DCMAKE_SYSTEM_NAME=Windows
  -DCMAKE_SYSTEM_PROCESSOR="${triplet%%-*}"
  -DCMAKE_C_COMPILER="${LV_JPEG_CC:-$triplet-gcc-posix}"
  -DCMAKE_RC_COMPILER="$triplet-windres"
  -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix"
  -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF)

# SIMD where nasm can build it; plain C otherwise.
if command -v nasm >/dev/null && cmake "${common[@]}" -DWITH_SIMD=ON >"$build.log" 2>&1 \
   && cmake --build "$build" -j2 --target jpeg-static >>"$build.log" 2>&1; then
  echo "libjpeg for $triplet: with SIMD"
else
  rm -rf "$build"
  cmake "${common[@]}" -DWITH_SIMD=OFF >"$build.log" 2>&1
  cmake --build "$build" -j2 --target jpeg-static >>"$build.log" 2>&1
  echo "libjpeg for $triplet: plain C"
fi
mkdir -p "$prefix/lib" "$prefix/include"
cp "$build/libjpeg.a" "$prefix/lib/"
cp "$srcdir/jpeglib.h" "$srcdir/jmorecfg.h" "$srcdir/jerror.h" "$build/jconfig.h" "$prefix/include/"
rm -rf "$build"
