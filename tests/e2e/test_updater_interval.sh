#!/usr/bin/env bash
# A one-minute wallpaper interval: the Updater changes the wallpaper at its
# start and again within 75 seconds, on its own.
source "$(dirname "$0")/lib.sh"
e2e_setup updater_interval
class=Tmainform updater="Lumivane 3 Updater"
ini=$(e2e_app_file lumivane3.ini)

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 32x24 xc:'#c02020' "$pics/one.jpg"
convert -size 32x24 xc:'#2020c0' "$pics/two.jpg"
printf '[Wallpaper]\r\n0=C:\\pics\\one.jpg\r\n1=C:\\pics\\two.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n[scheduler]\r\npaper=1\r\npapertime=1\r\n' >"$ini"
current() { sed -n '/^\[Master\]/,/^\[/p' "$ini" | tr -d '\r' | sed -n 's/^currentwall=//p'; }

e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made $class "$updater" 20000 >/dev/null
e2e_wait_for "the change at the start" 'C:\pics\one.jpg' current
started=$SECONDS
while [ "$(current)" != 'C:\pics\two.jpg' ]; do
  [ $((SECONDS - started)) -le 75 ] || e2e_fail "no second change within 75 s (currentwall $(current))"
  sleep 1
done
echo "second change after $((SECONDS - started)) s"
e2e_drive close $class "$updater"
e2e_drive wait-gone $class "$updater" 10000 >/dev/null
echo "updater_interval: ok"
