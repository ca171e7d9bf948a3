#!/usr/bin/env bash
# Installs every Debian package the builds and tests need. Idempotent: when
# everything is present it asks no package index and changes nothing.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config python3
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64
  nasm dpkg-dev
  libjpeg-dev libjpeg-turbo-progs libgif-dev
  googletest libgtest-dev
  wine64 xvfb xauth x11-utils xdotool imagemagick
  python3-xlib python3-pil fonts-dejavu-core fonts-dejavu-extra fontconfig
  debootstrap zip unzip nsis p7zip-full
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Source packages (libjpeg-turbo for the mingw builds) need a deb-src entry.
# It is derived from the machine's own apt sources so no host is named here.
src_list=/etc/apt/sources.list.d/lumivane-deb-src.sources
need_update=0
if [ ! -f "$src_list" ] && [ -f /etc/apt/sources.list.d/debian.sources ]; then
  sed 's/^Types:.*/Types: deb-src/' /etc/apt/sources.list.d/debian.sources | as_root tee "$src_list" >/dev/null
  need_update=1
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
