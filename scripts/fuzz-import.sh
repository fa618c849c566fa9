#!/usr/bin/env bash
# Builds the fuzz targets with clang/libFuzzer and fuzzes the importers.
#   scripts/fuzz-import.sh [FORMAT...] [--seconds N]   (default: all formats, 120 s each)
# FORMAT: netscape opera aol msn powermarks earlier chromium. New inputs collect in
# fuzz/corpus-work/<format> (not committed); the seeds in fuzz/corpus/<format>
# are replayed by the native test ImportFuzzCorpus. A crash leaves its input
# as crash-* in the current folder.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLOX_FUZZ_BUILD:-$top/build/fuzz}"
seconds=120
formats=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    *) formats+=("$1"); shift ;;
  esac
done
[ ${#formats[@]} -gt 0 ] || formats=(netscape opera aol msn powermarks earlier chromium)
"$top/scripts/deps.sh" --fuzz
CC=clang CXX=clang++ cmake -S "$top/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=()
for f in "${formats[@]}"; do targets+=("${f}_fuzz"); done
cmake --build "$build" --target "${targets[@]}" -j2
for f in "${formats[@]}"; do
  work="$top/fuzz/corpus-work/$f"
  mkdir -p "$work"
  echo "fuzz: $f for ${seconds}s"
  # A format's dictionary (fuzz/<format>.dict), where it has one.
  dict=()
  [ -f "$top/fuzz/$f.dict" ] && dict=(-dict="$top/fuzz/$f.dict")
  "$build/${f}_fuzz" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
    "${dict[@]}" "$work" "$top/fuzz/corpus/$f"
done
