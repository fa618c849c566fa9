#!/usr/bin/env bash
# Pictures of the program for the documentation: installs the built
# program into the Wine prefix (scripts/install-vellox.sh, as run.sh does)
# when it is not installed, starts it in a Wine virtual desktop on a
# private display with a copy of the sample list, and saves, in the output
# folder:
#   regular.png, organize.png, compact.png  the main window in each mode
#   menu.png                                 Compact mode's category picker open
#   edit-menu.png                            Regular mode's Edit menu open
#   list-view.png                            the List View dialog (F9)
# Usage: scripts/screenshots.sh [build folder] [output folder]
# (defaults: build/<arch>, build/screenshots). VELLOX_WINEPREFIX chooses
# the prefix as for scripts/wine-run.sh.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
arch="$(./scripts/wine-arch.sh)"
build="${1:-build/$arch}"
out="${2:-build/screenshots}"
exe="$build/bin/VelloxFl.exe"
[ -f "$exe" ] || { echo "screenshots.sh: $exe is not built" >&2; exit 1; }
mkdir -p "$out"

work="$(mktemp -d)"
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  ./scripts/wine-run.sh wineserver -k >/dev/null 2>&1 || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
unset DISPLAY
. ./scripts/xvfb.sh

program="$(./scripts/install-vellox.sh "$exe")"

# The default preferences (Regular mode, the standard look), whatever an
# earlier run left.
./scripts/wine-run.sh reg delete 'HKCU\Software\Velloxsoft\Vellox\3.0' /v 'Preferences' /f >/dev/null 2>&1 || true

cp src/resources/Default.bkl "$work/Sample.bkl"
list="Z:$(echo "$work/Sample.bkl" | tr / '\\')"
# Inside a virtual desktop, so that frames and captions are drawn.
./scripts/wine-run.sh explorer /desktop=Vellox,1024x768 "$program" "$list" >/dev/null 2>&1 &
app_pid=$!

wait_for() {  # a window titled exactly $1
  timeout 60 xdotool search --sync --name "^$1\$" 2>/dev/null | head -1
}
settle() { sleep 1.5; }  # the window has to finish painting
# The screen, cut down to the program's windows: the desktop's colour
# (bottom-right corner, never covered) is trimmed away.
shot() {
  import -window root "$out/$1"
  desktop="$(convert "$out/$1" -format '%[pixel:p{1023,767}]' info:)"
  convert "$out/$1" -bordercolor "$desktop" -border 1 -trim +repage "$out/$1"
  echo "$out/$1"
}
keys() { xdotool key --delay 100 "$@"; settle; }

main="$(wait_for 'Sample - Vellox')"
[ -n "$main" ] || { echo "screenshots.sh: the main window did not appear" >&2; exit 1; }
# The keyboard goes to the window under the pointer; a corner of the
# desktop keeps the pointer off the columns (no title tips). Wine enters
# menu mode when Alt is let go after an accelerator key: Escape leaves it.
xdotool mousemove 1020 764
settle
# A category and a subcategory chosen, so that every column shows lines.
keys alt+1 Escape Down Down
keys alt+2 Escape Home
keys alt+3 Escape Home
shot regular.png
keys F10 Right Down
shot edit-menu.png
keys Escape Escape
keys F8
shot organize.png
keys F6
settle
shot compact.png
keys alt+c
shot menu.png
keys Escape Escape
keys F9
shot list-view.png
keys Escape
