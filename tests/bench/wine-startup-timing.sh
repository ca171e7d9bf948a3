#!/usr/bin/env bash
# Times the Control Center's start under Wine against a bare program that
# only opens one window of the same size (run by hand, not by ctest):
#   LV_E2E_BUILD=build/win64 LV_E2E_PROGRAM=build/win64/lumivane3.exe \
#     LV_E2E_DRIVER=build/win64/tests/e2e/lvdrive.exe tests/bench/wine-startup-timing.sh [RUNS]
# Both programs start in turn in one Wine prefix with one Wine server kept
# alive, RUNS times each (default 5); a start counts from CreateProcess to
# the window shown with its first painting done, and for the Control Center
# also to "ready", when the last window it makes after that painting exists.
# Prints every start, the medians (and fastest starts), the ratios of the
# medians and the load average. LV_BENCH_BEFORE=OTHER.exe times an older
# build in the same turns.
source "$(dirname "$0")/../e2e/lib.sh"
runs=${1:-5}
here=$(cd "$(dirname "$0")" && pwd)
e2e_setup bench_startup_timing
# The two small programs are built once per build tree, with the program's
# compiler, optimised and linked statically.
tools=$LV_E2E_BUILD/bench-startup
mkdir -p "$tools"
for tool in BareWindow StartTime; do
  flags=-mconsole
  [ $tool = BareWindow ] && flags=-mwindows
  [ "$tools/$tool.exe" -nt "$here/startup/$tool.cpp" ] ||
    x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static $flags -o "$tools/$tool.exe" \
      "$here/startup/$tool.cpp" || e2e_fail "cannot build $tool"
done
cp "$tools/BareWindow.exe" "$E2E_APPDIR/bare.exe"
# The Control Center makes the folder dialog (Taddfolder) last, after its
# first painting: "ready" is when that window exists.
programs=('C:\Lumivane3\bare.exe' LvBareWindow "Bare Window" - 'C:\Lumivane3\lumivane3.exe' Tmainform
  "Lumivane 3 Control Center" Taddfolder)
if [ -n "${LV_BENCH_BEFORE:-}" ]; then
  cp "$LV_BENCH_BEFORE" "$E2E_APPDIR/before.exe"
  programs+=('C:\Lumivane3\before.exe' Tmainform "Lumivane 3 Control Center" Taddfolder)
fi
# A first start of each, not counted: Wine reads its own DLLs in once.
out=$(e2e_wine "$tools/StartTime.exe" 1 "${programs[@]}" | tr -d '\r') || e2e_fail "warm-up: $out"
echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg)"
out=$(e2e_wine "$tools/StartTime.exe" "$runs" "${programs[@]}" | tr -d '\r') || e2e_fail "$out"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "$out"
bare=$(awk '/^median .*bare.exe/ {print $3}' <<<"$out")
lumivane=$(awk '/^median .*lumivane3.exe/ && !/ready/ {print $3}' <<<"$out")
echo "ratio of the medians (Control Center / bare window): $(echo "scale=2; $lumivane / $bare" | bc)"
ready=$(awk '/^median ready .*lumivane3.exe/ {print $4}' <<<"$out")
echo "ratio of the medians (Control Center ready / bare window): $(echo "scale=2; $ready / $bare" | bc)"
if [ -n "${LV_BENCH_BEFORE:-}" ]; then
  before=$(awk '/^median .*before.exe/ && !/ready/ {print $3}' <<<"$out")
  echo "ratio of the medians (before / bare window): $(echo "scale=2; $before / $bare" | bc)"
fi
