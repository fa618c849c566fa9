#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: the
# native unit tests (with sanitizers), the Wine tests and the end-to-end
# tests of VelloxFl.exe. Ends with CTest's summary line.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$top"

./scripts/deps.sh
./scripts/build.sh all

# One display and one Wine server for every Windows test.
cleanup() {
  WINEPREFIX="$top/build/wineprefix" wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$top/build/wineprefix64" wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT
. ./scripts/xvfb.sh

# The Windows tests run from the tree that Wine can run here: build/win32,
# or build/win64 where the kernel cannot run 32-bit programs.
wintree="build/$(./scripts/wine-arch.sh)"
echo "test.sh: Windows tests run from $wintree"
./scripts/wine-run.sh cmd /c exit >/dev/null 2>&1 || true   # creates the prefix once

rm -f build/native/Testing/Temporary/LastTestsFailed.log "$wintree/Testing/Temporary/LastTestsFailed.log"
status=0
( cd build/native && ctest --output-on-failure -j2 ) || status=1
( cd "$wintree" && ctest --output-on-failure ) || status=1

# One summary over both trees, in CTest's own words.
native_total=$(cd build/native && ctest -N | sed -n 's/^Total Tests: //p')
win_total=$(cd "$wintree" && ctest -N | sed -n 's/^Total Tests: //p')
count_failed() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }
failed=$(( $(count_failed build/native/Testing/Temporary/LastTestsFailed.log) + \
           $(count_failed "$wintree/Testing/Temporary/LastTestsFailed.log") ))
total=$(( native_total + win_total ))
passed=$(( total - failed ))
echo
if [ "$failed" -eq 0 ] && [ "$status" -eq 0 ]; then
  echo "100% tests passed, 0 tests failed out of $total"
else
  echo "$(( 100 * passed / (total > 0 ? total : 1) ))% tests passed, $failed tests failed out of $total"
  status=1
fi
exit $status
