#!/usr/bin/env bash
# Builds the benchmarks in a native release tree (no sanitizers) and runs
# them. Extra arguments go to the benchmark program, e.g.
#   scripts/bench.sh --benchmark_filter=Load
# VELLOX_BENCH_BUILD names another build folder (default build/release).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VELLOX_BENCH_BUILD:-$top/build/release}"
"$top/scripts/deps.sh"
cmake -S "$top" -B "$build" -DVELLOX_BENCH=ON -DCMAKE_BUILD_TYPE=Release -DVELLOX_TESTS=OFF \
  -DVELLOX_SANITIZE=OFF >/dev/null
cmake --build "$build" --target vellox_bench -j2
"$build/bin/vellox_bench" "$@"
