#!/usr/bin/env bash
# scripts/package.sh from stand-ins for the built files (the program, the
# help file and the companion library): the zip holds every file setup
# installs, under one folder, with the program as SETUP.EXE and ReadMe.txt
# with CR LF line ends; and each built file that is missing stops the
# script with its name and leaves no zip behind.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

version="$(sed -n 's/^constexpr char kVelloxVersion\[\] = "\(.*\)";$/\1/p' "$top/src/util/version.h")"
folder="vellox-$version-win32"
zip="$work/dist/$folder.zip"
built=(VelloxFl.exe VelloxFl.chm OrvandIE.dll)
make_tree() {
  rm -rf "$work/bin"
  mkdir -p "$work/bin"
  for file in "${built[@]}"; do echo "stand-in $file" >"$work/bin/$file"; done
}
package() { "$top/scripts/package.sh" --no-build --tree "$work/bin" --out "$work/dist"; }

# The complete medium.
make_tree
package >/dev/null || fail "package.sh failed on a complete tree"
expected="$( { printf '%s\n' "$folder/" "$folder/SETUP.EXE" "$folder/VelloxFl.chm" \
  "$folder/OrvandIE.dll" "$folder/Default.bkl" "$folder/ReadMe.txt" "$folder/Templates/"
  (cd "$top/src/resources" && find Templates -type f | sed "s|^|$folder/|"); } | sort)"
listed="$(unzip -Z1 "$zip" 2>/dev/null | sort)"
[ "$listed" = "$expected" ] || fail "the zip holds
$listed
instead of
$expected"
[ "$(unzip -p "$zip" "$folder/SETUP.EXE")" = "stand-in VelloxFl.exe" ] || fail "SETUP.EXE is not the program"
cmp -s <(unzip -p "$zip" "$folder/Default.bkl") "$top/src/resources/Default.bkl" || fail "Default.bkl differs"
[ "$(unzip -p "$zip" "$folder/ReadMe.txt" | grep -c $'\r$')" = "$(wc -l <"$top/src/resources/ReadMe.txt")" ] ||
  fail "ReadMe.txt does not end every line with CR LF"

# Each built file missing in turn.
for missing in "${built[@]}"; do
  make_tree
  rm "$work/bin/$missing"
  if message="$(package 2>&1)"; then
    fail "package.sh succeeded without $missing"
  else
    grep -q "$missing" <<<"$message" || fail "the failure without $missing does not name it: $message"
  fi
  [ ! -e "$zip" ] || fail "a zip was left behind without $missing"
done

[ "$failures" -eq 0 ] && echo "package medium: all checks passed"
exit "$failures"
