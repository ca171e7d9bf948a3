#!/usr/bin/env bash
# The shipped 32-bit programs, run under the emulation that
# scripts/setup-pe32.sh sets up, driven through their real windows by the
# win64 driver:
#   shipped32.sh PROGRAM_DIR WORK_DIR DRIVER.exe
# PROGRAM_DIR holds lumivane3.exe and lumivane3help.exe (and updater3.exe,
# once it ships) as the release archive holds them. One run of the Control
# Center does every check: each 32-bit start is emulated.
set -euo pipefail
programs=$(realpath "$1")
export LV_E2E_BUILD=$(realpath -m "$2") LV_E2E_DRIVER=$(realpath "$3")
export LV_E2E_PROGRAM=$programs/lumivane3.exe
pe32=${LUMIVANE_PE32:-/var/lib/lumivane-pe32}
# The copied 64-bit loader starts 32-bit programs through the i386 loader
# beside it; qemu finds the i386 libraries in the root.
export LV_E2E_WINE=$pe32/lib/wine/wine64 LV_E2E_TEMPLATE=$pe32/prefix
export QEMU_LD_PREFIX=$pe32/i386root WINESERVER=/usr/lib/wine/wineserver64
# The emulated program is slower than a native one at everything it does.
export LV_E2E_WAIT=30
boot_ms=120000
unset LV_E2E_UPDATER
if [ -f "$programs/updater3.exe" ]; then export LV_E2E_UPDATER=$programs/updater3.exe; fi

source "$(dirname "$0")/lib.sh"
e2e_setup shipped32
class=Tmainform title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)
bitmap=$(e2e_app_file LumivaneWallpaper.bmp)
cp "$programs/lumivane3help.exe" "$E2E_APPDIR/lumivane3help.exe"
mkdir -p "$WINEPREFIX/drive_c/pics"
convert -size 354x270 gradient:'#2050a0'-'#f0c060' "$WINEPREFIX/drive_c/pics/Sunset Sky.jpg"
convert -size 200x150 xc:'#c08040' "$WINEPREFIX/drive_c/pics/Dawn.jpg"
# The list already holds one picture, cycled in order, so that the Updater
# has a change to make that Apply Now did not.
printf '[Wallpaper]\r\n0=C:\\pics\\Dawn.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n0=0\r\n' >"$ini"
px() { e2e_drive pixel $class "$title" "$1" "$2"; }
elapsed() { echo "$(($(date +%s) - $1)) s"; }

# Start-up: class and title (what the driver waits for), size, traced shape.
started=$(date +%s)
e2e_start
e2e_drive wait $class "$title" "$boot_ms" >/dev/null
echo "Control Center shown after $(elapsed "$started")"
read -r _ _ w h < <(e2e_drive rect $class "$title")
e2e_expect_eq "$w x $h" "591 x 426" "client size"
behind=$(px -30 200)
for point in "1 1" "25 10" "590 200"; do
  e2e_expect_eq "$(px $point)" "$behind" "screen at client ($point), outside the traced shape"
done
for point in "3 100" "300 12" "300 425"; do
  [ "$(px $point)" != "$behind" ] || e2e_fail "client ($point) should be the window's"
done
e2e_screenshot "$E2E_WORK/main.png" $class "$title"

# Help opens the help program.
help_clicked=$(date +%s)
e2e_drive click $class "$title" 550 406
e2e_drive wait Thelpform "Lumivane 3 Help" "$boot_ms" >/dev/null
echo "help program shown $(elapsed "$help_clicked") after the click"
grep -q "converted by the Updater" <<<"$(e2e_drive text Thelpform "Lumivane 3 Help" "#100")" \
  || e2e_fail "the help window does not show the help text"
e2e_drive close Thelpform "Lumivane 3 Help"
e2e_drive wait-gone Thelpform "Lumivane 3 Help" 60000

# A page button shows its page; the open dialog adds a picture; Apply Now
# turns it into the wallpaper bitmap and makes that the wallpaper.
e2e_page 1
e2e_wait_for "display modes on the Wallpaper page" visible e2e_shown 256
e2e_drive click $class "$title" 120 247
dialog="Open (Active Desktop support: Yes)"
e2e_drive open-files "$dialog" 'C:\pics' 60000
e2e_drive open-files "$dialog" '"Sunset Sky.jpg"' 60000
e2e_wait_for "list after adding" $'C:\\pics\\Dawn.jpg\nC:\\pics\\Sunset Sky.jpg' \
  e2e_drive list-items $class "$title" '#200'
e2e_drive click $class "$title" 150 85
e2e_wait_for "LastSelect of the picture" "(2) Sunset Sky.jpg" e2e_drive text $class "$title" '#210'
e2e_drive click $class "$title" 133 285
e2e_wait_for "SPI_GETDESKWALLPAPER" 'C:\Lumivane3\LumivaneWallpaper.bmp' e2e_drive wallpaper
bitmap_size() {
  /usr/bin/python3 -c '
import struct, sys
data = open(sys.argv[1], "rb").read()
width, height = struct.unpack_from("<ii", data, 18)
print(data[:2].decode("latin-1"), width, abs(height), "whole" if struct.unpack_from("<I", data, 2)[0] == len(data) else "short")
' "$bitmap"
}
e2e_expect_eq "$(bitmap_size)" "BM 354 270 whole" "wallpaper bitmap"
e2e_screenshot "$E2E_WORK/wallpaper.png" $class "$title"

# Save and Exit writes the configuration file.
e2e_drive click $class "$title" 346 406
e2e_expect_eq "$(e2e_drive msgbox-text Confirm 60000)" "Save and Exit?" "save question"
e2e_drive msgbox-press Confirm "&Yes" 60000
e2e_wait_exit 60
e2e_expect_eq "$E2E_EXIT_CODE" 0 "exit code after Save and Exit"
section() { sed -n "/^\[$1\]/,/^\[/p" "$ini" | tr -d '\r'; }
# The Updater that Save and Exit starts may be rewriting the file meanwhile:
# each check reads it until it holds the line.
has() { grep -qxF -- "$2" <<<"$(section "$1")" && echo yes || echo no; }
e2e_wait_for "the saved wallpaper list" yes has Wallpaper '1=C:\pics\Sunset Sky.jpg'
e2e_wait_for "the saved options" yes has Master 'enable=1'

# Save and Exit started the 32-bit Updater: it makes the first picture the
# wallpaper, moves "next" on, and ends on WM_CLOSE.
if [ -n "${LV_E2E_UPDATER:-}" ]; then
  updater="Lumivane 3 Updater"
  e2e_drive wait-made $class "$updater" "$boot_ms" >/dev/null
  e2e_wait_for "wallpaper bitmap from the Updater" "BM 200 150 whole" bitmap_size
  key() { section "$1" | sed -n "s/^$2=//p"; }
  e2e_wait_for "next after the Updater's start" 2 key Wallpapercfg next
  e2e_wait_for "currentwall after the Updater's start" 'C:\pics\Dawn.jpg' key Master currentwall
  e2e_expect_eq "$(e2e_drive wallpaper)" 'C:\Lumivane3\LumivaneWallpaper.bmp' "SPI_GETDESKWALLPAPER after the Updater"
  e2e_drive close $class "$updater"
  e2e_drive wait-gone $class "$updater" 60000 || e2e_fail "the Updater did not end on WM_CLOSE"
fi
echo "shipped32: ok ($(elapsed "$started") in all)"
