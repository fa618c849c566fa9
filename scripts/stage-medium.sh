#!/usr/bin/env bash
# Stages an installation medium in the folder DEST: the built program under
# the name SETUP.EXE, and beside it what setup installs with it (setup's
# table of program files): the help file VelloxFl.chm and the companion
# library OrvandIE.dll from the program's build folder, the sample list
# Default.bkl, the Templates folder and ReadMe.txt from the sources.
# Without --complete a file the build has not made is left out (setup
# installs what the medium holds); with --complete every one must be
# there, else the script names what is missing and exits 1.
# Used by scripts/install-vellox.sh (run.sh, the tests) and
# scripts/package.sh (the medium for Windows users).
# Usage: scripts/stage-medium.sh [--complete] EXE DEST
set -euo pipefail
complete=""
if [ "${1:-}" = --complete ]; then complete=1; shift; fi
[ $# -eq 2 ] || { echo "usage: scripts/stage-medium.sh [--complete] EXE DEST" >&2; exit 2; }
exe="$1" dest="$2"
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
built="$(cd "$(dirname "$exe")" && pwd)"
resources="$top/src/resources"

# Each file of the medium: its name there and where it comes from.
sources=(
  "SETUP.EXE|$exe"
  "VelloxFl.chm|$built/VelloxFl.chm"
  "OrvandIE.dll|$built/OrvandIE.dll"
  "Default.bkl|$resources/Default.bkl"
  "Templates|$resources/Templates"
  "ReadMe.txt|$resources/ReadMe.txt"
)
missing=()
for entry in "${sources[@]}"; do
  [ -e "${entry#*|}" ] || missing+=("${entry%%|*} (${entry#*|})")
done
if [ -n "$complete" ] && [ ${#missing[@]} -gt 0 ]; then
  echo "stage-medium: setup needs these files, which are missing:" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi

mkdir -p "$dest"
for entry in "${sources[@]}"; do
  name="${entry%%|*}" from="${entry#*|}"
  [ -e "$from" ] || continue
  case "$name" in
    Templates) rm -rf "${dest:?}/$name"; cp -r "$from" "$dest/$name" ;;
    # Windows users read it in Notepad: CR LF line ends.
    ReadMe.txt) sed 's/\r*$/\r/' "$from" >"$dest/$name" ;;
    *) cp "$from" "$dest/$name" ;;
  esac
done
