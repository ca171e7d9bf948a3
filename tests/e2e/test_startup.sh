#!/usr/bin/env bash
# Start-up beside a running Updater, Save and Exit handing over to the
# Updater, Quit putting the configuration file back, and a second Control
# Center giving way to the first.
source "$(dirname "$0")/lib.sh"
e2e_setup startup

class=Tmainform
title="Lumivane 3 Control Center"
updater="Lumivane 3 Updater"
ini=$(e2e_app_file lumivane3.ini)
run_key='HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run'

# The Updater runs: the Control Center asks, and Yes closes the Updater.
e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made $class "$updater" 20000 >/dev/null
e2e_start
e2e_expect_eq "$(e2e_drive msgbox-text Confirm 20000)" \
  "Lumivane 3 Updater must be shutdown before you can run Lumivane 3 Control Center.  Do you want to shutdown the Updater and start the Control Center?" \
  "question about the running Updater"
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_drive wait-gone $class "$updater" 10000 >/dev/null
[ ! -e "$(e2e_app_file lumivanetemp.ini)" ] || e2e_fail "a backup copy was made without a configuration file"

# Save and Exit: options written, the Updater registered and started.
e2e_drive click $class "$title" 346 406
e2e_expect_eq "$(e2e_drive msgbox-text Confirm 10000)" "Save and Exit?" "save question"
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10
e2e_expect_eq "$E2E_EXIT_CODE" 0 "exit code after Save and Exit"
e2e_expect_eq "$(e2e_reg_value "$run_key" LumivaneUpdater)" 'C:\Lumivane3\updater3.exe' "Run value"
grep -q '^enable=1' "$ini" || e2e_fail "no enable=1 in the configuration file: $(cat "$ini")"
grep -q '^folderadd=0' "$ini" || e2e_fail "no folderadd=0 in the configuration file"
e2e_drive wait-made $class "$updater" 20000 >/dev/null
[ ! -e "$(e2e_app_file lumivanetemp.ini)" ] || e2e_fail "the backup copy is left after Save and Exit"

# Next run: answered No, the Control Center ends before touching anything.
e2e_start
e2e_drive msgbox-press Confirm "&No" 20000
e2e_wait_exit 10
e2e_expect_eq "$E2E_EXIT_CODE" 0 "exit code after keeping the Updater"
[ ! -e "$(e2e_app_file lumivanetemp.ini)" ] || e2e_fail "a backup copy was made although the user kept the Updater"
e2e_expect_eq "$(e2e_drive exists $class "$updater")" yes "Updater after answering No"

# Next run: Quit puts the file back byte for byte, whatever the run wrote.
cp "$ini" "$E2E_WORK/before.ini"
e2e_start
e2e_drive msgbox-press Confirm "&Yes" 20000
e2e_drive wait $class "$title" 20000 >/dev/null
cmp -s "$ini" "$(e2e_app_file lumivanetemp.ini)" || e2e_fail "the backup copy differs from the file at start-up"
printf '[Wallpaper]\r\n0=C:\\pictures\\a.bmp\r\n[scheduler]\r\npaper=1\r\n' >>"$ini"

# The General page as it first shows, before any message box covers it.
sleep 0.5
e2e_screenshot "$E2E_WORK/general.png" $class "$title"

# A second Control Center gives way to the first.
cp "$(e2e_app_file lumivanetemp.ini)" "$E2E_WORK/backup-before.ini"
e2e_spawn "$(e2e_app_file lumivane3.exe)"
e2e_expect_eq "$(e2e_drive msgbox-text Error 20000)" "Lumivane 3 Control Center is already running!" "second instance"
e2e_drive msgbox-press Error OK 10000
sleep 1
cmp -s "$(e2e_app_file lumivanetemp.ini)" "$E2E_WORK/backup-before.ini" || e2e_fail "the second instance touched the backup copy"
e2e_expect_eq "$(e2e_drive exists $class "$title")" yes "first Control Center after the second gave way"

e2e_drive click $class "$title" 457 406
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_wait_exit 10
cmp "$ini" "$E2E_WORK/before.ini" || e2e_fail "Quit did not restore the configuration file byte for byte"
[ ! -e "$(e2e_app_file lumivanetemp.ini)" ] || e2e_fail "the backup copy is left after Quit"
echo "startup: ok"
