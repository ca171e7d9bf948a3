#!/usr/bin/env bash
# The endings that are neither Save and Exit nor Quit: an error during
# start-up is shown before the program ends, and Windows ending the session
# ends the Control Center and the Updater without a question, leaving the
# configuration file and its backup copy as they are.
source "$(dirname "$0")/lib.sh"
e2e_setup endings

class=Tmainform
title="Lumivane 3 Control Center"
ini=$(e2e_app_file lumivane3.ini)
backup=$(e2e_app_file lumivanetemp.ini)

# A program that lacks its background picture fails at start-up: the
# message shows in the application's box, and the program ends after it.
# (The picture's name in the resource directory, a counted UTF-16 string,
# is changed.)
cp "$(e2e_app_file lumivane3.exe)" "$E2E_WORK/lumivane3.exe"
python3 - "$E2E_WORK/lumivane3.exe" "$(e2e_app_file lumivane3.exe)" <<'PY'
import sys
program = open(sys.argv[1], 'rb').read()
name = lambda text: bytes([len(text), 0]) + text.encode('utf-16-le')
assert program.count(name('BACKGROUND')) == 1
open(sys.argv[2], 'wb').write(program.replace(name('BACKGROUND'), name('BACKGROUNX')))
PY
e2e_start
e2e_expect_eq "$(e2e_drive msgbox-text "Lumivane 3" 20000)" "The skin picture BACKGROUND is missing from the program" \
  "start-up error"
e2e_drive msgbox-press "Lumivane 3" OK 10000
e2e_wait_exit 10
e2e_expect_eq "$E2E_EXIT_CODE" 1 "exit code after a failed start-up"
cp "$E2E_WORK/lumivane3.exe" "$(e2e_app_file lumivane3.exe)"

# The session ends during a run that has written to the file: no question,
# the program ends, both files stay byte for byte as they were.
printf '[Master]\r\nenable=1\r\n[Wallpaper]\r\n0=C:\\a.bmp\r\n' >"$ini"
e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_page 1
e2e_page 2
cp "$ini" "$E2E_WORK/ini-before"
cp "$backup" "$E2E_WORK/backup-before"
e2e_expect_eq "$(e2e_drive end-session $class "$title")" 1 "answer to WM_QUERYENDSESSION"
e2e_wait_exit 10
e2e_expect_eq "$(e2e_drive exists '#32770' Confirm)" no "a question at the session's end"
cmp "$ini" "$E2E_WORK/ini-before" || e2e_fail "the configuration file changed at the session's end"
cmp "$backup" "$E2E_WORK/backup-before" || e2e_fail "the backup copy changed at the session's end"

# The Updater ends too, and writes nothing on its way out.
e2e_spawn "$(e2e_app_file updater3.exe)"
e2e_drive wait-made $class "Lumivane 3 Updater" 20000 >/dev/null
sleep 1
cp "$ini" "$E2E_WORK/ini-before"
e2e_expect_eq "$(e2e_drive end-session $class "Lumivane 3 Updater")" 1 "the Updater's answer to WM_QUERYENDSESSION"
e2e_drive wait-gone $class "Lumivane 3 Updater" 10000 >/dev/null
cmp "$ini" "$E2E_WORK/ini-before" || e2e_fail "the Updater changed the configuration file at the session's end"
echo "endings: ok"
