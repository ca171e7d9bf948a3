#!/usr/bin/env bash
# Runs every test on this machine, installing what is missing first:
# native unit and contract tests, the win64 build's tests under Wine + Xvfb
# (contract tests against the Win32 adapters, end-to-end tests), the check of
# the 32-bit product's imports, and its programs run under emulation.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh

echo "== native"
cmake --preset native -DLV_WERROR=ON >/dev/null
cmake --build --preset native
ctest --preset native

echo "== win32 (the 32-bit product: built and its imports checked)"
cmake --preset win32 -DLV_WERROR=ON >/dev/null
cmake --build --preset win32
bash scripts/check-pe.sh build/win32/lumivane3.exe i386

echo "== win64 under Wine"
cmake --preset win64 -DLV_WERROR=ON >/dev/null
cmake --build --preset win64
bash scripts/check-pe.sh build/win64/lumivane3.exe x86-64
source scripts/wine-session.sh
wine_session_start "$root/build/win64/wineprefix"
# Every test runs once. A test that fails is run once more: one that fails
# again fails the run; one that passes only on its second run is named as
# flaky, so that its cause gets found and fixed rather than hidden.
status=0
ctest --preset win64 || status=$?
if [ $status -ne 0 ]; then
  failed_log=build/win64/Testing/Temporary/LastTestsFailed.log
  mapfile -t failed < <(sed -n 's/^[0-9]*://p' "$failed_log")
  broken=0
  for name in "${failed[@]}"; do
    pattern="^$(printf '%s' "$name" | sed 's/[.[\*^$()+?{|]/\\&/g')\$"
    if ctest --preset win64 -R "$pattern" --output-on-failure; then
      echo "FLAKY: $name failed at its first run and passed at its second"
    else
      echo "FAILED: $name failed at both runs"
      broken=$((broken + 1))
    fi
  done
  [ $broken -eq 0 ] || exit 1
fi

echo "== win32 under emulation (the shipped 32-bit programs run)"
bash scripts/setup-pe32.sh
# The programs as the release archive holds them, where the build made one.
programs=build/win32
archive=$(find build/win32 -maxdepth 1 -name 'Lumivane3-*-win32.zip' -newer build/win32/lumivane3.exe | head -n1)
if [ -n "$archive" ]; then
  rm -rf build/win32/e2e/archive
  /usr/bin/python3 -m zipfile -e "$archive" build/win32/e2e/archive
  programs=$(dirname "$(find build/win32/e2e/archive -name lumivane3.exe | head -n1)")
fi
# As above: a failure is run once more, and a pass at the second run is named.
if ! bash tests/e2e/shipped32.sh "$programs" build/win32 build/win64/tests/e2e/lvdrive.exe; then
  rm -rf build/win32/e2e/shipped32.first-failure
  cp -r build/win32/e2e/shipped32 build/win32/e2e/shipped32.first-failure
  bash tests/e2e/shipped32.sh "$programs" build/win32 build/win64/tests/e2e/lvdrive.exe
  echo "FLAKY: shipped32 failed at its first run (build/win32/e2e/shipped32.first-failure) and passed at its second"
fi
