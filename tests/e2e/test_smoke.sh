#!/usr/bin/env bash
# The Control Center starts under Wine, shows its main window centred on the
# screen with its fixed client size, and ends when the window is closed.
source "$(dirname "$0")/lib.sh"
e2e_setup smoke

e2e_start
e2e_drive wait Tmainform "Lumivane 3 Control Center" 20000 >/dev/null

read -r x y w h < <(e2e_drive rect Tmainform "Lumivane 3 Control Center")
read -r screen_w screen_h < <(e2e_drive screen)
e2e_expect_eq "$w x $h" "591 x 426" "client size"
# Borderless: the whole window is its client area, so the client is what is centred.
read -r wx wy ww wh < <(e2e_drive window-rect Tmainform "Lumivane 3 Control Center")
e2e_expect_eq "$wx $wy $ww $wh" "$x $y $w $h" "window frame (none expected)"
e2e_expect_eq "$x $y" "$(((screen_w - w) / 2)) $(((screen_h - h) / 2))" "window position on a ${screen_w}x${screen_h} screen"

# It paints its own look: the title strip is not the background.
strip=$(e2e_drive pixel Tmainform "Lumivane 3 Control Center" 300 12)
body=$(e2e_drive pixel Tmainform "Lumivane 3 Control Center" 300 300)
[ "$strip" != "$body" ] || e2e_fail "the window looks blank ($strip everywhere)"

e2e_screenshot "$E2E_WORK/main.png" Tmainform "Lumivane 3 Control Center"

e2e_drive close Tmainform "Lumivane 3 Control Center"
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10
e2e_expect_eq "$E2E_EXIT_CODE" 0 "exit code"
e2e_expect_eq "$(e2e_drive exists Tmainform "Lumivane 3 Control Center")" no "window after closing"
echo "smoke: ok"
