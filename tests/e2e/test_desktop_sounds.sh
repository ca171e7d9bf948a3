#!/usr/bin/env bash
# The Sounds page's actions on the running system, through the real window:
# Restore Sounds puts every seeded event's default sound back as its current
# one (an empty default clears it, an event without a default keeps its
# sound), and Play, Pause and Stop drive a generated wave file through MCI
# without an error; MCI's own trace shows what reached it.
export LV_E2E_WINEDEBUG=${LV_E2E_WINEDEBUG:--all,trace+mci}
source "$(dirname "$0")/lib.sh"
e2e_setup desktop_sounds
class=Tmainform title="Lumivane 3 Control Center"
apps='HKCU\AppEvents\Schemes\Apps'

list_count() { e2e_drive list-items $class "$title" '#200' | wc -l; }
current() { e2e_drive text $class "$title" '#212'; }
no_error_box() { e2e_expect_eq "$(e2e_drive exists '#32770' 'Lumivane 3')" no "an error box after $1"; }
# current_value EVENT: the type and data of the event's ".Current" default value.
current_value() {
  e2e_wine reg query "$apps\\LvTest\\$1\\.Current" /ve 2>/dev/null | tr -d '\r' |
    sed -n 's/^    ([^)]*)    \(REG_[A-Z_]*\)    \{0,1\}/\1 /p'
}
# default_sound KEY TYPE DATA
default_sound() { e2e_wine reg add "$apps\\LvTest\\$1" /ve /t "$2" /d "$3" /f >/dev/null; }

sounds=$WINEPREFIX/drive_c/sounds
mkdir -p "$sounds"
# Two seconds of a 440 Hz tone, and a second file the events use now.
for name in chime other; do
  /usr/bin/python3 -c 'import math, sys, wave
w = wave.open(sys.argv[1], "wb"); w.setnchannels(1); w.setsampwidth(1); w.setframerate(8000)
w.writeframes(bytes(int(128 + 60 * math.sin(2 * math.pi * 440 * i / 8000)) for i in range(16000))); w.close()' \
    "$sounds/$name.wav"
done
default_sound 'LvChime\.Default' REG_SZ 'C:\sounds\chime.wav'
default_sound 'LvEmpty\.Default' REG_SZ ''
default_sound 'LvExpand\.Default' REG_EXPAND_SZ '%SystemRoot%\media\chime.wav'
for event in LvChime LvEmpty LvExpand LvKeep; do
  default_sound "$event\\.Current" REG_SZ 'C:\sounds\other.wav'
done
e2e_wine reg add 'HKCU\AppEvents\EventLabels\LvChime' /ve /d 'Chime (test)' /f >/dev/null
navigating=$(e2e_wine reg query "$apps\\Explorer\\Navigating\\.Current" /ve 2>/dev/null | tr -d '\r')

e2e_start
e2e_drive wait $class "$title" 20000 >/dev/null
e2e_page 2
e2e_wait_for "list on the Sounds page" 0 list_count
# The first label is the chime's; picking it names the event and its sound.
e2e_drive click $class "$title" 480 181
e2e_drive key $class "$title" HOME RETURN
e2e_wait_for "technical name of the first event" 'LvTest\LvChime' e2e_drive text $class "$title" '#213'
e2e_wait_for "Current: before Restore" other.wav current

# Answered No, nothing changes; Yes restores.
e2e_drive click $class "$title" 148 362
e2e_expect_eq "$(e2e_drive msgbox-text Confirm 10000)" "Restore all Windows Sounds?" "restore question"
e2e_drive msgbox-press Confirm "&No" 10000
e2e_drive wait-gone '#32770' Confirm 5000
e2e_expect_eq "$(current_value LvChime)" 'REG_SZ C:\sounds\other.wav' "LvChime after No"
e2e_drive click $class "$title" 148 362
e2e_drive msgbox-press Confirm "&Yes" 10000
e2e_drive wait-gone '#32770' Confirm 5000
e2e_wait_for "LvChime after Restore" 'REG_SZ C:\sounds\chime.wav' current_value LvChime
e2e_expect_eq "$(current_value LvEmpty)" 'REG_SZ ' "LvEmpty after Restore (empty default)"
e2e_expect_eq "$(current_value LvExpand)" 'REG_SZ %SystemRoot%\media\chime.wav' "LvExpand after Restore (expandable default)"
e2e_expect_eq "$(current_value LvKeep)" 'REG_SZ C:\sounds\other.wav' "LvKeep after Restore (no default)"
e2e_expect_eq "$(e2e_wine reg query "$apps\\Explorer\\Navigating\\.Current" /ve 2>/dev/null | tr -d '\r')" \
  "$navigating" "Wine's own event without a default"
no_error_box "Restore Sounds"
# The "Current:" line follows when clicked.
e2e_drive click $class "$title" 180 221
e2e_wait_for "Current: after Restore" chime.wav current

# The player: a wave file added through the sound dialog and picked.
# The sound dialog has no title of its own: Wine shows its default "Open".
sound_dialog() { e2e_drive open-files Open "$1" 5000 || e2e_drive open-files '' "$1" 5000; }
e2e_drive click $class "$title" 120 247
sound_dialog 'C:\sounds'
sound_dialog '"chime.wav" "other.wav"'
e2e_wait_for "sound list after adding" 2 list_count
row=$(e2e_drive list-items $class "$title" '#200' | grep -n 'chime.wav$' | cut -d: -f1)
e2e_drive click $class "$title" 150 $((59 + 13 * row))
e2e_wait_for "LastSelect of the wave file" "($row) chime.wav" e2e_drive text $class "$title" '#210'
no_error_box "picking the wave file"
# sent COMMAND: how many times the program sent that MCI command so far.
sent() { grep -c "trace:mci:mciSendCommandA ([0-9A-Fa-f]*, $1," "$E2E_WORK/program.log" || true; }
grep -qF 'lpstrElementName=L"C:\\sounds\\chime.wav"' "$E2E_WORK/program.log" \
  || e2e_fail "picking the wave file did not open it with MCI"
e2e_expect_eq "$(sent MCI_OPEN)" 1 "MCI_OPEN after picking"
play() { e2e_drive click $class "$title" 117 282; }
pause() { e2e_drive click $class "$title" 179 282; }
stop() { e2e_drive click $class "$title" 241 282; }
play
e2e_wait_for "MCI_PLAY after Play" 1 sent MCI_PLAY
no_error_box Play
# Without a sound device Wine's play ends at once, so Pause finds the device
# stopped and leaves it; it must ask, and fail nothing.
status=$(sent MCI_STATUS)
pause
e2e_wait_for "MCI_STATUS asked by Pause" $((status + 1)) sent MCI_STATUS
no_error_box Pause
pause; no_error_box "Pause again"
stop
e2e_wait_for "MCI_STOP after Stop" 1 sent MCI_STOP
e2e_wait_for "MCI_SEEK after Stop" 1 sent MCI_SEEK
no_error_box Stop
play; play
e2e_wait_for "MCI_PLAY after two more Plays" 3 sent MCI_PLAY
no_error_box "Play twice"
e2e_drive move $class "$title" 330 330
e2e_screenshot "$E2E_WORK/sounds.png" $class "$title"

e2e_drive close $class "$title"
e2e_drive msgbox-press Confirm "&Yes" 10000 >/dev/null
e2e_wait_exit 10
e2e_expect_eq "$(sent MCI_CLOSE)" 1 "MCI_CLOSE at Quit"
echo "desktop_sounds: ok"
