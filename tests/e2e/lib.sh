# Helpers for the end-to-end tests, sourced by each tests/e2e/test_*.sh.
# Each test gets its own Xvfb screen, its own copy of a template Wine prefix
# and its own program directory (C:\Lumivane3 inside that prefix), and leaves
# no Wine process behind. See README.md beside this file.
#
# Environment (set by ctest from tests/e2e/CMakeLists.txt):
#   LV_E2E_BUILD    the win64 build tree
#   LV_E2E_PROGRAM  lumivane3.exe
#   LV_E2E_DRIVER   lvdrive.exe
#   LV_E2E_FIXTURE  lvfixture.exe (a window of standard controls for the driver's own test)
#   LV_E2E_UPDATER  updater3.exe, the real Updater, copied beside the program
# and, for the shipped 32-bit programs (shipped32.sh):
#   LV_E2E_WINE     the Wine loader (default: the host's wine64)
#   LV_E2E_TEMPLATE a ready template prefix (default: one made per build tree)
#   LV_E2E_WAIT     seconds e2e_wait_for waits (default 10)

set -euo pipefail

E2E_WINE=${LV_E2E_WINE:-/usr/lib/wine/wine64}
E2E_WINESERVER=/usr/lib/wine/wineserver
E2E_APP_WINDIR='C:\Lumivane3'
E2E_SCREEN=${E2E_SCREEN:-1024x768x24}

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# e2e_expect_eq ACTUAL EXPECTED WHAT
e2e_expect_eq() {
  [ "$1" == "$2" ] || e2e_fail "$3: expected '$2', got '$1'"
}

# The template prefix is made once per build tree (Wine's first boot takes
# about ten seconds); each test then starts from a copy of it.
_e2e_template_prefix() {
  if [ -n "${LV_E2E_TEMPLATE:-}" ]; then
    echo "$LV_E2E_TEMPLATE"
    return
  fi
  local template=$LV_E2E_BUILD/e2e/prefix-template
  mkdir -p "$LV_E2E_BUILD/e2e"
  (
    flock 9
    if [ ! -f "$template/system.reg" ]; then
      local fresh=$template.new
      rm -rf "$fresh"
      mkdir -p "$fresh"
      WINEPREFIX=$fresh "$E2E_WINE" wineboot --init >/dev/null 2>&1 </dev/null || true
      WINEPREFIX=$fresh "$E2E_WINESERVER" -w
      [ -f "$fresh/system.reg" ] || { echo "wineboot did not make a prefix" >&2; exit 1; }
      rm -rf "$template"
      mv "$fresh" "$template"
    fi
  ) 9>"$LV_E2E_BUILD/e2e/.template.lock"
  echo "$template"
}

# Copies a prefix. Wine's own program files (about 700 MB, never written by
# a program) are hard links to the template; every other file, the registry
# and ini files among them, is a copy of its own, so nothing a test does
# reaches the template. On another file system than the template's, all is copied.
_e2e_copy_prefix() {
  cp -a --link "$1" "$2" 2>/dev/null || { rm -rf "$2"; cp -a "$1" "$2"; return; }
  find "$2" -type f ! \( -path "$2/drive_c/windows/*" \( -iname '*.dll' -o -iname '*.exe' -o -iname '*.drv' \
      -o -iname '*.sys' -o -iname '*.ocx' -o -iname '*.cpl' -o -iname '*.acm' -o -iname '*.tlb' -o -iname '*.ax' \
      -o -iname '*.ds' -o -iname '*.com' -o -iname '*.nls' -o -iname '*.manifest' \) \) \
    -exec sh -c 'for f; do cp -p "$f" "$f.copy" && mv -f "$f.copy" "$f"; done' sh {} +
}

_e2e_start_display() {
  local fifo=$E2E_WORK/display
  # Xvfb picks a free display itself and tells its number: no race between
  # tests running side by side.
  Xvfb -displayfd 3 -screen 0 "$E2E_SCREEN" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 </dev/null &
  E2E_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fifo" ] && break
    sleep 0.05
  done
  [ -s "$fifo" ] || e2e_fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fifo")"
}

# e2e_setup NAME: fresh work folder, screen, prefix and program directory.
e2e_setup() {
  : "${LV_E2E_BUILD:?}" "${LV_E2E_PROGRAM:?}" "${LV_E2E_DRIVER:?}"
  E2E_WORK=$LV_E2E_BUILD/e2e/$1
  rm -rf "$E2E_WORK"
  mkdir -p "$E2E_WORK"
  E2E_PROGRAM_PID=
  E2E_XVFB_PID=
  trap _e2e_teardown EXIT

  export WINEDEBUG=${LV_E2E_WINEDEBUG:--all}
  export WINEDLLOVERRIDES=mscoree,mshtml=
  _e2e_start_display
  local template
  template=$(_e2e_template_prefix)
  _e2e_copy_prefix "$template" "$E2E_WORK/prefix"
  export WINEPREFIX=$E2E_WORK/prefix

  # One server for the whole test, off the test's output pipe; the first
  # program starts Wine's services, so start them here on /dev/null too.
  "$E2E_WINESERVER" -p >/dev/null 2>&1 </dev/null &
  "$E2E_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true

  E2E_APPDIR=$WINEPREFIX/drive_c/Lumivane3
  mkdir -p "$E2E_APPDIR"
  cp "$LV_E2E_PROGRAM" "$E2E_APPDIR/lumivane3.exe"
  [ -z "${LV_E2E_UPDATER:-}" ] || cp "$LV_E2E_UPDATER" "$E2E_APPDIR/updater3.exe"
}

