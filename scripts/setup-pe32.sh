#!/usr/bin/env bash
# Sets up running the shipped 32-bit (PE32) programs on this machine, whose
# kernel refuses 32-bit code. Idempotent: the first run takes a few minutes
# (more on a slow archive), later runs about a second.
#
# How: every i386 ELF is run by qemu's user-mode emulator (a binfmt_misc
# entry), with its libraries from an i386 Debian root made from this
# machine's own archive. Only the PE32 program is emulated: the host's native
# 64-bit Wine runs the server, explorer and services in a 64-bit prefix, and
# a loader folder lets each side start the other.
#
# Everything lives in one machine-level folder (LUMIVANE_PE32, default
# /var/lib/lumivane-pe32), outside any work tree, so that a new clone on a
# machine already set up costs nothing:
#   qemu/qemu-i386   the emulator (Debian 13's, unpacked, not installed)
#   i386root/        the i386 root (32-bit Wine and its libraries; ~1.1 GB)
#   lib/wine/        the loader folder
#   prefix/          the 64-bit Wine prefix with its 32-bit half (syswow64)
# Nothing i386 enters the host's package database. The binfmt entry stays
# until reboot (echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386 removes it).
set -euo pipefail
cd "$(dirname "$0")/.."

home=${LUMIVANE_PE32:-/var/lib/lumivane-pe32}
root=$home/i386root
loader=$home/lib/wine
prefix=$home/prefix
step() { echo "[setup-pe32 $(date +%T)] $*"; }
as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# 1. Host packages (debootstrap and the rest, by name).
bash scripts/install-deps.sh

# The archive, suite and key this machine already uses (deb822 or one-line sources).
src=/etc/apt/sources.list.d/debian.sources
if [ -f $src ]; then
  uri=$(awk '/^URIs:/{print $2; exit}' $src)
  suite=$(awk '/^Suites:/{print $2; exit}' $src)
  key=$(awk '/^Signed-By:/{print $2; exit}' $src)
else
  read -r uri suite < <(awk '$1 == "deb" && $2 !~ /^\[/ {print $2, $3; exit}' /etc/apt/sources.list)
  key=
fi
[ -n "$uri" ] && [ -n "$suite" ] || { echo "setup-pe32: no Debian archive in the apt sources" >&2; exit 1; }

# 2. The emulator: qemu-i386 of Debian 13 (qemu 10), from the same archive,
#    unpacked into this folder, not installed. Debian 12's qemu 7.2 handles
#    a signal the Wine server sends the emulated program on the wrong thread
#    now and then, and the program then hangs (tests/e2e/README.md).
qemu=$home/qemu/qemu-i386
qemu_suite=${LUMIVANE_PE32_QEMU_SUITE:-trixie}
if [ ! -x "$qemu" ]; then
  step "fetching qemu-i386 from Debian's $qemu_suite (qemu-user, about 70 MB)"
  apt=$(mktemp -d)
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial"
  echo "deb ${key:+[signed-by=$key] }$uri $qemu_suite main" >"$apt/sources.list"
  opts=(-o Dir::Etc::sourcelist="$apt/sources.list" -o Dir::Etc::sourceparts=/dev/null
        -o Dir::State::lists="$apt/lists" -o Dir::Cache="$apt/cache" -o Dir::State::status=/dev/null
        -o APT::Sandbox::User=root)
  as_root apt-get "${opts[@]}" -qq update >/dev/null
  (cd "$apt" && as_root apt-get "${opts[@]}" -qq download qemu-user >/dev/null)
  as_root dpkg-deb -x "$apt"/qemu-user_*.deb "$apt/root"
  as_root mkdir -p "$home/qemu"
  as_root install -m 755 "$apt/root/usr/bin/qemu-i386" "$qemu.new"
  as_root mv "$qemu.new" "$qemu"
  as_root rm -rf "$apt"
fi

# 3. binfmt_misc: i386 ELF executables and shared objects go to that
#    qemu-i386. Flag F opens the emulator now, so it also serves inside
#    other roots. An entry for another emulator is replaced.
bm=/proc/sys/fs/binfmt_misc
[ -e $bm/register ] || as_root mount -t binfmt_misc binfmt_misc $bm
if [ -e $bm/qemu-i386 ] && ! grep -qx "interpreter $qemu" $bm/qemu-i386; then
  echo -1 | as_root tee $bm/qemu-i386 >/dev/null
fi
if [ ! -e $bm/qemu-i386 ]; then
  step "registering $qemu for i386 programs (binfmt_misc, until reboot)"
  printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'"$qemu"':F' \
    | as_root tee $bm/register >/dev/null
fi
grep -q '^enabled' $bm/qemu-i386 || echo 1 | as_root tee $bm/qemu-i386 >/dev/null

