#!/usr/bin/env bash
# Checks the archive of the shipped programs: one folder named like the
# archive holding exactly the programs of ship/programs.tsv and README.txt
# (Windows line ends), each program passing check-pe.sh as a 32-bit one.
#   check-archive.sh Lumivane3-VERSION-win32.zip
set -euo pipefail
zip=$1
here=$(cd "$(dirname "$0")" && pwd)
folder=$(basename "$zip" .zip)
fail() { echo "$zip: $*"; exit 1; }
expected=$( (echo "$folder/README.txt"
             grep -v '^#' "$here/../ship/programs.tsv" | cut -f1 | sed "s|^|$folder/|; s|\$|.exe|") | sort)
found=$(unzip -Z1 "$zip" | grep -v '/$' | sort)
[ "$found" = "$expected" ] || fail "holds $(echo $found), not $(echo $expected)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unzip -q "$zip" -d "$work"
grep -q $'\r$' "$work/$folder/README.txt" || fail "README.txt lacks Windows line ends"
while read -r name; do
  case $name in *.exe) bash "$here/check-pe.sh" "$work/$name" i386 ;; esac
done <<<"$expected"
echo "$zip: $(wc -l <<<"$expected") files, each program checked"
