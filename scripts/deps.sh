#!/usr/bin/env bash
# Installs whatever the build and the tests need and is not there yet.
# Idempotent and quick when everything is present. Used by run.sh and test.sh.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deps="$top/third_party"   # git-ignored
mkdir -p "$deps"

SQLITE_NPM_PACKAGE="better-sqlite3@12.11.1"
BOOST_DEB="libboost1.81-dev"

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

need_apt=()
have() { command -v "$1" >/dev/null 2>&1; }
pkg_ok() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

for p in cmake g++ make libgtest-dev googletest libsqlite3-dev libbenchmark-dev \
         g++-mingw-w64-i686-posix mingw-w64-i686-dev g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev wine wine32:i386 wine64 xvfb xauth \
         xdotool imagemagick file fonts-wine ccache fp-utils zip unzip nlohmann-json3-dev rapidjson-dev libcurl4-openssl-dev; do
  pkg_ok "$p" || need_apt+=("$p")
done

# scripts/fuzz.sh (--fuzz) also needs clang with libFuzzer; the tests do not.
if [ "${1:-}" = "--fuzz" ]; then
  for p in clang libclang-rt-dev; do
    pkg_ok "$p" || need_apt+=("$p")
  done
fi

# npm normally comes with the machine's Node.js; Debian's npm only when absent.
have npm || need_apt+=(npm)
# The loopback test server of the site checker's tests (tools/peers).
have python3 || need_apt+=(python3)

if [ ${#need_apt[@]} -gt 0 ]; then
  echo "deps: installing ${need_apt[*]}"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends "${need_apt[@]}" >/dev/null
fi

# Boost.Regex 1.81 is header-only; unpack its headers (never install: they
# conflict with the host's Boost) and expose only boost/ to the compilers.
if [ ! -f "$deps/boost/include/boost/regex.hpp" ]; then
  echo "deps: unpacking $BOOST_DEB headers"
  tmp="$(mktemp -d)"
  ( cd "$tmp" && apt-get download "$BOOST_DEB" >/dev/null 2>&1 ) || {
    as_root apt-get update -qq; ( cd "$tmp" && apt-get download "$BOOST_DEB" >/dev/null ); }
  dpkg -x "$tmp"/${BOOST_DEB}_*.deb "$tmp/x"
  rm -rf "$deps/boost"; mkdir -p "$deps/boost/include"
  mv "$tmp/x/usr/include/boost" "$deps/boost/include/boost"
  rm -rf "$tmp"
fi

# SQLite amalgamation for the Windows build, from a pinned npm package.
if [ ! -f "$deps/sqlite/sqlite3.c" ]; then
  echo "deps: fetching the SQLite amalgamation ($SQLITE_NPM_PACKAGE)"
  tmp="$(mktemp -d)"
  ( cd "$tmp" && npm pack "$SQLITE_NPM_PACKAGE" --silent >/dev/null )
  tar -xzf "$tmp"/better-sqlite3-*.tgz -C "$tmp" package/deps/sqlite3
  mkdir -p "$deps/sqlite"
  cp "$tmp/package/deps/sqlite3/sqlite3.c" "$tmp/package/deps/sqlite3/sqlite3.h" "$deps/sqlite/"
  rm -rf "$tmp"
fi
echo "deps: ready"
