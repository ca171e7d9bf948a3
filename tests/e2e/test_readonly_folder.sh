#!/usr/bin/env bash
# The Control Center started from a folder it cannot write (as a standard
# user meets Program Files): one clear box at start, then the program ends
# without having written anything. The folder is made read-only for real by
# a read-only bind mount, since Wine runs as root here and file modes do not
# stop it.
source "$(dirname "$0")/lib.sh"
e2e_setup readonly_folder
class=Tmainform title="Lumivane 3 Control Center"
printf '[Master]\r\nenable=1\r\n' >"$(e2e_app_file lumivane3.ini)"

mount --bind "$E2E_APPDIR" "$E2E_APPDIR" 2>/dev/null || { echo "readonly_folder: skipped (no bind mount here)"; exit 77; }
trap 'status=$?; umount "$E2E_APPDIR" 2>/dev/null; (exit $status); _e2e_teardown' EXIT
mount -o remount,bind,ro "$E2E_APPDIR" || e2e_fail "the folder could not be made read-only"

e2e_start
e2e_expect_eq "$(e2e_drive msgbox-text "Lumivane 3" 20000)" \
  'Lumivane 3 keeps its settings beside its programs, in C:\Lumivane3, and cannot write there. Move the Lumivane 3 folder to a folder you may write to, for example in your user profile, and start it again.' \
  "the box at start"
e2e_screenshot "$E2E_WORK/readonly-folder.png"
e2e_drive msgbox-press "Lumivane 3" OK 10000
e2e_wait_exit 10
e2e_expect_eq "$(e2e_drive exists $class "$title")" no "the main window after the box"
e2e_expect_eq "$(ls "$E2E_APPDIR" | sort | tr '\n' ' ')" "lumivane3.exe lumivane3.ini updater3.exe " \
  "the folder after the run"
echo "readonly_folder: ok"
