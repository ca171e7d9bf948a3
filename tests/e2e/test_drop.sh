#!/usr/bin/env bash
# Files dragged from the X server onto the cycle list, as a file manager
# drops them: Wine turns the XDND drop into WM_DROPFILES for the list box.
# With "Add" the names join the end, last to first; with "Insert" they stand
# in their order in front of the focused entry; names the Wallpaper item does
# not take (a text file, a folder) are skipped; a name past 255 characters
# arrives whole. Leaving the page writes the list and one display mode per
# file, in step with it.
source "$(dirname "$0")/lib.sh"
e2e_setup drop
class=Tmainform title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)
list='#200'
dropper=$(dirname "$0")/driver/xdnd-drop.py

items() { e2e_drive list-items $class "$title" "$list"; }
# drop CLIENT_X CLIENT_Y UNIX_PATH...: drags the files there through the X server.
drop() {
  local x y
  read -r x y _ < <(e2e_drive rect $class "$title")
  local at_x=$((x + $1)) at_y=$((y + $2))
  shift 2
  /usr/bin/python3 "$dropper" $at_x $at_y "$@" || e2e_fail "the drop was not taken"
}

# Pictures under the prefix's C: drive, and one elsewhere on the Unix side
# (a name with a space, which the drive Z: shows).
pics=$WINEPREFIX/drive_c/pics
other="$E2E_WORK/other pics"
mkdir -p "$pics" "$other"
for name in a b c d; do convert -size 40x30 xc:'#4080c0' "$pics/$name.jpg"; done
convert -size 40x30 xc:'#c08040' "$other/e f.bmp"
echo notes >"$pics/notes.txt"
# A name longer than 255 characters, which is read whole. (Its picture
# cannot be opened through the system's 8-bit file functions, so it is
# dropped while the automatic display mode is off and nothing is measured.)
long=$(printf 'd%.0s' $(seq 150))\\$(printf 'e%.0s' $(seq 150))
mkdir -p "$pics/${long//\\//}"
convert -size 40x30 xc:'#4080c0' "$pics/${long//\\//}/g.jpg"
zdir=$(sed 's|/|\\|g' <<<"Z:$other")

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_page 1
e2e_wait_for "list on the Wallpaper page" visible e2e_shown 200
e2e_expect_eq "$(items)" "" "the Wallpaper list at the start"

# Outside the list the window takes no drop.
read -r wx wy _ < <(e2e_drive rect $class "$title")
if /usr/bin/python3 "$dropper" $((wx + 480)) $((wy + 330)) "$pics/a.jpg" 2>/dev/null; then
  e2e_fail "a drop beside the list was taken"
fi

# "Add" (the start-up choice), automatic display mode off: the long name
# is read whole and gets "0".
drop 200 120 "$pics/${long//\\//}/g.jpg"
e2e_wait_for "list after dropping the long name" "C:\\pics\\$long\\g.jpg" items

# Automatic display mode on: each dropped picture is measured (small ones
# are tiled, "1"). a, b, c, a text file and a folder dropped in that order
# join the end as c, b, a.
e2e_drive click $class "$title" 420 232
drop 200 120 "$pics/a.jpg" "$pics/b.jpg" "$pics/c.jpg" "$pics/notes.txt" "$pics"
expected=$(printf 'C:\\pics\\%s\\g.jpg\nC:\\pics\\c.jpg\nC:\\pics\\b.jpg\nC:\\pics\\a.jpg' "$long")
e2e_wait_for "list after dropping with Add" "$expected" items

# "Insert", with the second entry (c) focused: d and "e f" stand in their
# order in front of it; the focus keeps its number.
e2e_drive click $class "$title" 480 156
e2e_drive click $class "$title" 150 85
e2e_wait_for "LastSelect of c" "(2) c.jpg" e2e_drive text $class "$title" '#210'
drop 200 120 "$pics/d.jpg" "$other/e f.bmp"
expected=$(printf 'C:\\pics\\%s\\g.jpg\nC:\\pics\\d.jpg\n%s\\e f.bmp\nC:\\pics\\c.jpg\nC:\\pics\\b.jpg\nC:\\pics\\a.jpg' "$long" "$zdir")
e2e_wait_for "list after dropping with Insert" "$expected" items

# Leaving the page writes the six paths in list order and six modes.
e2e_page 2
e2e_wait_for "ini after leaving the Wallpaper page" "$expected" \
  bash -c "sed -n '/^\[Wallpaper\]/,/^\[/p' '$ini' | tr -d '\r' | sed -n 's/^[0-9]*=//p'"
modes=$(sed -n '/^\[Wallpapercfg\]/,/^\[/p' "$ini" | tr -d '\r' | sed -n 's/^[0-9][0-9]*=//p' | tr -d '\n')
e2e_expect_eq "$modes" 011111 "display modes written, one for each file in its place"

# Save and Exit keeps the drop placement for the next run.
e2e_drive click $class "$title" 346 406
e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
e2e_wait_exit 10
grep -q '^dragndrop=1' <(tr -d '\r' <"$ini") || e2e_fail "dragndrop=1 not saved: $(cat "$ini")"
