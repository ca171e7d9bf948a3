#!/usr/bin/env bash
# The about box: opened by the General page's About button without holding
# the main window, an octagon dragged by its top strip, hidden by "Return to
# Lumivane" and shown again where it was left.
source "$(dirname "$0")/lib.sh"
e2e_setup about
class=Tmainform title="Lumivane 3 Control Center"
about_class=Tbigabout about_title="Lumivane V2.0 About"
apx() { e2e_drive pixel $about_class "$about_title" "$1" "$2"; }

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
# What the screen shows, before the box opens, where its corners will be.
read -r mx my _ _ < <(e2e_drive rect $class "$title")
read -r sw sh < <(e2e_drive screen)
ox=$(((sw - 483) / 2 - mx)) oy=$(((sh - 243) / 2 - my))
corners=("0 0" "482 0" "0 242" "482 242" "2 1")
behind=()
for point in "${corners[@]}"; do
  read -r x y <<<"$point"
  behind+=("$(e2e_drive pixel $class "$title" $((ox + x)) $((oy + y)))")
done
e2e_drive click $class "$title" 273 316
e2e_drive wait $about_class "$about_title" 10000 >/dev/null
sleep 0.5 # shown and painted
read -r ax ay aw ah < <(e2e_drive rect $about_class "$about_title")
e2e_expect_eq "$aw x $ah" "483 x 243" "about box size"
e2e_expect_eq "$ax $ay" "$(((sw - aw) / 2)) $(((sh - ah) / 2))" "about box centred"
e2e_screenshot "$E2E_WORK/about.png" $about_class "$about_title"

# Cut corners: what was behind still shows there; the box itself just inside.
for i in "${!corners[@]}"; do
  e2e_expect_eq "$(apx ${corners[$i]})" "${behind[$i]}" "about box corner at (${corners[$i]})"
done
[ "$(apx 6 1)" != "$(apx 2 1)" ] || e2e_fail "the about box's top edge is missing"

# The main window stays usable while the box is open.
e2e_drive click $class "$title" 38 155
e2e_wine cmd /c exit

e2e_drive press $about_class "$about_title" 100 8
e2e_drive move $about_class "$about_title" 150 40
# The box has followed the cursor: it is over the pressed point again.
e2e_drive release $about_class "$about_title" 100 8
read -r bx by _ _ < <(e2e_drive rect $about_class "$about_title")
e2e_expect_eq "$((bx - ax)) $((by - ay))" "50 32" "about box moved by its strip"
e2e_drive move $about_class "$about_title" 200 60
read -r cx cy _ _ < <(e2e_drive rect $about_class "$about_title")
e2e_expect_eq "$cx $cy" "$bx $by" "about box after the release"

# "Return to Lumivane" hides it; About shows it again where it was.
e2e_drive click $about_class "$about_title" 279 220
e2e_wine cmd /c exit
e2e_expect_eq "$(e2e_drive visible $about_class "$about_title")" no "about box after Return to Lumivane"
e2e_expect_eq "$(e2e_drive visible $class "$title")" yes "main window after Return to Lumivane"
e2e_drive click $class "$title" 38 100
e2e_drive click $class "$title" 273 316
e2e_drive wait $about_class "$about_title" 10000 >/dev/null
read -r dx dy _ _ < <(e2e_drive rect $about_class "$about_title")
e2e_expect_eq "$dx $dy" "$bx $by" "about box shown again"

# "Quit Lumivane" is the main window's Quit: No leaves both windows open,
# Yes ends the program.
e2e_drive click $about_class "$about_title" 412 220
e2e_expect_eq "$(e2e_drive msgbox-text Confirm 10000)" "Exit Without Saving?" "question of Quit Lumivane"
e2e_drive msgbox-press Confirm "&No" 10000
e2e_wine cmd /c exit
e2e_expect_eq "$(e2e_drive visible $about_class "$about_title")" yes "about box after No"
e2e_expect_eq "$(e2e_drive visible $class "$title")" yes "main window after No"
e2e_drive click $about_class "$about_title" 412 220
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10
e2e_expect_eq "$E2E_EXIT_CODE" 0 "exit code after Quit Lumivane"
echo "about: ok"
