#!/usr/bin/env bash
# Times Add File(s) of five 12-megapixel JPEGs on the Wallpaper page with
# automatic display mode, through the real window under Wine (run by hand):
#   LV_E2E_BUILD=build/win64 LV_E2E_PROGRAM=PROGRAM.exe LV_E2E_DRIVER=build/win64/tests/e2e/lvdrive.exe \
#     tests/bench/wine-add-timing.sh [RUNS]
# Prints the seconds from pressing Open in the dialog to the fifth entry in
# the list, one line per run.
source "$(dirname "$0")/../e2e/lib.sh"
runs=${1:-3}
e2e_setup bench_add_timing
class=Tmainform title="Lumivane 3 Control Center"
pics=$WINEPREFIX/drive_c/pics
mkdir -p "$pics"
convert -size 4000x3000 plasma:fractal -quality 90 "$pics/p1.jpg"
for i in 2 3 4 5; do cp "$pics/p1.jpg" "$pics/p$i.jpg"; done
list_count() { e2e_drive list-items $class "$title" '#200' | wc -l; }
dialog="Open (Active Desktop support: Yes)"
for run in $(seq 1 "$runs"); do
  printf '[Master]\r\nautopaper=1\r\n' >"$(e2e_app_file lumivane3.ini)"
  e2e_start
  e2e_drive wait $class "$title" 20000 >/dev/null
  e2e_page 1
  e2e_wait_for "display modes on the Wallpaper page" visible e2e_shown 256
  e2e_drive click $class "$title" 120 247
  e2e_drive open-files "$dialog" 'C:\pics' 10000
  start=$(date +%s.%N)
  e2e_drive open-files "$dialog" '"p1.jpg" "p2.jpg" "p3.jpg" "p4.jpg" "p5.jpg"' 10000
  until [ "$(list_count)" = 5 ]; do sleep 0.02; done
  end=$(date +%s.%N)
  echo "run $run: $(echo "$end - $start" | bc) s"
  e2e_drive close $class "$title"
  e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
  e2e_wait_exit 10
done
