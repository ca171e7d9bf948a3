#!/usr/bin/env bash
# Checks a built Windows executable: PE32 (i386) or PE32+ (x86-64), GUI
# subsystem, and imports from system DLLs only (no mingw DLL needed beside it).
#   check-pe.sh PROGRAM.exe i386|x86-64
set -euo pipefail
exe=$1 arch=$2
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
case $arch in
  i386) grep -q 'file format pei-i386' <<<"$dump" || { echo "$exe: not a PE32 (i386) file"; exit 1; } ;;
  x86-64) grep -q 'file format pei-x86-64' <<<"$dump" || { echo "$exe: not a PE32+ (x86-64) file"; exit 1; } ;;
esac
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$dump" || { echo "$exe: not a GUI program"; exit 1; }
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|winmm|msvcrt|shlwapi|uxtheme)\.dll$'
bad=0
while read -r dll; do
  if ! grep -Eqi "$system" <<<"$dll"; then echo "$exe imports a non-system DLL: $dll"; bad=1; fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
[ $bad = 0 ] || exit 1
echo "$exe: $(sed -n 's/.*file format //p' <<<"$dump" | head -n1), GUI, imports: $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr '\n' ' ')"
