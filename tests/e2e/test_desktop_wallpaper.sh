#!/usr/bin/env bash
# Apply Now on the Wallpaper page through the real window: a JPEG picked
# through the open dialog and set to Stretch becomes the wallpaper bitmap in
# the program directory, the system is told to tile nothing and stretch, the
# system wallpaper is that bitmap, the ini file names the JPEG and so does
# the "Current:" line.
source "$(dirname "$0")/lib.sh"
e2e_setup desktop_wallpaper
class=Tmainform title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)
bitmap=$(e2e_app_file LumivaneWallpaper.bmp)
desktop='HKCU\Control Panel\Desktop'

list_count() { e2e_drive list-items $class "$title" '#200' | wc -l; }
current() { e2e_drive text $class "$title" '#212'; }

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 354x270 gradient:'#2050a0'-'#f0c060' "$pics/Sunset Sky.jpg"
convert -size 120x90 xc:'#30a040' "$pics/meadow.jpg"
convert -size 90x180 xc:'#a03050' "$pics/harbour.jpg"
# A wallpaper set before: Apply must replace every trace of it.
e2e_wine reg add "$desktop" /v TileWallpaper /d 1 /f >/dev/null
e2e_wine reg add "$desktop" /v WallpaperStyle /d 0 /f >/dev/null

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_page 1
e2e_wait_for "display modes on the Wallpaper page" visible e2e_shown 256
e2e_drive click $class "$title" 120 247
dialog="Open (Active Desktop support: Yes)"
e2e_drive open-files "$dialog" 'C:\pics' 10000
e2e_drive open-files "$dialog" '"meadow.jpg" "Sunset Sky.jpg" "harbour.jpg"' 10000
e2e_wait_for "list after adding" 3 list_count
row=$(e2e_drive list-items $class "$title" '#200' | grep -n 'Sunset Sky.jpg$' | cut -d: -f1)
[ -n "$row" ] || e2e_fail "the JPEG is not in the list"

# Pick the JPEG, choose Stretch, Apply Now.
e2e_drive click $class "$title" 150 $((59 + 13 * row))
e2e_wait_for "LastSelect of the JPEG" "($row) Sunset Sky.jpg" e2e_drive text $class "$title" '#210'
e2e_drive click $class "$title" 420 211
e2e_drive click $class "$title" 133 285
ini_wall() { sed -n '/^\[Master\]/,/^\[/p' "$ini" | grep '^currentwall=' | tr -d '\r'; }
e2e_wait_for "currentwall in the ini file" 'currentwall=C:\pics\Sunset Sky.jpg' ini_wall
e2e_expect_eq "$(e2e_drive exists '#32770' 'Lumivane 3')" no "an error box after Apply Now"

# The wallpaper bitmap: a Windows bitmap of the JPEG's size, whole.
[ -f "$bitmap" ] || e2e_fail "no LumivaneWallpaper.bmp in the program directory"
header=$(/usr/bin/python3 - "$bitmap" <<'EOF'
import os, struct, sys
data = open(sys.argv[1], "rb").read()
magic, size, _, offset = struct.unpack_from("<2sIII", data, 0)
info, width, height, planes, bits = struct.unpack_from("<IiiHH", data, 14)
stride = (width * bits + 31) // 32 * 4
whole = size == len(data) and offset + stride * abs(height) <= len(data)
print(magic.decode("latin-1"), width, abs(height), planes, bits, "whole" if whole else "short")
EOF
)
read -r magic width height planes bits whole <<<"$header"
e2e_expect_eq "$magic $width $height $planes $whole" "BM 354 270 1 whole" "wallpaper bitmap header ($header)"
case $bits in 8 | 24 | 32) ;; *) e2e_fail "wallpaper bitmap of $bits bits per pixel" ;; esac

# What the system was told.
e2e_expect_eq "$(e2e_reg_value "$desktop" TileWallpaper)" 0 "TileWallpaper"
e2e_expect_eq "$(e2e_reg_value "$desktop" WallpaperStyle)" 2 "WallpaperStyle"
e2e_expect_eq "$(e2e_drive wallpaper)" 'C:\Lumivane3\LumivaneWallpaper.bmp' "SPI_GETDESKWALLPAPER"
e2e_wait_for "Current: after Apply Now" "Sunset Sky.jpg" current

# Preview on, the JPEG shown beside its size, for the screenshot.
e2e_drive click $class "$title" 95 316
e2e_wait_for "preview picture" visible e2e_shown 214
e2e_wait_for "dim of the JPEG" 354x270 e2e_drive text $class "$title" '#203'
e2e_drive move $class "$title" 330 330
e2e_screenshot "$E2E_WORK/wallpaper.png" $class "$title"

e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
e2e_wait_exit 10
echo "desktop_wallpaper: ok"
