#!/usr/bin/env bash
# The installer and the removal, run under the emulation that
# scripts/setup-pe32.sh sets up:
#   installer32.sh SETUP.exe WORK_DIR DRIVER.exe
# A silent install into a fresh prefix; the installed Control Center's Save
# and Exit starts the Updater, which changes the wallpaper and a sound; an
# install over it closes and restarts the Updater and keeps the settings;
# then a silent removal must leave the desktop as the user had it.
set -euo pipefail
setup=$(realpath "$1")
export LV_E2E_BUILD=$(realpath -m "$2") LV_E2E_DRIVER=$(realpath "$3")
# e2e_setup copies a program into C:\Lumivane3; this test installs its own.
export LV_E2E_PROGRAM=$setup
pe32=${LUMIVANE_PE32:-/var/lib/lumivane-pe32}
export LV_E2E_WINE=$pe32/lib/wine/wine64 LV_E2E_TEMPLATE=$pe32/prefix
export QEMU_LD_PREFIX=$pe32/i386root WINESERVER=/usr/lib/wine/wineserver64
export LV_E2E_WAIT=60
boot_ms=120000

source "$(dirname "$0")/lib.sh"
e2e_setup installer32
rm -rf "$E2E_APPDIR"
started=$(date +%s)
elapsed() { echo "$(($(date +%s) - $1)) s"; }
class=Tmainform title="Lumivane 3 Control Center" updater="Lumivane 3 Updater"
# Wine names the Windows user after the Unix one.
wine_user=$(id -un)
user=$WINEPREFIX/drive_c/users/$wine_user
E2E_APP_WINDIR="C:\\users\\$wine_user\\AppData\\Local\\Programs\\Lumivane 3"
E2E_APPDIR="$user/AppData/Local/Programs/Lumivane 3"
menu="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Lumivane 3"
entry='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Lumivane3'
# As the 32-bit programs see them (on 64-bit Windows, the machine's Run key
# of 32-bit programs is a key of its own).
run_keys=('HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' 'HKCU\SOFTWARE\Microsoft\Windows\CurrentVersion\Run')
event='HKCU\AppEvents\Schemes\Apps\.Default\SystemAsterisk'

# The user's desktop before Lumivane 3: a wallpaper of his own and the
# scheme's sound for an event.
mkdir -p "$WINEPREFIX/drive_c/pics" "$WINEPREFIX/drive_c/sounds"
convert -size 64x48 xc:'#336699' "BMP3:$WINEPREFIX/drive_c/pics/Mine.bmp"
convert -size 200x150 xc:'#c08040' "$WINEPREFIX/drive_c/pics/Dawn.jpg"
printf 'RIFF' >"$WINEPREFIX/drive_c/sounds/cycled.wav"
e2e_wine reg add 'HKCU\Control Panel\Desktop' /v Wallpaper /d 'C:\pics\Mine.bmp' /f >/dev/null
e2e_wine reg add "$event\\.Default" /ve /d 'C:\sounds\original.wav' /f >/dev/null
e2e_wine reg add "$event\\.Current" /ve /d 'C:\sounds\original.wav' /f >/dev/null

# Under the emulation a 32-bit program sometimes faults inside its own exit
# ("segv_handler Got unexpected trap -1", after its window is gone); Wine's
# automatic debugger then holds the process, and its program file, for
# ever. Without a debugger it ends, as it would on Windows.
for view in 32 64; do
  e2e_wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d "" /f /reg:$view >/dev/null
done

install() {
  local begun=$(date +%s)
  e2e_wine "$setup" /S
  echo "silent install took $(elapsed "$begun")"
}
install
for name in lumivane3.exe lumivane3help.exe updater3.exe restore3.exe README.txt uninstall.exe; do
  [ -f "$E2E_APPDIR/$name" ] || e2e_fail "the install lacks $name"
done
for name in "Lumivane 3 Control Center.lnk" "Lumivane 3 Help.lnk"; do
  [ -f "$menu/$name" ] || e2e_fail "the Start menu lacks $name"
done
e2e_expect_eq "$(e2e_reg_value "$entry" DisplayName)" "Lumivane 3" "DisplayName of the uninstall entry"
e2e_expect_eq "$(e2e_reg_value "$entry" InstallLocation)" "$E2E_APP_WINDIR" "InstallLocation"
e2e_expect_eq "$(e2e_reg_value "$entry" QuietUninstallString)" "\"$E2E_APP_WINDIR\\uninstall.exe\" /S" \
  "QuietUninstallString"

# The Updater's first change: the picture as the wallpaper bitmap, the file as the event's sound.
ini=$(e2e_app_file lumivane3.ini)
printf '[Wallpaper]\r\n0=C:\\pics\\Dawn.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n0=0\r\n' >"$ini"
printf '[.Default\\SystemAsterisk]\r\n0=C:\\sounds\\cycled.wav\r\n[.Default\\SystemAsteriskcfg]\r\nmode=0\r\nnext=1\r\n' >>"$ini"
e2e_start
e2e_drive wait $class "$title" "$boot_ms" >/dev/null
e2e_drive click $class "$title" 346 406
e2e_drive msgbox-press Confirm "&Yes" 60000
e2e_wait_exit 60
e2e_drive wait-made $class "$updater" "$boot_ms" >/dev/null
e2e_wait_for "wallpaper after the Updater's start" "$E2E_APP_WINDIR\\LumivaneWallpaper.bmp" e2e_drive wallpaper
e2e_wait_for "the event's sound after the Updater's start" 'C:\sounds\cycled.wav' e2e_reg_value "$event\\.Current" ""
run_value() { e2e_wine reg query "$1" /v LumivaneUpdater /reg:32 >/dev/null 2>&1; }
run_value "${run_keys[0]}" || e2e_fail "Save and Exit did not register the Updater"
echo "installed Control Center and Updater done after $(elapsed "$started")"

# Installing over it closes the running Updater, starts it again, and keeps the settings.
updater_before=$(e2e_drive exists $class "$updater")
install
e2e_expect_eq "$updater_before" yes "the Updater before the second install"
e2e_drive wait-made $class "$updater" "$boot_ms" >/dev/null || e2e_fail "the second install did not start the Updater again"
grep -qF 'Dawn.jpg' "$ini" || e2e_fail "the second install lost lumivane3.ini"

# The silent removal: the uninstaller copies itself away and returns at
# once, so the folder's going is what is waited for.
begun=$(date +%s)
e2e_wine "$E2E_APPDIR/uninstall.exe" /S
gone() { [ -e "$E2E_APPDIR" ] && echo present || echo gone; }
e2e_wait_for "the program folder after the removal" gone gone
echo "silent removal took $(elapsed "$begun")"
e2e_expect_eq "$(e2e_drive exists $class "$updater")" no "the Updater after the removal"
for key in "${run_keys[@]}"; do
  ! run_value "$key" || e2e_fail "$key still starts the Updater"
done
e2e_expect_eq "$(e2e_reg_value "$event\\.Current" "")" 'C:\sounds\original.wav' "the event's sound after the removal"
e2e_expect_eq "$(e2e_drive wallpaper)" 'C:\pics\Mine.bmp' "the wallpaper after the removal"
[ ! -e "$menu" ] || e2e_fail "the Start menu folder is still there"
! e2e_reg_exists "$entry" || e2e_fail "the uninstall entry is still there"
echo "installer32: ok ($(elapsed "$started") in all)"
