#!/usr/bin/env bash
# Runs one shard of the end-to-end tests (all but the site checker's, which
# run in a network of their own) on a display and in a Wine prefix of its
# own, so that the shards run side by side: the tests spend their time
# waiting on the program, not computing.
# Usage: tests/e2e/e2e_shard.sh INDEX COUNT PATH/vellox_e2e.exe [gtest arguments]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
index="$1" count="$2" exe="$3"
shift 3
export GTEST_SHARD_INDEX="$index" GTEST_TOTAL_SHARDS="$count"
export VELLOX_WINEPREFIX="$top/build/wineprefix-e2e$index-$("$top/scripts/wine-arch.sh")"
cleanup() {
  WINEPREFIX="$VELLOX_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" >/dev/null 2>&1 || true
}
trap cleanup EXIT
unset DISPLAY
export VELLOX_XVFB_FIRST=$((100 + 10 * index))
. "$top/scripts/xvfb.sh"
"$top/scripts/wine-run.sh" "$exe" --gtest_filter='-Checking.*' "$@"
