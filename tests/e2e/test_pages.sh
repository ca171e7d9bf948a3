#!/usr/bin/env bash
# The cycler pages through the real window: each page button shows its
# page's controls; on the Wallpaper page three pictures added through the
# real open dialog fill the list box, picking one previews it with its size,
# and leaving the page writes the list and its display modes to the ini file.
source "$(dirname "$0")/lib.sh"
e2e_setup pages
class=Tmainform title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)
list='#200'

# The page buttons' centres, General to Theme.
list_count() { e2e_drive list-items $class "$title" "$list" | wc -l; }
ini_files() { sed -n '/^\[Wallpaper\]/,/^\[/p' "$ini" | grep -c '^[0-9]=C:.pics'; }

pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 354x270 xc:'#c03030' "$pics/red.jpg"
convert -size 100x100 xc:'#30c030' "$pics/green.jpg"
convert -size 270x540 xc:'#3030c0' "$pics/blue.jpg"
for name in chime ding; do
  /usr/bin/python3 -c 'import sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000)
w.writeframes(bytes([128]) * 800); w.close()' "$pics/$name.wav"
done

# Screenshots with the pointer on a bare part of the page, so no hint shows.
shot() {
  e2e_drive move $class "$title" 330 330
  e2e_screenshot "$E2E_WORK/$1.png" $class "$title"
}

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
# The page controls are made when a cycler page first shows them.
general_list=$(e2e_shown 200)
[ "$general_list" != shown ] || e2e_fail "list on the General page: shown"

# Every cycler page shows the list; the Sounds page its sound labels.
e2e_page 2
e2e_wait_for "list on the Sounds page" visible e2e_shown 200
[ -n "$(e2e_drive text $class "$title" '#213')" ] || e2e_fail "no sound event named on the Sounds page"
e2e_page 3
e2e_wait_for "idle minutes on the Screen Saver page" visible e2e_shown 204
shot saver
e2e_page 4
e2e_wait_for "logo chooser on the Logo page" visible e2e_shown 207
shot logo
e2e_page 5
e2e_wait_for "theme part boxes on the Theme page" visible e2e_shown 233
shot theme
e2e_expect_eq "$(e2e_shown 204)" hidden "idle minutes on the Theme page"

# Wallpaper: Add File(s) opens the wallpaper dialog; the folder first, then
# the three names.
e2e_page 1
e2e_wait_for "display modes on the Wallpaper page" visible e2e_shown 256
e2e_drive click $class "$title" 120 247
dialog="Open (Active Desktop support: Yes)"
e2e_drive open-files "$dialog" 'C:\pics' 10000
e2e_drive open-files "$dialog" '"red.jpg" "green.jpg" "blue.jpg"' 10000
e2e_wait_for "list after adding" 3 list_count
items=$(e2e_drive list-items $class "$title" "$list")
for name in red green blue; do
  grep -qx "C:\\\\pics\\\\$name.jpg" <<<"$items" || e2e_fail "no $name.jpg in the list: $items"
done

# Picking the second entry, then the third with Ctrl held (rows 13 pixels
# high): the selection line follows the real list box.
name() { sed -n "$1p" <<<"$items" | sed 's/.*\\//'; }
e2e_drive click $class "$title" 150 85
e2e_wait_for "LastSelect after a click" "(2) $(name 2)" e2e_drive text $class "$title" '#210'
case $(name 3) in
  red.jpg) size=354x270 ;;
  green.jpg) size=100x100 ;;
  *) size=270x540 ;;
esac
# Ticking Preview previews the focused entry at once.
e2e_drive click $class "$title" 95 316
e2e_wait_for "preview picture" visible e2e_shown 214
e2e_drive click $class "$title" 150 98
e2e_wait_for "LastSelect after the third" "(3) $(name 3)" e2e_drive text $class "$title" '#210'
e2e_wait_for "dim of the third entry" $size e2e_drive text $class "$title" '#203'
shot wallpaper

# The folder dialog starts in the program's folder; its OK adds the
# folder's pictures (the red one copied there) to the list.
cp "$pics/red.jpg" "$E2E_APPDIR/yellow.jpg"
e2e_drive click $class "$title" 348 247
folder_title="Add/Insert Folder (Active Desktop support: Yes)"
e2e_drive wait Taddfolder "$folder_title" 10000 >/dev/null
e2e_drive click Taddfolder "$folder_title" 307 280
e2e_wait_for "folder dialog hidden after OK" no e2e_drive visible Taddfolder "$folder_title"
for _ in $(seq 100); do
  e2e_drive list-items $class "$title" "$list" | grep -qxF 'C:\Lumivane3\yellow.jpg' && break
  sleep 0.1
done
items=$(e2e_drive list-items $class "$title" "$list")
grep -qxF 'C:\Lumivane3\yellow.jpg' <<<"$items" || e2e_fail "the folder import did not add yellow.jpg: $items"
count=$(wc -l <<<"$items")

# Leaving the page writes the list and a display mode for each file.
e2e_page 2
e2e_wait_for "ini after leaving the Wallpaper page" $count \
  bash -c "sed -n '/^\[Wallpaper\]/,/^\[/p' '$ini' | grep -c '^[0-9]*=C:'"
modes=$(sed -n '/^\[Wallpapercfg\]/,/^\[/p' "$ini" | grep -c '^[0-9]*=')
e2e_expect_eq "$modes" $count "display modes written, one for each file"

# Sounds: two wave files through the sound dialog, which has no title of
# its own (shown empty here; "Open" where the system fills in its default).
sound_dialog() { e2e_drive open-files '' "$1" 5000 || e2e_drive open-files Open "$1" 5000; }
e2e_wait_for "sound list loaded" 0 list_count
e2e_drive click $class "$title" 120 247
sound_dialog 'C:\pics'
sound_dialog '"chime.wav" "ding.wav"'
e2e_wait_for "sound list after adding" 2 list_count
items=$(e2e_drive list-items $class "$title" "$list")

# A right click switches the list to multiple selection and clears the
# selection; plain clicks then add entries to it, and a keyboard move,
# which changes no selection there, still picks the entry.
e2e_drive click $class "$title" 150 72
e2e_wait_for "LastSelect of the first sound" "(1) $(name 1)" e2e_drive text $class "$title" '#210'
e2e_drive click $class "$title" 150 72 right
e2e_wait_for "selection after the right click" "" e2e_drive list-selection $class "$title" "$list"
e2e_drive click $class "$title" 150 72
e2e_drive click $class "$title" 150 85
e2e_wait_for "multiple selection" "$(printf '0\n1')" e2e_drive list-selection $class "$title" "$list"
e2e_wait_for "LastSelect of two" "(2) $(name 2) (2 total)" e2e_drive text $class "$title" '#210'
e2e_drive key $class "$title" UP
e2e_wait_for "LastSelect after a key" "(1) $(name 1) (2 total)" e2e_drive text $class "$title" '#210'
shot sounds

e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
e2e_wait_exit 10
