#!/usr/bin/env bash
# The real Updater through the real programs: Save and Exit hands over to it
# and the wallpaper changes; "Next Wallpaper" moves on and skips (and, with
# "Delete Missing Files", removes) a missing file; a broken GIF is logged,
# not shown; a Control Center started later closes it, nothing is written
# after that, and its Exit Without Saving starts the Updater again.
source "$(dirname "$0")/lib.sh"
e2e_setup updater
class=Tmainform title="Lumivane 3 Control Center" updater="Lumivane 3 Updater"
ini=$(e2e_app_file lumivane3.ini)
log=$(e2e_app_file updater3.log)
bitmap=$(e2e_app_file LumivaneWallpaper.bmp)

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 64x48 xc:'#c02020' "$pics/red.jpg"
convert -size 40x30 xc:'#20c020' "$pics/green.gif"
convert -size 30x20 xc:'#2020c0' "$pics/blue.jpg"
printf 'GIF88a\001\000\001\000' >"$pics/broken.gif"
printf '[Master]\r\nenable=1\r\ndeletenon=1\r\nrunupd=1\r\n[Wallpaper]\r\n0=C:\\pics\\red.jpg\r\n1=C:\\pics\\green.gif\r\n2=C:\\pics\\blue.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n0=0\r\n1=1\r\n2=2\r\n' >"$ini"

key() { sed -n "/^\[$1\]/,/^\[/p" "$ini" | tr -d '\r' | sed -n "s/^$2=//p"; }
# Width, height and the centre pixel of the wallpaper bitmap.
bitmap_info() {
  /usr/bin/python3 - "$bitmap" <<'PY'
import struct, sys
d = open(sys.argv[1], "rb").read()
off = struct.unpack_from("<I", d, 10)[0]
w, h, _, bits = struct.unpack_from("<iiHH", d, 18)
stride = (w * bits + 31) // 32 * 4
y, x = abs(h) // 2, w // 2
row = off + stride * ((abs(h) - 1 - y) if h > 0 else y)
if bits == 8:
    i = d[row + x]; b, g, r = d[54 + 4 * i: 57 + 4 * i]
else:
    b, g, r = d[row + x * bits // 8: row + x * bits // 8 + 3]
near = lambda v: "H" if v > 150 else ("L" if v < 90 else "?")
print(w, abs(h), near(r) + near(g) + near(b))
PY
}
command() { e2e_drive command $class "$updater" "$1"; }

# Save and Exit starts the real Updater, which waits for the Control Center to go.
e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_drive click $class "$title" 346 406
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10
e2e_drive wait-made $class "$updater" 20000 >/dev/null
e2e_wait_for "currentwall after the start" 'C:\pics\red.jpg' key Master currentwall
e2e_expect_eq "$(e2e_drive wallpaper)" 'C:\Lumivane3\LumivaneWallpaper.bmp' "SPI_GETDESKWALLPAPER"
e2e_expect_eq "$(bitmap_info)" "64 48 HLL" "wallpaper bitmap from the first file"
e2e_expect_eq "$(key Wallpapercfg next)" 2 "next after the start"
e2e_expect_eq "$(e2e_reg_value 'HKCU\Control Panel\Desktop' Wallpaper)" 'C:\Lumivane3\LumivaneWallpaper.bmp' \
  "wallpaper stored in the user profile"

# A second start while one runs ends at once.
timeout 20 "$E2E_WINE" "$(e2e_app_file updater3.exe)" </dev/null >/dev/null 2>&1 || e2e_fail "a second Updater did not end"
e2e_expect_eq "$(e2e_drive exists $class "$updater")" yes "the first Updater after a second start"
e2e_expect_eq "$(grep -c . "$log")" 1 "log lines after a second start"

# Next Wallpaper: the second file, with its own display mode.
command 102
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\green.gif' "currentwall after Next Wallpaper"
e2e_expect_eq "$(bitmap_info)" "40 30 LHL" "wallpaper bitmap from the second file"
e2e_expect_eq "$(e2e_reg_value 'HKCU\Control Panel\Desktop' TileWallpaper)" 1 "tiled as its display mode says"
e2e_expect_eq "$(key Wallpapercfg next)" 3 "next after Next Wallpaper"

# The third file is gone: skipped, removed with its display mode, the first used again.
rm "$pics/blue.jpg"
command 102
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\red.jpg' "currentwall after skipping the missing file"
e2e_expect_eq "$(key Wallpaper 2)" "" "the missing file left in the list"
e2e_expect_eq "$(key Wallpaper 1)|$(key Wallpapercfg 1)" 'C:\pics\green.gif|1' "the list after the removal"
e2e_expect_eq "$(key Wallpapercfg next)" 2 "next after the removal"
grep -q 'cannot use C:\\pics\\blue.jpg: Cannot open file C:\\pics\\blue.jpg' "$log" \
  || e2e_fail "the log does not name the missing file: $(cat "$log")"

# A broken GIF next in line: no message box, the file after it is used, the log says why.
printf '[Wallpaper]\r\n0=C:\\pics\\broken.gif\r\n1=C:\\pics\\red.jpg\r\n[Wallpapercfg]\r\nmode=0\r\nnext=1\r\n0=0\r\n1=0\r\n' >"$E2E_WORK/list.ini"
/usr/bin/python3 - "$ini" "$E2E_WORK/list.ini" <<'PY'
import re, sys
text = open(sys.argv[1], newline="").read()
for name in ("Wallpaper", "Wallpapercfg"):
    text = re.sub(r"\[%s\]\r?\n(?:[^\[][^\r\n]*\r?\n)*" % name, "", text)
open(sys.argv[1], "w", newline="").write(text + open(sys.argv[2], newline="").read())
PY
command 102
e2e_expect_eq "$(e2e_drive exists '#32770' '*')" no "a message box after the broken GIF"
e2e_expect_eq "$(key Master currentwall)" 'C:\pics\red.jpg' "currentwall after the broken GIF"
grep -q 'cannot use C:\\pics\\broken.gif: Gif Version must be 87a or 89a' "$log" \
  || e2e_fail "the log does not name the broken GIF and its message: $(cat "$log")"

# The Control Center started now asks, closes the Updater on Yes, and the
# Updater writes nothing after that.
e2e_start
e2e_drive msgbox-press Confirm "&Yes" 20000
e2e_drive wait-gone $class "$updater" 10000 >/dev/null
cp "$ini" "$E2E_WORK/after-close.ini"
cp "$log" "$E2E_WORK/after-close.log"
e2e_drive wait $class "$title" 20000 >/dev/null
sleep 1
cmp -s "$ini" "$E2E_WORK/after-close.ini" || e2e_fail "the configuration file changed after the Updater closed"
cmp -s "$log" "$E2E_WORK/after-close.log" || e2e_fail "the log changed after the Updater closed"
# Exit Without Saving after closing the Updater starts it again: a user who
# only looked finds the cycling as it was.
e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
e2e_wait_exit 10
e2e_drive wait-made $class "$updater" 20000 >/dev/null
echo "updater: ok"
