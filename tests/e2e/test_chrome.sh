#!/usr/bin/env bash
# The main window's own title strip and title boxes, used with the real
# mouse: the strip drags the window, the minimise box minimises it, the
# close box ends the program.
source "$(dirname "$0")/lib.sh"
e2e_setup chrome
class=Tmainform title="Lumivane 3 Control Center"

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
read -r x0 y0 _ _ < <(e2e_drive rect $class "$title")

# Drag by the strip: the window follows the cursor and stops with the release.
e2e_drive press $class "$title" 200 10
e2e_drive move $class "$title" 260 50
e2e_drive release $class "$title" 200 10
read -r x1 y1 _ _ < <(e2e_drive rect $class "$title")
echo "dragged from $x0 $y0 to $x1 $y1"
e2e_expect_eq "$((x1 - x0)) $((y1 - y0))" "60 40" "window moved by the drag"
e2e_drive move $class "$title" 230 30
read -r x2 y2 _ _ < <(e2e_drive rect $class "$title")
e2e_expect_eq "$x2 $y2" "$x1 $y1" "window position after the release"

# A press off the strip moves nothing.
e2e_drive press $class "$title" 200 200
e2e_drive move $class "$title" 250 250
e2e_drive release $class "$title" 250 250
read -r x3 y3 _ _ < <(e2e_drive rect $class "$title")
e2e_expect_eq "$x3 $y3" "$x1 $y1" "window position after a drag in the body"

# Pressing the close box and leaving it before the release does not close.
e2e_drive press $class "$title" 562 9
e2e_drive release $class "$title" 500 100
e2e_expect_eq "$(e2e_drive exists $class "$title")" yes "window after a cancelled click on the close box"

e2e_drive click $class "$title" 546 9
e2e_wine cmd /c exit # a round trip, so the minimise has been handled
minimised=$(e2e_drive window-rect $class "$title")
read -r mx my _ _ <<<"$minimised"
echo "minimised: $minimised"
[ "$mx $my" != "$x1 $y1" ] || e2e_fail "the window did not minimise ($minimised)"
e2e_expect_eq "$(e2e_drive exists $class "$title")" yes "window after minimising"
e2e_drive restore $class "$title"
e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10

# A click on the close box is Quit: it asks "Exit Without Saving?"; No keeps
# the window, Yes ends the program.
e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_drive click $class "$title" 562 9
e2e_expect_eq "$(e2e_drive msgbox-text Confirm 10000)" "Exit Without Saving?" "close box question"
e2e_drive msgbox-press Confirm "&No" 10000
e2e_expect_eq "$(e2e_drive exists $class "$title")" yes "window after answering No"
e2e_drive click $class "$title" 562 9
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10
e2e_expect_eq "$E2E_EXIT_CODE" 0 "exit code after the close box"
echo "chrome: ok"