_e2e_teardown() {
  local status=$?
  set +e
  if [ "$status" != 0 ] && [ -n "${DISPLAY:-}" ]; then
    import -display "$DISPLAY" -window root "$E2E_WORK/failure.png" >/dev/null 2>&1 \
      && echo "screen at failure: $E2E_WORK/failure.png" >&2
  fi
  if [ -n "${WINEPREFIX:-}" ]; then
    "$E2E_WINESERVER" -k >/dev/null 2>&1
    "$E2E_WINESERVER" -w >/dev/null 2>&1
  fi
  [ -n "$E2E_PROGRAM_PID" ] && wait "$E2E_PROGRAM_PID" 2>/dev/null
  if [ -n "$E2E_XVFB_PID" ]; then
    kill "$E2E_XVFB_PID" 2>/dev/null
    wait "$E2E_XVFB_PID" 2>/dev/null
  fi
  exit "$status"
}

# e2e_start: starts lumivane3.exe from its program directory, in the background.
e2e_start() {
  (cd "$E2E_APPDIR" && exec "$E2E_WINE" "$E2E_APP_WINDIR\\lumivane3.exe" "$@") \
    >>"$E2E_WORK/program.log" 2>&1 </dev/null &
  E2E_PROGRAM_PID=$!
}

# e2e_spawn PROGRAM.exe ARGS...: starts a helper program (a Unix path) in
# the background; it ends with the test's Wine server at the latest.
e2e_spawn() {
  "$E2E_WINE" "$@" >>"$E2E_WORK/helpers.log" 2>&1 </dev/null &
}

# e2e_running: true while the started program's process lives.
e2e_running() {
  [ -n "$E2E_PROGRAM_PID" ] && kill -0 "$E2E_PROGRAM_PID" 2>/dev/null
}

# e2e_wait_exit [SECONDS]: waits for the program to end; sets E2E_EXIT_CODE.
e2e_wait_exit() {
  local deadline=$((SECONDS + ${1:-10}))
  while e2e_running; do
    [ $SECONDS -lt $deadline ] || e2e_fail "the program is still running after ${1:-10} s"
    sleep 0.1
  done
  E2E_EXIT_CODE=0
  wait "$E2E_PROGRAM_PID" || E2E_EXIT_CODE=$?
  E2E_PROGRAM_PID=
}

# e2e_drive COMMAND ARGS...: runs lvdrive (lvdrive help lists the commands).
e2e_drive() {
  "$E2E_WINE" "$LV_E2E_DRIVER" "$@" </dev/null
}

# e2e_wine PROGRAM ARGS...: any Windows program in the test's prefix, in the foreground.
e2e_wine() {
  "$E2E_WINE" "$@" </dev/null
}

# e2e_reg_value KEY NAME: the data of a registry value as Wine holds it now
# (empty name: the default value); fails when the value is missing.
e2e_reg_value() {
  local out
  if [ -z "$2" ]; then
    out=$("$E2E_WINE" reg query "$1" /ve 2>/dev/null </dev/null | tr -d '\r') || return 1
    sed -n 's/^    ([^)]*)    REG_[A-Z_]*    \{0,1\}//p' <<<"$out" | head -n1
  else
    out=$("$E2E_WINE" reg query "$1" /v "$2" 2>/dev/null </dev/null | tr -d '\r') || return 1
    local name=$2
    awk -v name="$name" '
      index($0, "    " name "    ") == 1 {
        rest = substr($0, length(name) + 9)
        sub(/^REG_[A-Z_]*    ?/, "", rest)
        print rest; exit
      }' <<<"$out"
  fi
}

# e2e_reg_exists KEY [NAME]: true when the key (or its value) exists.
e2e_reg_exists() {
  if [ $# -gt 1 ]; then
    "$E2E_WINE" reg query "$1" /v "$2" >/dev/null 2>&1 </dev/null
  else
    "$E2E_WINE" reg query "$1" >/dev/null 2>&1 </dev/null
  fi
}

# e2e_app_file NAME: the Unix path of a file in the program directory.
e2e_app_file() {
  echo "$E2E_APPDIR/$1"
}

# e2e_screenshot FILE.png [CLASS TITLE [client]]: the whole screen, or one
# window; with "client", only its client area (a framed window has no frame
# drawn under Xvfb without a window manager, so its frame shows what is behind).
e2e_screenshot() {
  local file=$1
  if [ $# -ge 3 ]; then
    local x y w h
    read -r x y w h < <(e2e_drive "$([ "${4:-}" = client ] && echo rect || echo window-rect)" "$2" "$3")
    import -display "$DISPLAY" -window root -crop "${w}x${h}+${x}+${y}" +repage "$file"
  else
    import -display "$DISPLAY" -window root "$file"
  fi
}

# e2e_wait_for WHAT EXPECTED CMD...: runs CMD until it prints EXPECTED (10 s
# or LV_E2E_WAIT seconds).
e2e_wait_for() {
  local what=$1 expected=$2 got=""
  shift 2
  for _ in $(seq $((${LV_E2E_WAIT:-10} * 10))); do
    got=$("$@" 2>/dev/null || true)
    [ "$got" = "$expected" ] && return 0
    sleep 0.1
  done
  e2e_fail "$what: got '$got', expected '$expected'"
}

# e2e_page N: clicks the main window's page button N (0 General ... 5 Theme).
e2e_page() {
  e2e_drive click Tmainform "Lumivane 3 Control Center" 38 $((97 + 55 * $1))
}

# e2e_shown ID: "visible" or "hidden" for the main window's control ID.
e2e_shown() {
  e2e_drive children Tmainform "Lumivane 3 Control Center" | awk -v id="$1" '$1 == id { print $3 }'
}
