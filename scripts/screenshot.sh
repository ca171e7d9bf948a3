#!/usr/bin/env bash
# Starts the Control Center (the win64 build) under a private Xvfb screen,
# waits for its main window, saves a PNG of it and closes the program.
#   scripts/screenshot.sh [OUT.png] [--screen]    (default: build/screenshot.png,
#                                                  the window only)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=build/screenshot.png
whole=0
for arg in "$@"; do
  case $arg in
    --screen) whole=1 ;;
    *) out=$arg ;;
  esac
done
out=$(realpath -m "$out")

exe=$root/build/win64/lumivane3.exe
driver=$root/build/win64/tests/e2e/lvdrive.exe
if [ ! -f "$exe" ] || [ ! -f "$driver" ]; then
  echo "build the win64 preset first (scripts/run.sh does)" >&2
  exit 1
fi

# The program directory and the Wine prefix of interactive runs.
appdir=$root/build/run/Lumivane3
mkdir -p "$(dirname "$out")"
bash scripts/lay-out-programs.sh build/win64 "$appdir"

unset DISPLAY
source scripts/wine-session.sh
wine_session_start "$root/build/run/wineprefix"
wine=/usr/lib/wine/wine64
drive() { "$wine" "$driver" "$@" </dev/null; }

(cd "$appdir" && exec "$wine" "$appdir/lumivane3.exe") >"$root/build/run/program.log" 2>&1 </dev/null &
program=$!
class=Tmainform title="Lumivane 3 Control Center"
drive wait "$class" "$title" 30000 >/dev/null
# Give the first paint a moment to reach the screen.
sleep 0.5
if [ $whole = 1 ]; then
  import -display "$DISPLAY" -window root "$out"
else
  read -r x y w h < <(drive window-rect "$class" "$title")
  import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$out"
fi
# Closing is Quit, which asks first.
drive close "$class" "$title"
drive msgbox-press Confirm "&Yes" 10000 >/dev/null || true
wait "$program" || true
echo "screenshot: $out"
