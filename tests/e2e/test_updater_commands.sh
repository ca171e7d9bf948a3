#!/usr/bin/env bash
# The Updater's new commands through its window: Next, Next, Previous,
# Previous bring the earlier pictures' bitmaps back; Remove This Picture
# shortens the list and leaves the file on disk; the hot keys; Pause Changes
# is stored; and its tray menu in Wine's taskbar, headed by the wallpaper's
# name.
source "$(dirname "$0")/lib.sh"
e2e_setup updater_commands
class=Tmainform updater="Lumivane 3 Updater"
ini=$(e2e_app_file lumivane3.ini)
log=$(e2e_app_file updater3.log)
bitmap=$(e2e_app_file LumivaneWallpaper.bmp)

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 64x48 xc:'#c02020' "$pics/red.jpg"
convert -size 40x30 xc:'#20c020' "$pics/green.gif"
convert -size 30x20 xc:'#2020c0' "$pics/blue.jpg"
printf '[Master]\r\nalwaystray=1\r\n[Wallpaper]\r\n0=C:\\pics\\red.jpg\r\n1=C:\\pics\\green.gif\r\n2=C:\\pics\\blue.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n0=0\r\n1=1\r\n2=0\r\n' >"$ini"
key() { sed -n "/^\[$1\]/,/^\[/p" "$ini" | tr -d '\r' | sed -n "s/^$2=//p"; }
command() { e2e_drive command $class "$updater" "$1"; }

# Wine's virtual desktop with its taskbar, whose notification area shows the icon.
e2e_wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d shell /f >/dev/null
e2e_wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /d 1024x768 /f >/dev/null

e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made $class "$updater" 20000 >/dev/null
e2e_wait_for "currentwall after the start" 'C:\pics\red.jpg' key Master currentwall

command 102
command 102
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\blue.jpg' "currentwall after Next, Next"
command 105
e2e_expect_eq "$(e2e_bitmap_info "$bitmap")" "40 30 LHL" "Previous: the second picture's bitmap"
e2e_expect_eq "$(e2e_reg_value 'HKCU\Control Panel\Desktop' TileWallpaper)" 1 "with its own display mode"
command 105
e2e_expect_eq "$(e2e_bitmap_info "$bitmap")" "64 48 HLL" "Previous again: the first picture's bitmap"
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\red.jpg' "currentwall after Previous, Previous"
e2e_expect_eq "$(key Wallpapercfg next)" 1 "the list's next after the walk back"

# The tray menu, headed by the wallpaper's name, opened as a click on the icon would.
e2e_drive post $class "$updater" 0x8001 0 0x205
e2e_wait_for "the tray menu" yes e2e_drive exists '#32768' '*'
sleep 0.5
e2e_screenshot "$E2E_WORK/tray-menu.png"
xdotool key Escape
e2e_wait_for "the tray menu closed" no e2e_drive exists '#32768' '*'

# Remove This Picture: out of the list with its display mode, the file stays, the next one shows.
command 107
e2e_expect_eq "$(key Wallpaper 0)|$(key Wallpaper 1)|$(key Wallpaper 2)" 'C:\pics\green.gif|C:\pics\blue.jpg|' \
  "the list after Remove This Picture"
e2e_expect_eq "$(key Wallpapercfg 0)|$(key Wallpapercfg 1)" '1|0' "display modes in step"
[ -f "$pics/red.jpg" ] || e2e_fail "Remove This Picture deleted the file"
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\green.gif' "currentwall after Remove This Picture"
grep -q 'C:\\pics\\red.jpg removed from the list' "$log" || e2e_fail "the log does not say so: $(cat "$log")"

# The hot keys from X input, as a keyboard gives them to any program.
xdotool key ctrl+alt+Next
e2e_wait_for "currentwall after Ctrl+Alt+PageDown" 'C:\pics\blue.jpg' key Master currentwall
xdotool key ctrl+alt+Prior
e2e_wait_for "currentwall after Ctrl+Alt+PageUp" 'C:\pics\green.gif' key Master currentwall

command 106
e2e_expect_eq "$(key Master paused)" 1 "Pause Changes stored"
command 106
e2e_expect_eq "$(key Master paused)" 0 "Resume Changes stored"
e2e_expect_eq "$(e2e_drive exists '#32770' '*')" no "a message box"
e2e_drive close $class "$updater"
e2e_drive wait-gone $class "$updater" 10000 >/dev/null

# A hot key another program holds: one line of the log, no box, the run goes on.
e2e_spawn "$LV_E2E_DRIVER" hold-hotkey 0x3 0x22 8000
e2e_wait_for "the other program's hot key" 1 bash -c "grep -c '^held' '$E2E_WORK/helpers.log' || true"
e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made $class "$updater" 20000 >/dev/null
e2e_wait_for "the log line of the taken hot key" 1 \
  bash -c "grep -c 'Next Wallpaper: the hot key Ctrl+Alt+PageDown is held by another program' '$log' || true"
e2e_expect_eq "$(grep -c 'hot key' "$log")" 1 "log lines about hot keys"
e2e_expect_eq "$(e2e_drive exists '#32770' '*')" no "a message box after the taken hot key"
e2e_drive close $class "$updater"
e2e_drive wait-gone $class "$updater" 10000 >/dev/null
echo "updater_commands: ok"
