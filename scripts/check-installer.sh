#!/usr/bin/env bash
# Checks the installer: its stub is NSIS's own (so its imports are not held
# to ship/imports.tsv), but it must be a PE32 GUI program whose header asks
# for Windows 4.0, importing from system DLLs only, with icon, version and
# manifest resources; and the programs and README.txt it installs must be
# byte for byte the archive's (7-Zip reads the files inside an NSIS installer).
#   check-installer.sh Lumivane3-VERSION-setup.exe Lumivane3-VERSION-win32.zip
set -euo pipefail
setup=$1 zip=$2
fail() { echo "$setup: $*"; exit 1; }
dump=$(x86_64-w64-mingw32-objdump -p "$setup")
grep -q 'file format pei-i386' <<<"$dump" || fail "not a PE32 (i386) file"
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$dump" || fail "not a GUI program"
for field in MajorOSystemVersion MajorSubsystemVersion; do
  [ "$(awk -v f="$field" '$1 == f {print $2}' <<<"$dump")" = 4 ] || fail "$field is not 4"
done
while read -r dll; do
  grep -Eqi '^(kernel32|user32|gdi32|comctl32|shell32|ole32|advapi32)\.dll$' <<<"$dll" \
    || fail "imports a DLL Windows 95 may lack: $dll"
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$dump")
for type in 00000e:icon 000010:version 000018:manifest; do
  grep -Eq "^0[0-9a-f]{2}   Entry: ID: 0x${type%%:*}," <<<"$dump" || fail "carries no ${type#*:} resource"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work/zip"
archive=$work/zip/$(basename "$zip" .zip)
7z x -y -o"$work/setup" "$setup" >/dev/null
# Besides the programs: NSIS's own plug-ins and the uninstaller it writes.
rm -rf "$work/setup/\$PLUGINSDIR" "$work/setup/uninstall.exe"
installed=$(cd "$work/setup" && find . -type f | sort)
expected=$(cd "$archive" && find . -type f | sort)
[ "$installed" = "$expected" ] || fail "installs $(echo $installed), not the archive's $(echo $expected)"
while read -r name; do
  cmp -s "$work/setup/$name" "$archive/$name" || fail "its ${name#./} differs from the archive's"
done <<<"$expected"
echo "$setup: PE32 GUI, Windows 4.0, system DLLs only, icon, version, manifest; installs the archive's $(wc -l <<<"$expected") files"
