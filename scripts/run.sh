#!/usr/bin/env bash
# Builds the shipped programs for Windows (win64) and starts the Control
# Center under Wine with the others beside it, as the archive lays them out,
# installing what is missing first. On a desktop (DISPLAY set) the window
# opens there; without a display it runs under Xvfb, a screenshot is written
# to build/screenshot.png and the program is closed.
# The program directory is build/run/Lumivane3, the Wine prefix build/run/wineprefix.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
cmake --preset win64 >/dev/null
programs=$(grep -v '^#' ship/programs.tsv | cut -f1 | tr '\n' ' ')
cmake --build --preset win64 --target $programs lvdrive

if [ -z "${DISPLAY:-}" ]; then
  exec bash scripts/screenshot.sh build/screenshot.png
fi

appdir=$root/build/run/Lumivane3
bash scripts/lay-out-programs.sh build/win64 "$appdir"
export WINEPREFIX=$root/build/run/wineprefix
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "preparing the Wine prefix (once, about 10 s)"
  # Quietly: Wine's 32-bit half is missing here by design and says so.
  /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 </dev/null || true
  /usr/lib/wine/wineserver -w
fi
cd "$appdir"
echo "starting Lumivane 3 Control Center"
exec /usr/lib/wine/wine64 "$appdir/lumivane3.exe"
