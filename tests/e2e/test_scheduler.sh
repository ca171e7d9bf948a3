#!/usr/bin/env bash
# The scheduler opened from the General page: values typed into its fields,
# its transparent radio buttons clicked, Use These Settings writing the
# "scheduler" section; Cancel writing nothing.
source "$(dirname "$0")/lib.sh"
e2e_setup scheduler

class=Tmainform
title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)

# Waits until the scheduler is hidden (clicks arrive as input, after the driver returns).
wait_scheduler_hidden() {
  for _ in $(seq 1 50); do
    [ "$(e2e_drive visible Tschedule "Lumivane Schedule")" = no ] && return 0
    sleep 0.1
  done
}

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
# Made with the main window, hidden until opened.
e2e_expect_eq "$(e2e_drive exists Tschedule "Lumivane Schedule")" yes "scheduler made at start-up"
e2e_expect_eq "$(e2e_drive visible Tschedule "Lumivane Schedule")" no "scheduler hidden at start-up"
# "Open the Scheduler window" on the General page.
e2e_drive click $class "$title" 160 316
e2e_drive wait Tschedule "Lumivane Schedule" 10000 >/dev/null
e2e_expect_eq "$(e2e_drive visible Tschedule "Lumivane Schedule")" yes "scheduler shown"
read -r _ _ w h < <(e2e_drive rect Tschedule "Lumivane Schedule")
e2e_expect_eq "$w x $h" "483 x 243" "scheduler size"
e2e_expect_eq "$(e2e_drive text Tschedule "Lumivane Schedule" '#300')" 0 "wallpaper interval without a file"

# The second choice of the wallpaper block: its group sits at (14, 40), its
# second button at (8, 32) inside it, 13 x 18.
e2e_drive click Tschedule "Lumivane Schedule" 28 81
e2e_drive set-text Tschedule "Lumivane Schedule" '#300' 120
# Tab leaves the first interval for the next block's choices; Shift+Tab comes back.
e2e_drive type Tschedule "Lumivane Schedule" '#300' ""
e2e_drive key Tschedule "Lumivane Schedule" TAB
after_tab=$(e2e_drive focused Tschedule "Lumivane Schedule")
[ -n "$after_tab" ] && [ "$after_tab" != 300 ] || e2e_fail "Tab did not move the focus (focus: '$after_tab')"
e2e_drive key Tschedule "Lumivane Schedule" SHIFT+TAB
e2e_expect_eq "$(e2e_drive focused Tschedule "Lumivane Schedule")" 300 "focus after Shift+Tab"
e2e_drive set-text Tschedule "Lumivane Schedule" '#301' 12.5
e2e_drive set-text Tschedule "Lumivane Schedule" '#302' ""
e2e_drive set-text Tschedule "Lumivane Schedule" '#303' 40000
e2e_screenshot "$E2E_WORK/scheduler.png" Tschedule "Lumivane Schedule"
# Use These Settings.
e2e_drive click Tschedule "Lumivane Schedule" 392 188
wait_scheduler_hidden
e2e_expect_eq "$(e2e_drive visible Tschedule "Lumivane Schedule")" no "scheduler after Use These Settings"
section=$(tr -d '\r' <"$ini" | sed -n '/^\[scheduler\]/,/^\[/p')
for line in paper=1 saver=0 theme=0 logo=0 sound=0 papertime=120 savertime=12 themetime=0 logotime=35000 soundtime=0; do
  grep -qx "$line" <<<"$section" || e2e_fail "no $line in the scheduler section: $section"
done

# Opened again, it shows what was written; a number it cannot read keeps it open.
e2e_drive click $class "$title" 160 316
e2e_expect_eq "$(e2e_drive text Tschedule "Lumivane Schedule" '#303')" 35000 "logo interval read back"
e2e_drive set-text Tschedule "Lumivane Schedule" '#304' soon
e2e_drive click Tschedule "Lumivane Schedule" 392 188
e2e_expect_eq "$(e2e_drive msgbox-text "Lumivane 3" 10000)" "'soon' is not a valid floating point value" "error for a field that is no number"
e2e_drive msgbox-press "Lumivane 3" OK 10000
e2e_expect_eq "$(e2e_drive visible Tschedule "Lumivane Schedule")" yes "scheduler after the error"
grep -q '^soundtime=0' "$ini" || e2e_fail "an interval was written despite the error"
# Cancel closes and writes nothing more.
cp "$ini" "$E2E_WORK/before-cancel.ini"
e2e_drive click Tschedule "Lumivane Schedule" 367 216
wait_scheduler_hidden
e2e_expect_eq "$(e2e_drive visible Tschedule "Lumivane Schedule")" no "scheduler after Cancel"
cmp -s "$ini" "$E2E_WORK/before-cancel.ini" || e2e_fail "Cancel wrote to the configuration file"
# Esc in a field is Cancel too.
e2e_drive click $class "$title" 160 316
e2e_drive wait Tschedule "Lumivane Schedule" 10000 >/dev/null
e2e_drive type Tschedule "Lumivane Schedule" '#300' 7
e2e_drive key Tschedule "Lumivane Schedule" ESCAPE
wait_scheduler_hidden
e2e_expect_eq "$(e2e_drive visible Tschedule "Lumivane Schedule")" no "scheduler after Esc"
cmp -s "$ini" "$E2E_WORK/before-cancel.ini" || e2e_fail "Esc wrote to the configuration file"

# After the scheduler was used, Help still starts the help program.
cp "$LV_E2E_BUILD/lumivane3help.exe" "$E2E_APPDIR/lumivane3help.exe"
e2e_drive click $class "$title" 550 406
e2e_drive wait Thelpform "Lumivane 3 Help" 20000 >/dev/null

e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10
echo "scheduler: ok"
