#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vellox under Wine on a copy
# of the bundled sample list. Without a display it runs on a private Xvfb,
# waits for the main window, saves build/screenshot.png and says so.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$top"

./scripts/deps.sh
arch="$(./scripts/wine-arch.sh)"
./scripts/build.sh native >/dev/null
./scripts/build.sh win32
[ "$arch" = win64 ] && ./scripts/build.sh win64
exe="$top/build/$arch/bin/VelloxFl.exe"
[ "$arch" = win64 ] && echo "run.sh: this kernel cannot run 32-bit Wine; starting the x86-64 build of the same program"

# The user's working copy of the sample list (kept between runs).
lists="$top/build/lists"
mkdir -p "$lists"
[ -f "$lists/My Bookmarks.bkl" ] || cp src/resources/Default.bkl "$lists/My Bookmarks.bkl"
listwin="Z:$(echo "$lists/My Bookmarks.bkl" | tr / '\\')"

headless=""
[ -z "${DISPLAY:-}" ] && headless=1
. ./scripts/xvfb.sh

# Settings present: the program runs as configured.
./scripts/wine-run.sh reg add 'HKCU\Software\Velloxsoft\Vellox\3.0' /f >/dev/null 2>&1 || true

if [ -z "$headless" ]; then
  exec ./scripts/wine-run.sh "$exe" "$listwin"
fi

# Headless: inside a Wine virtual desktop, so that the window frame is drawn.
./scripts/wine-run.sh explorer /desktop=Vellox,1024x768 "$exe" "$listwin" >/dev/null 2>&1 &
app_pid=$!
timeout 60 xdotool search --sync --name ' - Vellox$' >/dev/null 2>&1 ||
  echo "run.sh: the main window did not appear within 60 s" >&2
sleep 1   # let the window finish painting
import -window root "$top/build/screenshot.png"
echo "run.sh: Vellox is running headless on display $DISPLAY; screenshot saved to build/screenshot.png"
echo "run.sh: press Ctrl+C to stop it"
prefix="$top/build/wineprefix"; [ "$arch" = win64 ] && prefix="$top/build/wineprefix64"
trap 'kill $app_pid 2>/dev/null; WINEPREFIX="$prefix" wineserver -k 2>/dev/null; kill ${xvfb_pid:-0} 2>/dev/null' EXIT
wait "$app_pid" || true
