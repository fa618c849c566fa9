#!/usr/bin/env bash
# Configures and builds the trees:
#   native   build/native: host compiler, Debug with AddressSanitizer and
#            UBSan, the native tests
#   win32    build/win32: mingw-w64, i686, the product
#   win64    build/win64: the same for x86-64, where only 64-bit Wine runs
#   release  build/release (VELLOX_RELEASE_BUILD names another folder):
#            host compiler, Release, no sanitizers, no tests; the tools
#            for users (vellox-cli, bookmarkgen), and the tree that
#            scripts/bench.sh builds its benchmarks in
#   all      native, win32, release, and win64 where only 64-bit Wine runs
# Usage: scripts/build.sh [native|win32|win64|release|all]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"
jobs="${VELLOX_JOBS:-$(nproc)}"
what="${1:-all}"
case "$what" in
  native | win32 | win64 | release | all) ;;
  *) echo "usage: scripts/build.sh [native|win32|win64|release|all]" >&2; exit 2 ;;
esac
# ccache makes rebuilds in another checkout of the same sources cheap; it
# is used only where its cache folder can be written.
if command -v ccache >/dev/null 2>&1 && [ -z "${VELLOX_NO_CCACHE:-}" ]; then
  cache_dir="$(ccache -k cache_dir 2>/dev/null || true)"
  if [ -n "$cache_dir" ] && mkdir -p "$cache_dir" 2>/dev/null && [ -w "$cache_dir" ]; then
    export CCACHE_BASEDIR="$top" CCACHE_NOHASHDIR=true
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
  fi
fi

if [ "$what" = all ] || [ "$what" = native ]; then
  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DVELLOX_SANITIZE=ON >/dev/null
  cmake --build build/native -j"$jobs"
fi
if [ "$what" = all ] || [ "$what" = release ]; then
  # The benchmarks are configured here too (built by scripts/bench.sh), so
  # that every script configures this tree the same way.
  release="${VELLOX_RELEASE_BUILD:-build/release}"
  cmake -S . -B "$release" -DCMAKE_BUILD_TYPE=Release -DVELLOX_SANITIZE=OFF -DVELLOX_TESTS=OFF \
    -DVELLOX_BENCH=ON >/dev/null
  cmake --build "$release" -j"$jobs" --target vellox-cli bookmarkgen
fi
if [ "$what" = all ] || [ "$what" = win32 ]; then
  cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/win32 -j"$jobs"
fi
# Where Wine cannot run 32-bit programs (a kernel without 32-bit support),
# the same sources are also built for x86-64 so that the Windows tests and
# the program can run under wine64.
if { [ "$what" = all ] && [ "$("$top/scripts/wine-arch.sh")" = win64 ]; } || [ "$what" = win64 ]; then
  cmake -S . -B build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/win64 -j"$jobs"
fi
