#!/usr/bin/env bash
# The Screen Saver and Theme pages on the running system, through the real
# window: Preview and Options start the focused screen saver (a path with a
# space in it), the "Current:" line names the screen saver of system.ini and
# the theme of the Plus! key, and the theme part boxes show a theme file's
# stored parts and write each change at once.
source "$(dirname "$0")/lib.sh"
e2e_setup desktop_saver_theme
: "${LV_E2E_FIXTURE:?}"
class=Tmainform title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)
fixture=(LvFixture "Driver Fixture")

list_count() { e2e_drive list-items $class "$title" '#200' | wc -l; }
current() { e2e_drive text $class "$title" '#212'; }
theme_parts() { sed -n '/^\[Desktop Theme Options\]/,/^\[/p' "$ini" | grep '^Sea.theme=' | tr -d '\r'; }

drive=$WINEPREFIX/drive_c
mkdir -p "$drive/savers" "$drive/themes"
# A screen saver is a program: the driver's fixture window stands in for one.
cp "$LV_E2E_FIXTURE" "$drive/savers/Fixture Saver.scr"
cp "$LV_E2E_FIXTURE" "$drive/savers/Starfield.scr"
printf '[Theme]\r\n' >"$drive/themes/Sea.theme"
printf '[Theme]\r\n' >"$drive/themes/Space.theme"
printf '[boot]\r\nSCRNSAVE.EXE=C:\\savers\\Starfield.scr\r\n' >>"$drive/windows/system.ini"
e2e_wine reg add 'HKCU\Software\Microsoft\Plus!\Themes\Current' /ve /d 'C:\themes\Space.theme' /f >/dev/null
{
  printf '[Screen Saver]\r\n0=C:\\savers\\Fixture Saver.scr\r\n1=C:\\savers\\Starfield.scr\r\n'
  printf '[Desktop Theme]\r\n0=C:\\themes\\Sea.theme\r\n1=C:\\themes\\Space.theme\r\n'
  printf '[Desktop Theme Options]\r\nSea.theme=11101111\r\n'
} >"$ini"

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null

# Screen Saver page: both buttons start the focused screen saver.
e2e_page 3
e2e_wait_for "screen savers listed" 2 list_count
e2e_wait_for "Current: screen saver" Starfield.scr current
e2e_drive click $class "$title" 150 72
e2e_wait_for "LastSelect of the first screen saver" "(1) Fixture Saver.scr" e2e_drive text $class "$title" '#210'
e2e_drive click $class "$title" 229 282
e2e_drive wait "${fixture[@]}" 10000 >/dev/null || e2e_fail "Options did not start the screen saver"
e2e_drive close "${fixture[@]}"
e2e_drive wait-gone "${fixture[@]}" 5000
e2e_drive click $class "$title" 133 282
e2e_drive wait "${fixture[@]}" 10000 >/dev/null || e2e_fail "Preview did not start the screen saver"
e2e_drive close "${fixture[@]}"
e2e_drive wait-gone "${fixture[@]}" 5000
e2e_expect_eq "$(e2e_drive exists '#32770' 'Lumivane 3')" no "an error box on the Screen Saver page"
e2e_drive click $class "$title" 150 85
e2e_drive move $class "$title" 330 330
e2e_screenshot "$E2E_WORK/saver.png" $class "$title"

# Theme page: Sea.theme leaves out the wallpaper; ticking it and clearing
# the last part write the file's parts at once.
e2e_page 5
e2e_wait_for "themes listed" 2 list_count
e2e_wait_for "Current: theme" Space.theme current
e2e_drive click $class "$title" 150 72
e2e_wait_for "LastSelect of the first theme" "(1) Sea.theme" e2e_drive text $class "$title" '#210'
e2e_drive click $class "$title" 300 334
e2e_wait_for "parts after ticking the wallpaper" Sea.theme=11111111 theme_parts
e2e_drive click $class "$title" 446 334
e2e_wait_for "parts after clearing the sizes" Sea.theme=11111110 theme_parts
e2e_drive move $class "$title" 330 360
e2e_screenshot "$E2E_WORK/theme.png" $class "$title"

e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
e2e_wait_exit 10
echo "desktop_saver_theme: ok"
