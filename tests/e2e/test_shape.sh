#!/usr/bin/env bash
# The main window has the shape traced from its background picture: where
# the picture has its key colour (the curved top-left edge) and beyond the
# picture's last column, the screen shows what lies behind the window.
source "$(dirname "$0")/lib.sh"
e2e_setup shape
class=Tmainform title="Lumivane 3 Control Center"
px() { e2e_drive pixel $class "$title" "$1" "$2"; }

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_wine cmd /c exit
behind=$(px -30 200)  # the desktop, left of the window
echo "desktop colour: $behind"
for point in "1 1" "10 5" "25 10" "0 100" "1 100" "590 200" "590 420"; do
  e2e_expect_eq "$(px $point)" "$behind" "screen at client ($point), outside the traced shape"
done
for point in "3 100" "2 200" "5 300" "40 3" "589 200" "300 425"; do
  [ "$(px $point)" != "$behind" ] || e2e_fail "client ($point) should be the window's"
done
# The key colour itself never shows.
for point in "2 100" "40 3"; do
  [ "$(px $point)" != "FF00FF" ] || e2e_fail "the key colour shows at ($point)"
done
echo "shape: ok"