# 4. The i386 root. debootstrap's first stage only downloads and unpacks,
#    natively; the packages are then all unpacked natively too. Running their
#    maintainer scripts (debootstrap's second stage) would take a quarter of
#    an hour under emulation, and loading 32-bit Wine needs none of them.
if [ ! -x "$root/usr/lib/wine/wine" ]; then
  part=$root.part
  as_root rm -rf "$part"
  as_root mkdir -p "$home"
  step "1/3 downloading the i386 root with 32-bit Wine from $uri ($suite; about 300 MB, a few minutes)"
  as_root debootstrap --foreign --arch=i386 --variant=minbase --include=wine32,wine32-preloader,wine \
    ${key:+--keyring="$key"} "$suite" "$part" "$uri" >"$home/debootstrap.log" 2>&1 \
    || { tail -20 "$home/debootstrap.log" >&2; exit 1; }
  debs=("$part"/var/cache/apt/archives/*.deb)
  step "2/3 unpacking ${#debs[@]} packages into the i386 root (about a minute)"
  for deb in "${debs[@]}"; do
    # Files already unpacked, and the merged-/usr links, stay as they are.
    dpkg-deb --fsys-tarfile "$deb" | as_root tar --skip-old-files -xf - -C "$part"
  done
  # One maintainer script matters: libwine's, which makes Wine's builtin
  # zlib1.dll (user32 needs it) from the mingw one. It runs in the root.
  dpkg-deb --ctrl-tarfile "$part"/var/cache/apt/archives/libwine_*_i386.deb \
    | as_root tar -xOf - ./postinst | as_root tee "$part/tmp/libwine.postinst" >/dev/null
  as_root chroot "$part" /bin/sh /tmp/libwine.postinst configure
  as_root rm -f "$part/tmp/libwine.postinst" "$part"/var/cache/apt/archives/*.deb
  # qemu looks up every absolute path in the root first: a /proc that links
  # to /proc would loop. Then the library cache that libc's maintainer
  # script would have made (without it the host's cache is read).
  as_root rm -f "$part/proc"
  as_root mkdir -p "$part/proc"
  as_root chroot "$part" /sbin/ldconfig
  as_root mv "$part" "$root"
fi
"$root/bin/true" || { echo "setup-pe32: i386 programs do not run through qemu-i386" >&2; exit 1; }
QEMU_LD_PREFIX=$root "$root/usr/lib/wine/wine" --version >/dev/null 2>&1 \
  || { echo "setup-pe32: the i386 Wine loader does not run" >&2; exit 1; }
[ "$(QEMU_LD_PREFIX=$root "$root/usr/lib/wine/wine" --version)" = "$(/usr/lib/wine/wine64 --version)" ] \
  || { echo "setup-pe32: the i386 and the host's Wine differ in version" >&2; exit 1; }

# 5. The loader folder. Wine finds its other half beside the real path of the
#    running loader: a copy of the host's wine64 next to links to the i386
#    loader, and a link back from the i386 root.
as_root mkdir -p "$loader" "$home/share"
cmp -s /usr/lib/wine/wine64 "$loader/wine64" || as_root cp /usr/lib/wine/wine64 "$loader/wine64"
as_root ln -sfn /usr/lib/x86_64-linux-gnu "$home/lib/x86_64-linux-gnu"
as_root ln -sfn /usr/share/wine "$home/share/wine"
as_root ln -sfn "$root/usr/lib/wine/wine" "$loader/wine"
as_root ln -sfn "$root/usr/lib/wine/wine-preloader" "$loader/wine-preloader"
as_root ln -sfn "$loader/wine64" "$root/usr/lib/wine/wine64"

# 6. The prefix: its 64-bit part natively, its 32-bit part (syswow64 and the
#    32-bit registry) by the emulated wineboot that the 64-bit one starts.
if [ ! -f "$prefix/.complete" ]; then
  export WINEPREFIX=$prefix QEMU_LD_PREFIX=$root WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
  export WINESERVER=/usr/lib/wine/wineserver64
  n=150
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  trap 'kill $xvfb 2>/dev/null || true' EXIT
  export DISPLAY=:$n
  sleep 1
  if [ ! -f "$prefix/system.reg" ]; then
    step "3/3 making the Wine prefix (about a minute; its 32-bit part runs emulated)"
    "$loader/wine64" wineboot --init >/dev/null 2>&1 || true
    "$WINESERVER" -w
  fi
  if [ ! -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ] || ! grep -q Wow6432Node "$prefix/system.reg"; then
    echo "setup-pe32: the prefix has no 32-bit half; remove $prefix and run again" >&2
    exit 1
  fi
  touch "$prefix/.complete"
fi
step "ready: $home"
