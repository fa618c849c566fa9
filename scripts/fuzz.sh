#!/usr/bin/env bash
# Builds the fuzz targets with clang/libFuzzer and fuzzes the list file.
#   scripts/fuzz.sh [SECONDS]     (default 180)
# New inputs collect in fuzz/corpus-work/list (not committed); the seeds in
# fuzz/corpus/list are replayed by the native tests. A crash leaves its
# input as crash-* in the current folder.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLOX_FUZZ_BUILD:-$top/build/fuzz}"
"$top/scripts/deps.sh" --fuzz
CC=clang CXX=clang++ cmake -S "$top/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
work="$top/fuzz/corpus-work/list"
mkdir -p "$work"
"$build/list_fuzz" -max_total_time="${1:-180}" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  "$work" "$top/fuzz/corpus/list"
