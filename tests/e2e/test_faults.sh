#!/usr/bin/env bash
# The real Updater under ordinary faults: a read-only wallpaper bitmap, the
# bitmap held open by another program, a read-only configuration file, and a
# WM_CLOSE sent at the moment the wallpaper change is announced. Each keeps
# the list whole, says why in the log, and writes nothing after WM_CLOSE.
source "$(dirname "$0")/lib.sh"
e2e_setup faults
class=Tmainform updater="Lumivane 3 Updater"
ini=$(e2e_app_file lumivane3.ini)
log=$(e2e_app_file updater3.log)
bitmap='C:\Lumivane3\LumivaneWallpaper.bmp'

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 64x48 xc:'#c02020' "$pics/red.jpg"
convert -size 40x30 xc:'#20c020' "$pics/green.jpg"
printf '[Master]\r\nenable=1\r\ndeletenon=1\r\n[Wallpaper]\r\n0=C:\\pics\\red.jpg\r\n1=C:\\pics\\green.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n0=0\r\n1=0\r\n' >"$ini"

key() { sed -n "/^\[$1\]/,/^\[/p" "$ini" | tr -d '\r' | sed -n "s/^$2=//p"; }
list() { echo "$(key Wallpaper 0)|$(key Wallpaper 1)"; }
whole='C:\pics\red.jpg|C:\pics\green.jpg'
command() { e2e_drive command $class "$updater" "$1"; }
start_updater() {
  e2e_spawn "$(e2e_app_file updater3.exe)"
  e2e_drive wait-made $class "$updater" 20000 >/dev/null
}
log_has() { tr -d '\r' <"$log" | grep -qF -- "$1" || e2e_fail "the log lacks '$1': $(cat "$log")"; }

# A read-only wallpaper bitmap: not the pictures' fault.
echo old >"$(e2e_app_file LumivaneWallpaper.bmp)"
e2e_wine attrib +r "$bitmap" >/dev/null
start_updater
e2e_wait_for "the log after the start" 1 bash -c "grep -c . '$log' 2>/dev/null || true"
log_has "Wallpaper: not changed: Cannot create file $bitmap"
e2e_expect_eq "$(list)" "$whole" "the list with a read-only bitmap"
e2e_expect_eq "$(key Wallpapercfg next)" 1 "next with a read-only bitmap"
e2e_wine attrib -r "$bitmap" >/dev/null
command 102
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\red.jpg' "currentwall once the bitmap is writable"
e2e_expect_eq "$(key Wallpapercfg next)" 2 "next once the bitmap is writable"

# The bitmap held open by a viewer that shares it for reading only.
e2e_spawn "$LV_E2E_DRIVER" hold "$bitmap" 4000
e2e_wait_for "the viewer's hold" 1 bash -c "grep -c '^held' '$E2E_WORK/helpers.log' || true"
command 102
e2e_expect_eq "$(list)" "$whole" "the list while the bitmap is held"
e2e_expect_eq "$(key Wallpapercfg next)" 2 "next while the bitmap is held"
log_has "Wallpaper: not changed: Cannot create file $bitmap"
sleep 4
command 102
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\green.jpg' "currentwall once the viewer let go"

# A read-only configuration file: the change is made and logged as made, the
# positions move on in memory, the file stays as it was, the Updater runs on.
e2e_wine attrib +r 'C:\Lumivane3\lumivane3.ini' >/dev/null
cp "$ini" "$E2E_WORK/readonly.ini"
command 102
command 102
cmp -s "$ini" "$E2E_WORK/readonly.ini" || e2e_fail "the read-only configuration file changed"
log_has "Unable to write to C:\\Lumivane3\\lumivane3.ini (the file is read-only): the settings cannot be saved"
e2e_expect_eq "$(tr -d '\r' <"$log" | tail -n2 | sed 's/^.*  //' | tr '\n' '|')" \
  'Wallpaper: C:\pics\red.jpg|Wallpaper: C:\pics\green.jpg|' "the changes made in memory"
e2e_expect_eq "$(e2e_drive exists $class "$updater")" yes "the Updater after a refused write"
e2e_wine attrib -r 'C:\Lumivane3\lumivane3.ini' >/dev/null

# WM_CLOSE sent by another program the moment the wallpaper change is
# announced: the change completes, then nothing more is written.
e2e_spawn "$LV_E2E_DRIVER" close-at-setting-change $class "$updater" 'C:\Lumivane3\lumivane3.ini' \
  'C:\Lumivane3\at-close.ini' 20000
e2e_wait_for "the closing window" 1 bash -c "grep -c '^ready' '$E2E_WORK/helpers.log' || true"
command 102
e2e_drive wait-gone $class "$updater" 10000 >/dev/null
e2e_wait_for "the copy taken when WM_CLOSE was answered" yes \
  bash -c "[ -f '$(e2e_app_file at-close.ini)' ] && echo yes || echo no"
sleep 1
cmp -s "$ini" "$(e2e_app_file at-close.ini)" || e2e_fail "the configuration file changed after WM_CLOSE was answered"
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\red.jpg' "the change announced was completed"
echo "faults: ok"
