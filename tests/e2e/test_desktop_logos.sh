#!/usr/bin/env bash
# The logo files through the real window: the first start backs up the
# system's three logo files into the program directory, and Restore Logos
# puts them back over what the Updater wrote since (answered No, nothing
# changes); once the startup logo's backup is gone, Restore deletes the
# startup logo instead.
source "$(dirname "$0")/lib.sh"
e2e_setup desktop_logos
class=Tmainform title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)

list_count() { e2e_drive list-items $class "$title" '#200' | wc -l; }
# attributes WINDOWS-PATH: the file's system, hidden and read-only attributes (SHR).
attributes() { e2e_wine attrib "$1" | tr -d '\r' | cut -c1-11 | tr -dc 'RHS'; }
# protect: the startup logo read-only, hidden and system, as Windows keeps it
# (Wine's attrib takes one attribute a call; read-only is the Unix mode).
protect() {
  e2e_wine attrib +s 'C:\logo.sys' >/dev/null
  e2e_wine attrib +h 'C:\logo.sys' >/dev/null
  chmod a-w "$startup"
  e2e_expect_eq "$(attributes 'C:\logo.sys')" SHR "attributes of the protected startup logo"
}
same() { cmp -s "$1" "$2" || e2e_fail "$3: $(head -c 40 "$1") instead of $(head -c 40 "$2")"; }

drive=$WINEPREFIX/drive_c
startup=$drive/logo.sys
shutdown1=$drive/windows/logow.sys
shutdown2=$drive/windows/logos.sys
originals=$E2E_WORK/originals
mkdir -p "$originals"
for name in logo logow logos; do
  printf 'the system %s picture\n' $name >"$originals/$name.sys"
done
cp "$originals/logo.sys" "$startup"
cp "$originals/logow.sys" "$shutdown1"
cp "$originals/logos.sys" "$shutdown2"
protect

# Pictures for the Startup Logo list, and what the Updater last put in place.
logos=$drive/logos
mkdir -p "$logos"
convert -size 320x200 gradient:'#103060'-'#60a0e0' "BMP3:$logos/Dawn.bmp"
convert -size 320x200 xc:'#205020' "BMP3:$logos/Forest.bmp"
printf '[Startup Logo]\r\n0=C:\\logos\\Dawn.bmp\r\n1=C:\\logos\\Forest.bmp\r\n' >"$ini"
printf '[Startup Logolast]\r\nlast=C:\\logos\\Dawn.bmp\r\n[Master]\r\npreview=1\r\n' >>"$ini"

# First start: three backups, the startup logo left hidden only.
e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
same "$(e2e_app_file logo.bak)" "$originals/logo.sys" "logo.bak"
same "$(e2e_app_file logow.bak)" "$originals/logow.sys" "logow.bak"
same "$(e2e_app_file logos.bak)" "$originals/logos.sys" "logos.bak"
e2e_expect_eq "$(attributes 'C:\logo.sys')" H "attributes of the startup logo after the backup"
e2e_expect_eq "$(attributes 'C:\Lumivane3\logo.bak')" "" "attributes of logo.bak"

# The Updater writes its own pictures, and Windows protects the startup one.
for file in "$startup" "$shutdown1" "$shutdown2"; do
  chmod u+w "$file"
  printf 'a picture of the Updater\n' >"$file"
done
protect

e2e_page 4
e2e_wait_for "logo list on the Logo page" 2 list_count
e2e_wait_for "Current: of the startup logo" Dawn.bmp e2e_drive text $class "$title" '#212'
e2e_drive click $class "$title" 148 362
e2e_expect_eq "$(e2e_drive msgbox-text Confirm 10000)" "Restore all Windows Logos?" "restore question"
e2e_drive msgbox-press Confirm "&No" 10000
e2e_drive wait-gone '#32770' Confirm 5000
grep -q Updater "$startup" || e2e_fail "answering No changed the startup logo"
grep -q Updater "$shutdown1" || e2e_fail "answering No changed logow.sys"

e2e_drive click $class "$title" 148 362
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_drive wait-gone '#32770' Confirm 5000
e2e_wait_for "attributes of the restored startup logo" H attributes 'C:\logo.sys'
same "$startup" "$originals/logo.sys" "startup logo after Restore"
same "$shutdown1" "$originals/logow.sys" "logow.sys after Restore"
same "$shutdown2" "$originals/logos.sys" "logos.sys after Restore"
same "$(e2e_app_file logo.bak)" "$originals/logo.sys" "logo.bak after Restore"
e2e_expect_eq "$(e2e_drive exists '#32770' 'Lumivane 3')" no "an error box after Restore"

# Without logo.bak the system had no startup logo of its own: Restore
# deletes the Updater's, and again puts the shutdown logos back.
rm "$(e2e_app_file logo.bak)"
printf 'a picture of the Updater\n' >"$shutdown2"
protect
e2e_drive click $class "$title" 148 362
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_drive wait-gone '#32770' Confirm 5000
for _ in $(seq 50); do [ -e "$startup" ] || break; sleep 0.1; done
[ ! -e "$startup" ] || e2e_fail "the startup logo is still there without its backup"
same "$shutdown2" "$originals/logos.sys" "logos.sys after the second Restore"

# The Logo page with its list, the preview of the focused picture (the
# option is on) and the file the Updater put in place last.
e2e_drive click $class "$title" 150 72
e2e_wait_for "LastSelect of the first logo" "(1) Dawn.bmp" e2e_drive text $class "$title" '#210'
e2e_wait_for "preview picture" visible e2e_shown 214
e2e_drive move $class "$title" 330 330
e2e_screenshot "$E2E_WORK/logo.png" $class "$title"

e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
e2e_wait_exit 10
echo "desktop_logos: ok"
