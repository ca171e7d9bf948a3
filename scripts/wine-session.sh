# Sourced by the test and run scripts: one private Xvfb screen and one
# long-lived Wine server for a prefix, so that each program start under Wine
# costs a fraction of a second instead of booting Wine anew.
#   source scripts/wine-session.sh; wine_session_start PREFIX
# Both are ended when the sourcing shell exits.

wine_session_start() {
  export WINEPREFIX=$1
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
  mkdir -p "$WINEPREFIX"

  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  WINE_SESSION_XVFB=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  trap wine_session_stop EXIT

  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    /usr/lib/wine/wineserver -w
  fi
  /usr/lib/wine/wineserver -p >/dev/null 2>&1 </dev/null &
  # Wine's services (winedevice, explorer) start with the first program and
  # keep its standard handles; start them here, on /dev/null, so that no
  # test's output pipe is held open after the test ends.
  /usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_session_stop() {
  /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
  [ -n "${WINE_SESSION_XVFB:-}" ] && kill "$WINE_SESSION_XVFB" 2>/dev/null || true
}
