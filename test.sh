#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: the
# native unit tests (with sanitizers), the Wine tests and the end-to-end
# tests of VelloxFl.exe. Ends with the cases of each side (native, Wine,
# end to end) and one line "N passed, N failed" over all of them; exits
# non-zero on any failure.
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

rm -f build/native/Testing/Temporary/LastTestsFailed.log "$wintree/Testing/Temporary/LastTestsFailed.log" \
  "$wintree/Testing/Temporary/LastTest.log"
status=0
( cd build/native && ctest --output-on-failure -j2 ) || status=1
# The end-to-end shards and the checker's tests run side by side, the Wine
# unit tests alone.
( cd "$wintree" && ctest --output-on-failure -j3 ) || status=1

# Each side's count as it is: the native cases are one CTest test each; the
# Wine tree's CTest tests are whole GoogleTest programs, whose own
# summary lines in CTest's log give their cases.
count_failed() { if [ -f "$1" ]; then wc -l <"$1"; else echo 0; fi; }
# "PASSED FAILED" of the GoogleTest program run as CTest test $2 in tree $1,
# or nothing when its output holds no summary (it ended early or never ran).
gtest_counts() {
  local log="$1/Testing/Temporary/LastTest.log"
  [ -f "$log" ] || return 0
  tr -d '\r' <"$log" | awk -v name="$2" '
    $0 ~ "^[0-9]+/[0-9]+ Test: " name "$" { inside = 1; next }
    /^<end of output>$/ { inside = 0 }
    inside && /^\[  PASSED  \] [0-9]+ tests?\.$/ { passed = $4; seen = 1 }
    inside && /^\[  FAILED  \] [0-9]+ tests?, listed below:$/ { failed = $4 }
    END { if (seen) print passed, failed + 0 }'
}

native_total=$(cd build/native && ctest -N | sed -n 's/^Total Tests: //p')
native_failed=$(count_failed build/native/Testing/Temporary/LastTestsFailed.log)
passed=$((native_total - native_failed))
failed=$native_failed
echo
echo "test.sh: native cases: $passed passed, $native_failed failed"
for side in "Wine cases:wine_tests" "end-to-end cases, shard 1:e2e_shard_0" \
  "end-to-end cases, shard 2:e2e_shard_1" "checker end-to-end cases:checking_e2e_tests"; do
  label="${side%%:*}" name="${side##*:}"
  counts="$(gtest_counts "$wintree" "$name")"
  if [ -z "$counts" ]; then
    # No case count to give: the program counts as one failure.
    echo "test.sh: $label: no GoogleTest summary ($name ended early or did not run)"
    failed=$((failed + 1))
    continue
  fi
  read -r side_passed side_failed <<<"$counts"
  echo "test.sh: $label: $side_passed passed, $side_failed failed"
  if [ "$side_failed" -eq 0 ] && grep -qx "[0-9]*:$name" "$wintree/Testing/Temporary/LastTestsFailed.log" 2>/dev/null; then
    echo "test.sh: $name failed after its cases passed (its exit code): counted as one failure"
    side_failed=1
  fi
  passed=$((passed + side_passed))
  failed=$((failed + side_failed))
done
if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
  echo "test.sh: a CTest run failed without a failed case: counted as one failure"
  failed=1
fi
[ "$failed" -eq 0 ] || status=1
echo "$passed passed, $failed failed"
exit $status
