#!/usr/bin/env bash
# Checks a built Windows executable: PE32 (i386) or PE32+ (x86-64), GUI
# subsystem, imports from system DLLs only (no mingw DLL needed beside it).
# A shipped 32-bit program (i386) must also load on Windows 98 and NT 4.0:
# its header asks for Windows 4.0, every function it imports is listed in
# ship/imports.tsv as present on Windows 98, and it carries an icon, a
# version resource and a manifest.
#   check-pe.sh PROGRAM.exe i386|x86-64
set -euo pipefail
exe=$1 arch=$2
here=$(cd "$(dirname "$0")" && pwd)
list=$here/../ship/imports.tsv
dump=$(x86_64-w64-mingw32-objdump -p "$exe")
fail() { echo "$exe: $*"; exit 1; }
# check_listed VERB: every "dll<TAB>function" line read is listed in
# ship/imports.tsv as present on Windows 98; sets bad=1 for one that is not.
check_listed() {
  local dll function entry
  while IFS=$'\t' read -r dll function; do
    entry=$(awk -F'\t' -v d="$dll" -v f="$function" '$1 == d && $2 == f {print $5}' "$list")
    case $entry in
      yes) ;;
      "") echo "$exe $1 $dll $function, which ship/imports.tsv does not list"; bad=1 ;;
      *) echo "$exe $1 $dll $function, which Windows 98 has only as: $entry"; bad=1 ;;
    esac
  done
}
case $arch in
  i386) grep -q 'file format pei-i386' <<<"$dump" || fail "not a PE32 (i386) file" ;;
  x86-64) grep -q 'file format pei-x86-64' <<<"$dump" || fail "not a PE32+ (x86-64) file" ;;
  *) fail "unknown architecture $arch" ;;
esac
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$dump" || fail "not a GUI program"
system='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|advapi32|winmm|msvcrt|shlwapi|uxtheme)\.dll$'
bad=0
while read -r dll; do
  if ! grep -Eqi "$system" <<<"$dll"; then echo "$exe imports a non-system DLL: $dll"; bad=1; fi
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
[ $bad = 0 ] || exit 1

if [ "$arch" = i386 ]; then
  for field in MajorOSystemVersion MajorSubsystemVersion; do
    value=$(awk -v f="$field" '$1 == f {print $2}' <<<"$dump")
    [ "$value" = 4 ] || fail "$field is ${value:-missing}, not 4"
  done
  for field in MinorOSystemVersion MinorSubsystemVersion; do
    value=$(awk -v f="$field" '$1 == f {print $2}' <<<"$dump")
    [ "$value" = 0 ] || fail "$field is ${value:-missing}, not 0"
  done
  # One "dll<TAB>function" line per import, the DLL in lower case.
  imports=$(awk '/DLL Name:/ {dll = tolower($3); next}
                 /^[[:space:]]*$/ {dll = ""}
                 dll && $1 ~ /^[0-9a-f]+$/ && NF == 3 {print dll "\t" $3}' <<<"$dump" | sort -u)
  [ -n "$imports" ] || fail "no imports read"
  check_listed "imports" <<<"$imports"
  # The functions taken from DLLs loaded on first call (ship/delayload):
  # GNU ld leaves the delay-import directory empty, so objdump shows none of
  # them; the .def files name every one the programs can call.
  delayed=$(for def in "$here"/../ship/delayload/*.def; do
              dll=$(basename "$def" .def).dll
              sed -n '/^EXPORTS/,$ {/^EXPORTS/d; s/@[0-9]*$//; /^[A-Za-z_]/ s/^/'"$dll"'\t/p}' "$def"
            done)
  [ -n "$delayed" ] || fail "no delay-loaded functions read"
  check_listed "may call (delay-loaded)" <<<"$delayed"
  [ $bad = 0 ] || exit 1
  # Top-level resource types: 14 icon group, 16 version, 24 manifest.
  for type in 00000e:icon 000010:version 000018:manifest; do
    grep -Eq "^0[0-9a-f]{2}   Entry: ID: 0x${type%%:*}," <<<"$dump" || fail "carries no ${type#*:} resource"
  done
  extra=", Windows 4.0, $(wc -l <<<"$imports") imports and $(wc -l <<<"$delayed") delay-loaded functions listed, icon, version, manifest"
fi
echo "$exe: $(sed -n 's/.*file format //p' <<<"$dump" | head -n1), GUI${extra:-}, imports from: $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump" | tr '\n' ' ')"
