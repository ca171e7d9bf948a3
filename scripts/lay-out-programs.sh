#!/usr/bin/env bash
# Copies the shipped programs (ship/programs.tsv) of a build into a program
# directory, side by side as the archive holds them, so that the Help button
# and the Updater's start find theirs.
#   lay-out-programs.sh BUILD_DIR PROGRAM_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1 appdir=$2
mkdir -p "$appdir"
grep -v '^#' "$here/../ship/programs.tsv" | cut -f1 | while read -r program; do
  cp "$build/$program.exe" "$appdir/$program.exe"
done
