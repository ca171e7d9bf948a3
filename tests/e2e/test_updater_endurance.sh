#!/usr/bin/env bash
# 1,000 changes in a row, driven by WM_COMMAND: the Updater's private memory
# stays flat after the first changes, the configuration file reads back
# whole, and the program directory holds nothing new but the wallpaper
# bitmap and the log.
source "$(dirname "$0")/lib.sh"
e2e_setup updater_endurance
class=Tmainform updater="Lumivane 3 Updater"
ini=$(e2e_app_file lumivane3.ini)

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 48x32 gradient:'#2050a0'-'#f0c060' "$pics/a.jpg"
convert -size 40x40 xc:'#20c020' "$pics/b.gif"
convert -size 30x20 xc:'#2020c0' BMP3:"$pics/c.bmp"
printf 'MZ' >"$pics/saver.scr"
printf 'RIFF' >"$pics/ding.wav"
event='HKCU\AppEvents\Schemes\Apps\.Default\SystemAsterisk\.Current'
e2e_wine reg add "$event" /ve /d '' /f >/dev/null
cat >"$ini" <<'INI'
[Wallpaper]
0=C:\pics\a.jpg
1=C:\pics\b.gif
2=C:\pics\c.bmp
[Wallpapercfg]
mode=1
next=1
0=0
1=1
2=2
[Screen Saver]
0=C:\pics\saver.scr
[Screen Savercfg]
mode=0
next=1
[Startup Logo]
0=C:\pics\b.gif
1=C:\pics\c.bmp
[Startup Logocfg]
mode=0
next=1
[.Default\SystemAsterisk]
0=C:\pics\ding.wav
[.Default\SystemAsteriskcfg]
mode=0
next=1
INI
ls "$E2E_APPDIR" | sort >"$E2E_WORK/before.txt"

e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made $class "$updater" 20000 >/dev/null
# Change All Now changes four items, Next Wallpaper one: 50 + 4 x 200 + 150 = 1,000 changes.
e2e_drive command $class "$updater" 102 50
early=$(e2e_drive memory $class "$updater")
e2e_drive command $class "$updater" 101 200
e2e_drive command $class "$updater" 102 150
late=$(e2e_drive memory $class "$updater")
echo "private bytes after 50 changes: $early, after 1000: $late"
[ "$early" -gt 0 ] || e2e_fail "no private byte count from the system"
[ "$late" -le $((early + 1024 * 1024)) ] || e2e_fail "private memory grew from $early to $late bytes"

e2e_drive close $class "$updater"
e2e_drive wait-gone $class "$updater" 10000 >/dev/null
e2e_expect_eq "$(grep -c 'C:\\pics' "$(e2e_app_file updater3.log)")" 200 "log lines"
grep -q 'cannot use' "$(e2e_app_file updater3.log)" && e2e_fail "a change failed: $(grep 'cannot use' "$(e2e_app_file updater3.log)" | head -3)"
e2e_expect_eq "$(e2e_wine cmd /c type 'C:\Lumivane3\lumivane3.ini' | tr -d '\r' | grep -c '^[0-9]=C:\\pics\\')" 7 \
  "list entries reading back"
for section in Wallpapercfg 'Screen Savercfg' 'Startup Logocfg' '.Default\\SystemAsteriskcfg'; do
  grep -q "^\[$section\]" "$ini" || e2e_fail "section $section is gone"
done
e2e_expect_eq "$(e2e_reg_value "$event" '')" 'C:\pics\ding.wav' "the sound event"
ls "$E2E_APPDIR" | sort >"$E2E_WORK/after.txt"
# Besides the bitmap and the log: the wallpaper the user had, for the removal.
e2e_expect_eq "$(comm -13 "$E2E_WORK/before.txt" "$E2E_WORK/after.txt" | tr '\n' ' ')" \
  "LumivaneOriginalWallpaper.ini LumivaneWallpaper.bmp updater3.log " "files left in the program directory"
echo "updater_endurance: ok"
