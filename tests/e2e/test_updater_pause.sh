#!/usr/bin/env bash
# A pause stored in the configuration file holds the start-up change and a
# one-minute interval that falls due; Resume Changes makes the change once.
source "$(dirname "$0")/lib.sh"
e2e_setup updater_pause
class=Tmainform updater="Lumivane 3 Updater"
ini=$(e2e_app_file lumivane3.ini)
log=$(e2e_app_file updater3.log)

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 32x24 xc:'#c02020' "$pics/one.jpg"
convert -size 32x24 xc:'#2020c0' "$pics/two.jpg"
printf '[Master]\r\npaused=1\r\n[Wallpaper]\r\n0=C:\\pics\\one.jpg\r\n1=C:\\pics\\two.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n[scheduler]\r\npaper=1\r\npapertime=1\r\n' >"$ini"
current() { sed -n '/^\[Master\]/,/^\[/p' "$ini" | tr -d '\r' | sed -n 's/^currentwall=//p'; }

e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made $class "$updater" 20000 >/dev/null
sleep 65
e2e_expect_eq "$(current)" "" "currentwall after a due interval while paused"
e2e_expect_eq "$(cat "$log" 2>/dev/null | grep -c 'Wallpaper: C:')" 0 "wallpaper changes while paused"
e2e_drive command $class "$updater" 106
e2e_expect_eq "$(current)" 'C:\pics\one.jpg' "currentwall after Resume Changes"
sleep 2
e2e_expect_eq "$(grep -c 'Wallpaper: C:' "$log")" 1 "changes after Resume Changes"
e2e_drive close $class "$updater"
e2e_drive wait-gone $class "$updater" 10000 >/dev/null
echo "updater_pause: ok"
