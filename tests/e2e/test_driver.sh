#!/usr/bin/env bash
# The harness itself: every lvdrive command and shell helper against a window
# of standard controls (lvfixture) whose reactions are known.
source "$(dirname "$0")/lib.sh"
e2e_setup driver
: "${LV_E2E_FIXTURE:?}"
fx=(LvFixture "Driver Fixture")
label() { e2e_drive text "${fx[@]}" '#102'; }

e2e_expect_eq "$(e2e_drive exists "${fx[@]}")" no "fixture before its start"
e2e_spawn "$LV_E2E_FIXTURE"
e2e_drive wait "${fx[@]}" 20000 >/dev/null
e2e_expect_eq "$(e2e_drive exists "${fx[@]}")" yes "fixture after its start"
e2e_expect_eq "$(e2e_drive text "${fx[@]}")" "Driver Fixture" "window text"
read -r _ _ w h < <(e2e_drive rect "${fx[@]}")
e2e_expect_eq "$w $h" "400 300" "client size"

# Controls by id, by class and index, by text.
e2e_expect_eq "$(e2e_drive text "${fx[@]}" '=Open')" "Open" "control by text"
e2e_expect_eq "$(e2e_drive text "${fx[@]}" 'Button:0')" "Ask" "control by class and index"
e2e_expect_eq "$(e2e_drive list-items "${fx[@]}" '#101' | paste -sd,)" "alpha,beta,gamma" "list items"
e2e_expect_eq "$(e2e_drive list-selection "${fx[@]}" '#0x65' | paste -sd,)" "0,2" "list selection"
e2e_drive children "${fx[@]}" | grep -q '^101 ListBox visible 10 40 200 100 $' || e2e_fail "children: $(e2e_drive children "${fx[@]}")"

# Real mouse input at client coordinates, and keys.
e2e_drive click "${fx[@]}" 300 250
e2e_drive click "${fx[@]}" 301 251 right
e2e_drive key "${fx[@]}" F5
e2e_expect_eq "$(label)" "down 300 250, up 300 250, right 301 251, key 116" "events of a click, a right click and a key"
e2e_drive press "${fx[@]}" 20 280
e2e_drive move "${fx[@]}" 40 285
e2e_drive release "${fx[@]}" 40 285
[[ "$(label)" == *", down 20 280, up 40 285" ]] || e2e_fail "press, move, release: $(label)"

# Typing into an edit control, and setting its text.
e2e_drive type "${fx[@]}" '#100' 'C:\x y.jpg'
e2e_expect_eq "$(e2e_drive text "${fx[@]}" '#100')" 'C:\x y.jpg' "typed text"
e2e_expect_eq "$(e2e_drive focused "${fx[@]}")" 100 "focus after typing"
e2e_drive set-text "${fx[@]}" '#100' 'replaced'
e2e_expect_eq "$(e2e_drive text "${fx[@]}" '#100')" 'replaced' "set text"

# A message box opened by a real click on a button: read it, answer it.
e2e_drive click "${fx[@]}" 265 22
e2e_expect_eq "$(e2e_drive msgbox-text Confirm)" "Proceed?" "message box text"
e2e_drive msgbox-press Confirm '&No'
e2e_drive wait-gone '#32770' Confirm 5000
e2e_drive click "${fx[@]}" 265 22
e2e_drive msgbox-press Confirm '&Yes'
e2e_drive wait-gone '#32770' Confirm 5000
[[ "$(label)" == *", answer no, answer yes" ]] || e2e_fail "message box answers: $(label)"

# The common open dialog with two names.
mkdir -p "$WINEPREFIX/drive_c/data"
echo one >"$WINEPREFIX/drive_c/data/a.txt"
echo two >"$WINEPREFIX/drive_c/data/b b.txt"
e2e_drive click "${fx[@]}" 345 22
e2e_drive open-files "Pick Files" '"a.txt" "b b.txt"'
e2e_drive wait-gone '#32770' "Pick Files" 5000
sleep 0.2
e2e_expect_eq "$(e2e_drive list-items "${fx[@]}" '#101' | paste -sd'|')" 'C:\data|a.txt|b b.txt' "files from the open dialog"

# Registry and screenshots through the shell helpers.
e2e_wine reg add 'HKCU\Software\LvDriverTest' /v 'Some Name' /d 'a  b\c' /f >/dev/null
e2e_wine reg add 'HKCU\Software\LvDriverTest' /ve /d 'default text' /f >/dev/null
e2e_expect_eq "$(e2e_reg_value 'HKCU\Software\LvDriverTest' 'Some Name')" 'a  b\c' "registry value"
e2e_expect_eq "$(e2e_reg_value 'HKCU\Software\LvDriverTest' '')" 'default text' "registry default value"
e2e_reg_exists 'HKCU\Software\LvDriverTest' 'Missing' && e2e_fail "a missing value exists"
e2e_reg_exists 'HKCU\Software\LvDriverTest' || e2e_fail "the key is missing"
e2e_screenshot "$E2E_WORK/fixture.png" "${fx[@]}"
e2e_expect_eq "$(identify -format '%w' "$E2E_WORK/fixture.png")" "$(e2e_drive window-rect "${fx[@]}" | cut -d' ' -f3)" "screenshot width"

# The desktop wallpaper as the system reports it: the stored value here.
e2e_wine reg add 'HKCU\Control Panel\Desktop' /v Wallpaper /d 'C:\data\a b.bmp' /f >/dev/null
e2e_expect_eq "$(e2e_drive wallpaper)" 'C:\data\a b.bmp' "desktop wallpaper"

# Closing; failures are reported as such.
e2e_drive close "${fx[@]}"
e2e_drive wait-gone "${fx[@]}" 5000
e2e_expect_eq "$(e2e_drive exists "${fx[@]}")" no "fixture after closing"
if e2e_drive wait "${fx[@]}" 200 2>/dev/null; then e2e_fail "wait found a closed window"; fi
echo "driver: ok"
