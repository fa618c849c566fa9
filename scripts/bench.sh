#!/usr/bin/env bash
# Builds the benchmarks in the native release tree of scripts/build.sh
# release (build/release: no sanitizers, the tree of the users' vellox-cli)
# and runs them. Extra arguments go to the benchmark program, e.g.
#   scripts/bench.sh --benchmark_filter=Load
# VELLOX_RELEASE_BUILD names another folder for that tree.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export VELLOX_RELEASE_BUILD="${VELLOX_RELEASE_BUILD:-$top/build/release}"
build="$VELLOX_RELEASE_BUILD"
"$top/scripts/deps.sh"
"$top/scripts/build.sh" release >/dev/null
cmake --build "$build" --target vellox_bench -j2
"$build/bin/vellox_bench" "$@"
