#!/usr/bin/env bash
# Installs what is missing, builds, stages the built program as an
# installation medium (SETUP.EXE, Default.bkl, Templates) and installs it
# into the Wine prefix with "SETUP.EXE /S" when it is not installed yet (or
# the build has changed), then starts the installed program, which opens
# "My Bookmarks". Without a display it runs on a private Xvfb, waits for
# the main window, saves build/screenshot.png and says so.
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
. ./scripts/xvfb.sh

# The installation medium: the program runs as the installer under the
# name SETUP.EXE, beside the files it installs.
medium="$top/build/medium"
rm -rf "$medium"
mkdir -p "$medium"
cp "$exe" "$medium/SETUP.EXE"
cp src/resources/Default.bkl "$medium/"
[ -d src/resources/Templates ] && cp -r src/resources/Templates "$medium/"

# The installed program, from the entry setup writes.
installed_program() {
  ./scripts/wine-run.sh reg query 'HKLM\Software\Velloxsoft\Vellox\3.0' /v 'App Path' 2>/dev/null |
    tr -d '\r' | sed -n 's/^ *App Path *REG_SZ *//p' || true
}
# The user's part of the setup: the list folder it chose (a key left empty,
# as the tests leave it, is no setup).
user_settings_exist() {
  ./scripts/wine-run.sh reg query 'HKCU\Software\Velloxsoft\Vellox\3.0' /v 'List Folder' >/dev/null 2>&1
}

program="$(installed_program)"
needs_install=""
if [ -z "$program" ] || ! user_settings_exist; then
  needs_install=1
else
  unix_program="$(./scripts/wine-run.sh winepath -u "$program" 2>/dev/null | tr -d '\r' || true)"
  cmp -s "$exe" "$unix_program" || needs_install=1
fi
if [ -n "$needs_install" ]; then
  echo "run.sh: installing Vellox into the Wine prefix (SETUP.EXE /S)"
  status=0
  ./scripts/wine-run.sh "$medium/SETUP.EXE" /S || status=$?
  # Wine hands back the low byte of the installer's exit code (a message id).
  [ "$status" -eq 0 ] || { echo "run.sh: the installation failed (exit code $status)" >&2; exit 1; }
  program="$(installed_program)"
fi
[ -n "$program" ] || { echo "run.sh: Vellox is not installed" >&2; exit 1; }
echo "run.sh: starting $program"

if [ -z "$headless" ]; then
  exec ./scripts/wine-run.sh "$program"
fi

# Headless: inside a Wine virtual desktop, so that the window frame is drawn.
./scripts/wine-run.sh explorer /desktop=Vellox,1024x768 "$program" >/dev/null 2>&1 &
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
