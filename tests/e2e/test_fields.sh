#!/usr/bin/env bash
# The small fields of the cycler pages through the real window: a
# double-click on an entry makes it the next file, and the hint of the
# `next` box names that file (or "unknown" once the list is emptied); the
# idle minutes of the Screen Saver page are pulled into 1..99 when the field
# loses the focus, and a value inside the range stays as typed.
source "$(dirname "$0")/lib.sh"
e2e_setup fields
class=Tmainform title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)
list='#200' next='#201' sswait='#204' lastselect='#210'
hint="next file to be used for current item"

# Rows of the list are 13 pixels high.
row() { e2e_drive click $class "$title" 150 $((72 + 13 * ($1 - 1))) "${2:-left}"; }
# check_hint FILE: the hint the mouse shows over `next`, after moving off it
# and back, names FILE.
check_hint() {
  e2e_drive move $class "$title" 600 60
  e2e_drive move $class "$title" 496 130
  e2e_drive move $class "$title" 498 132
  e2e_wait_for "hint of next" "$hint: $1" e2e_drive text tooltips_class32 '*'
}

printf '[Screen Saver]\r\n0=C:\\savers\\one.scr\r\n1=C:\\savers\\two.scr\r\n2=C:\\savers\\three.scr\r\n[Screen Savercfg]\r\nmode=0\r\nnext=1\r\n' >"$ini"

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_page 3
e2e_wait_for "idle minutes on the Screen Saver page" visible e2e_shown 204
e2e_wait_for "Screen Saver list" 3 bash -c "'$E2E_WINE' '$LV_E2E_DRIVER' list-items $class '$title' '$list' </dev/null | wc -l"
e2e_expect_eq "$(e2e_drive text $class "$title" "$next")" 1 "next file number as stored"

# A double-click on the third entry makes it the next file.
row 3 double
e2e_wait_for "next after double-clicking the third entry" 3 e2e_drive text $class "$title" "$next"
check_hint three.scr
row 1 double
e2e_wait_for "next after double-clicking the first entry" 1 e2e_drive text $class "$title" "$next"
check_hint one.scr

# All three removed (multiple selection: each click adds one): the number
# drops to the list's length, 0, and the hint no longer knows the file.
row 1 right
row 1
row 2
row 3
e2e_wait_for "LastSelect of three" "(3) three.scr (3 total)" e2e_drive text $class "$title" "$lastselect"
e2e_drive click $class "$title" 269 247
e2e_wait_for "next after removing every entry" 0 e2e_drive text $class "$title" "$next"
check_hint unknown

# Idle minutes: 0 becomes 1 and 150 (pasted) becomes 99 when the field is
# left; 42 stays.
# The typed text showing proves the field has the focus before it is left.
# Each round leaves it by a click on another spot of the list: two clicks on
# one spot within the double-click time make a double click, and a list box
# takes the focus only on the first click of a pair.
leave_x=120
idle_after_leaving() {
  e2e_drive set-text $class "$title" "$sswait" ""
  e2e_drive type $class "$title" "$sswait" "$1"
  e2e_wait_for "idle minutes typed" "$1" e2e_drive text $class "$title" "$sswait"
  [ -z "${2:-}" ] || e2e_drive set-text $class "$title" "$sswait" "$2"
  leave_x=$((leave_x + 20))
  e2e_drive click $class "$title" $leave_x 150
}
idle_after_leaving 0
e2e_wait_for "idle minutes after leaving 0" 1 e2e_drive text $class "$title" "$sswait"
idle_after_leaving 5 150
e2e_wait_for "idle minutes after leaving 150" 99 e2e_drive text $class "$title" "$sswait"
idle_after_leaving 42
e2e_wait_for "idle minutes after leaving 42" 42 e2e_drive text $class "$title" "$sswait"

# Leaving the page writes the emptied list and the next file number 0.
e2e_page 1
e2e_wait_for "next written" "next=0" bash -c "sed -n '/^\[Screen Savercfg\]/,/^\[/p' '$ini' | tr -d '\r' | grep '^next='"
