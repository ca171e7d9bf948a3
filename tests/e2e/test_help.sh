#!/usr/bin/env bash
# Help starts the help program from the program directory; a second click
# closes the open help window and starts a fresh one.
source "$(dirname "$0")/lib.sh"
e2e_setup help
class=Tmainform title="Lumivane 3 Control Center"
cp "$LV_E2E_BUILD/lumivane3help.exe" "$E2E_APPDIR/lumivane3help.exe"

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_drive click $class "$title" 550 406
first=$(e2e_drive wait Thelpform "Lumivane 3 Help" 20000)
text=$(e2e_drive text Thelpform "Lumivane 3 Help" "#100")
grep -q "converted by the Updater" <<<"$text" || e2e_fail "the help text does not explain logo conversion"
e2e_screenshot "$E2E_WORK/help.png" Thelpform "Lumivane 3 Help" client

e2e_drive click $class "$title" 550 406
second=$first
for _ in $(seq 1 100); do
  second=$(e2e_drive wait Thelpform "Lumivane 3 Help" 20000)
  [ "$second" != "$first" ] && break
  sleep 0.1
done
echo "help windows: $first then $second"
[ "$second" != "$first" ] || e2e_fail "the second click did not start a new help window"
# The first copy was closed: only one help window is left.
e2e_drive close Thelpform "Lumivane 3 Help"
e2e_drive wait-gone Thelpform "Lumivane 3 Help" 10000
echo "help: ok"
