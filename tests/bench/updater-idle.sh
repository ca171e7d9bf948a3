#!/usr/bin/env bash
# The idle Updater under Wine: CPU time over a minute and memory, with a
# one-hour wallpaper interval (a timer set, nothing due). Run by hand after
# the win64 build:
#   LV_E2E_BUILD=build/win64 LV_E2E_PROGRAM=build/win64/lumivane3.exe \
#   LV_E2E_DRIVER=build/win64/tests/e2e/lvdrive.exe LV_E2E_UPDATER=build/win64/updater3.exe \
#   bash tests/bench/updater-idle.sh
LV_E2E_BUILD=$(realpath "$LV_E2E_BUILD")
source "$(dirname "$0")/../e2e/lib.sh"
e2e_setup bench_updater_idle
mkdir -p "$WINEPREFIX/drive_c/pics"
convert -size 64x48 xc:'#c02020' "$WINEPREFIX/drive_c/pics/a.jpg"
printf '[Wallpaper]\r\n0=C:\\pics\\a.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n[scheduler]\r\npaper=1\r\npapertime=60\r\n' \
  >"$(e2e_app_file lumivane3.ini)"
e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made Tmainform "Lumivane 3 Updater" 20000 >/dev/null
sleep 3
pid=$(pgrep -f 'Lumivane3.updater3.exe' | head -n1)
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep 60
after=$(ticks)
hz=$(getconf CLK_TCK)
echo "CPU time over 60 s idle: $(( (after - before) * 1000 / hz )) ms"
echo "private bytes (GetProcessMemoryInfo): $(e2e_drive memory Tmainform 'Lumivane 3 Updater')"
echo "resident set of the Wine process: $(awk '/VmRSS/ { print $2, $3 }' "/proc/$pid/status")"
