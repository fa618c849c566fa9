#!/bin/sh
# Starts the program under a private display on a copy of the sample list
# and saves a picture of the main window in Regular mode.
# Usage: scripts/screenshots.sh <build folder> [output folder]
set -eu
build=${1:?build folder (the x86-64 Windows tree)}
out=${2:-build/screenshots}
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$out"
unset DISPLAY
. "$root/scripts/xvfb.sh"
work=$(mktemp -d)
cp "$root/src/resources/Default.bkl" "$work/Sample.bkl"
"$root/scripts/wine-run.sh" "$build/bin/VelloxFl.exe" "Z:$(echo "$work/Sample.bkl" | tr / '\\')" &
program=$!
# The window needs a few seconds under Wine; poll for it instead of guessing.
for _ in $(seq 1 60); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Sample - Vellox"' && break
  sleep 0.5
done
sleep 1
import -window root "$out/regular.png"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
[ -n "$xvfb_pid" ] && kill "$xvfb_pid"
rm -rf "$work"
echo "$out/regular.png"
