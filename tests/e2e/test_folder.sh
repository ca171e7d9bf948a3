#!/usr/bin/env bash
# The folder dialog through its real window: the folder tree starts in the
# program's folder with the path's folders open and the visible subfolders
# under them; a double-click goes down into a subfolder, whose pictures the
# file list then shows; with "Add" and "No Duplicates" chosen in the dialog,
# OK appends those not yet in the list. The dialog keeps its folder between
# uses; Enter in the tree goes up to the chosen folder of the path.
source "$(dirname "$0")/lib.sh"
e2e_setup folder
class=Tmainform title="Lumivane 3 Control Center"
folder_title="Add/Insert Folder (Active Desktop support: Yes)"
ini=$(e2e_app_file lumivane3.ini)
list='#200' path='#301' tree='#302' files='#303'

dialog() { e2e_drive "$1" Taddfolder "$folder_title" "${@:2}"; }
# The tree's lines are 16 pixels high below its top edge (40) and border.
tree_line() { dialog click 60 $((41 + 16 * $1 + 8)) "${2:-left}"; }

photos=$E2E_APPDIR/photos
mkdir -p "$photos/deeper" "$photos/.cache"
for name in a.jpg B.jpg; do convert -size 40x30 xc:'#40a040' "$photos/$name"; done
convert -size 40x30 xc:'#a04040' "$photos/c.gif"
echo notes >"$photos/notes.txt"
# One of the folder's pictures is in the list already (other letter case);
# the dialog was last left on Insert without No Duplicates.
printf '[Master]\r\nautopaper=0\r\nfolderadd=1\r\nnodupes=0\r\n[Wallpaper]\r\n0=C:\\Lumivane3\\PHOTOS\\A.JPG\r\n' >"$ini"

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_page 1
e2e_wait_for "list on the Wallpaper page" visible e2e_shown 200
e2e_drive click $class "$title" 348 247
e2e_drive wait Taddfolder "$folder_title" 10000 >/dev/null

# The tree: the root and the program's folder open, its one visible
# subfolder below (the dot folder is hidden under Wine).
e2e_wait_for "folder label at the start" 'C:\Lumivane3' dialog text "$path"
e2e_wait_for "tree at the start" "$(printf 'C:\\\nLumivane3\nphotos')" dialog list-items "$tree"

tree_line 2 double
e2e_wait_for "folder label after the double-click" 'C:\Lumivane3\photos' dialog text "$path"
e2e_wait_for "tree in the subfolder" "$(printf 'C:\\\nLumivane3\nphotos\ndeeper')" dialog list-items "$tree"
e2e_wait_for "files of the subfolder" "$(printf 'a.jpg\nB.jpg\nc.gif')" dialog list-items "$files"

# "&Add Files" and "&No Duplicates" chosen in the dialog, then OK.
dialog click 26 268
dialog click 224 252
e2e_screenshot "$E2E_WORK/folder.png" Taddfolder "$folder_title" client
dialog click 307 280
e2e_wait_for "folder dialog hidden after OK" no e2e_drive visible Taddfolder "$folder_title"
expected=$(printf 'C:\\Lumivane3\\PHOTOS\\A.JPG\nC:\\Lumivane3\\photos\\B.jpg\nC:\\Lumivane3\\photos\\c.gif')
e2e_wait_for "list after the import" "$expected" e2e_drive list-items $class "$title" "$list"

# Shown again, the dialog is where it was left; a line of the path chosen
# and Enter go up to it. Cancel imports nothing.
e2e_drive click $class "$title" 348 247
e2e_wait_for "folder dialog shown again" yes e2e_drive visible Taddfolder "$folder_title"
e2e_wait_for "folder kept between uses" 'C:\Lumivane3\photos' dialog text "$path"
tree_line 1
dialog key RETURN
e2e_wait_for "folder label after Enter" 'C:\Lumivane3' dialog text "$path"
dialog click 390 280
e2e_wait_for "folder dialog hidden after Cancel" no e2e_drive visible Taddfolder "$folder_title"

# Leaving the page writes the three paths.
e2e_page 2
e2e_wait_for "ini after leaving the Wallpaper page" "$expected" \
  bash -c "sed -n '/^\[Wallpaper\]/,/^\[/p' '$ini' | tr -d '\r' | sed -n 's/^[0-9]*=//p'"
