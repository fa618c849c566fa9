#!/usr/bin/env bash
# Makes the installation medium a Windows user downloads:
# build/dist/vellox-<version>-win32.zip, holding the folder
# vellox-<version>-win32 with SETUP.EXE (the program under that name),
# VelloxFl.chm, OrvandIE.dll, Default.bkl, the Templates folder and
# ReadMe.txt, staged as scripts/install-vellox.sh stages them for run.sh
# (scripts/stage-medium.sh). Builds the product (the win32 tree) first
# unless --no-build. Fails, naming the file, when a file setup needs is
# missing.
# Usage: scripts/package.sh [--no-build] [--tree BUILD_BIN_FOLDER] [--out FOLDER]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build=1
tree="$top/build/win32/bin"
out="$top/build/dist"
while [ $# -gt 0 ]; do
  case "$1" in
    --no-build) build="" ;;
    --tree) tree="$2"; shift ;;
    --out) out="$2"; shift ;;
    *) echo "usage: scripts/package.sh [--no-build] [--tree BUILD_BIN_FOLDER] [--out FOLDER]" >&2; exit 2 ;;
  esac
  shift
done
command -v zip >/dev/null 2>&1 || { echo "package: zip is not installed (scripts/deps.sh installs it)" >&2; exit 1; }
if [ -n "$build" ]; then
  "$top/scripts/build.sh" win32
fi

version="$(sed -n 's/^constexpr char kVelloxVersion\[\] = "\(.*\)";$/\1/p' "$top/src/util/version.h")"
[ -n "$version" ] || { echo "package: no version in src/util/version.h" >&2; exit 1; }
name="vellox-$version-win32"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
# A failed run leaves no medium behind that could pass for this one.
rm -f "$out/$name.zip"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
if ! "$top/scripts/stage-medium.sh" --complete "$tree/VelloxFl.exe" "$work/$name"; then
  echo "package: no medium written" >&2
  exit 1
fi
(cd "$work" && zip -q -r -X "$out/$name.zip" "$name")
echo "package: wrote $out/$name.zip"
