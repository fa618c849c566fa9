#!/usr/bin/env bash
# Installs what is missing, builds, installs the built program into the
# Wine prefix with "SETUP.EXE /S" when it is not installed yet (or the build
# has changed; scripts/install-vellox.sh), then starts the installed
# program, which opens "My Bookmarks". Without a display it runs on a
# private Xvfb, waits for the main window to be painted, saves
# build/screenshot.png and says so. On exit, also after a failed step, it
# stops the program, the Wine server and its Xvfb.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$top"

./scripts/deps.sh
arch="$(./scripts/wine-arch.sh)"
./scripts/build.sh native >/dev/null
./scripts/build.sh win32
[ "$arch" = win64 ] && ./scripts/build.sh win64
exe="$top/build/$arch/bin/VelloxFl.exe"
[ "$arch" = win64 ] && echo "run.sh: this kernel cannot run 32-bit Wine; installing the x86-64 build of the same program"

headless=""
[ -z "${DISPLAY:-}" ] && headless=1
prefix="${VELLOX_WINEPREFIX:-$top/build/wineprefix}"
[ "$arch" = win64 ] && prefix="${VELLOX_WINEPREFIX:-$top/build/wineprefix64}"
app_pid=""
# Installed before anything starts, so that a failed step leaves nothing
# running; every step runs whatever the others do (the program may have
# ended by itself, and Xvfb may never have started).
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -f "$prefix/system.reg" ]; then WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; fi
  if [ -n "${xvfb_pid:-}" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT
. ./scripts/xvfb.sh

program="$(./scripts/install-vellox.sh "$exe")"
echo "run.sh: starting $program"

if [ -z "$headless" ]; then
  exec ./scripts/wine-run.sh "$program"
fi

# Headless: inside a Wine virtual desktop, so that the window frame is drawn.
./scripts/wine-run.sh explorer /desktop=Vellox,1024x768 "$program" >/dev/null 2>&1 &
app_pid=$!
window="$(timeout 60 xdotool search --sync --onlyvisible --name ' - Vellox$' 2>/dev/null | head -1 || true)"
if [ -z "$window" ]; then
  echo "run.sh: the main window did not appear within 60 s" >&2
  exit 1
fi

# The window counts as painted when its client part holds more than the
# few colours of an empty or merely erased area (text is drawn smoothed, in
# many shades), and two captures in a row are alike (painting has
# finished). The caption and menu bars are left out: their text alone has
# many colours as soon as the frame is drawn. The last capture is the
# screenshot.
shot="$top/build/screenshot.png"
bars_height=50
wait_until_painted() {
  local colours signature previous="" deadline=$((SECONDS + 30))
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local client="${WIDTH}x$((HEIGHT - bars_height))+${X}+$((Y + bars_height))"
  while [ "$SECONDS" -lt "$deadline" ]; do
    if import -window root "$shot" 2>/dev/null; then
      read -r colours signature < <(convert "$shot" -crop "$client" +repage -format '%k %#' info:)
      [ "$colours" -gt 16 ] && [ "$signature" = "$previous" ] && return 0
      previous="$signature"
    fi
    sleep 0.3
  done
  return 1
}
if ! wait_until_painted; then
  echo "run.sh: the main window was not painted within 30 s" >&2
  exit 1
fi
echo "run.sh: Vellox is running headless on display $DISPLAY; screenshot saved to build/screenshot.png"
echo "run.sh: press Ctrl+C to stop it"
wait "$app_pid" || true
