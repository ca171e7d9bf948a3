#!/usr/bin/env bash
# Runs a Windows program under Wine in a given prefix:
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# Without a DISPLAY the program gets a private Xvfb screen.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts when the prefix is made.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The 64-bit loader directly: Wine's i386 half cannot run on this kernel.
wine=/usr/lib/wine/wine64
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$wine" "$@"
fi
exec "$wine" "$@"
