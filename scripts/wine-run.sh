#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's private prefix, with a
# display: the caller's DISPLAY, or a private Xvfb when there is none. The
# prefix is 32-bit (build/wineprefix) where Wine's 32-bit side runs, else
# 64-bit (build/wineprefix64); VELLOX_WINEPREFIX overrides the folder.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
arch="$("$top/scripts/wine-arch.sh")"
if [ "$arch" = win32 ]; then
  export WINEARCH=win32
  export WINEPREFIX="${VELLOX_WINEPREFIX:-$top/build/wineprefix}"
else
  export WINEARCH=win64
  export WINEPREFIX="${VELLOX_WINEPREFIX:-$top/build/wineprefix64}"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer prompts in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY

wine_cmd=wine
if [ "$arch" = win64 ]; then
  # Debian's wine wrapper would pick the 32-bit loader, which cannot run here.
  wine_cmd=/usr/lib/wine/wine64
  export WINELOADER=$wine_cmd
fi

# On a private Xvfb no window manager runs: Wine must not leave its windows
# to one, or each hidden window waits two seconds for the manager's answer
# (every dialog closed in the tests). The choice is stored once per prefix.
managed=Y
if [ -z "${DISPLAY:-}" ] || [ "${VELLOX_NO_WINDOW_MANAGER:-}" = 1 ]; then managed=N; fi
set_managed() {
  "$wine_cmd" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1 &&
    echo "$managed" >"$WINEPREFIX/.vellox-managed"
}

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "wine-run: creating the Wine prefix $WINEPREFIX" >&2
      "$wine_cmd" wineboot -i >/dev/null 2>&1 || true
      set_managed || true
      # The program runs in a server of its own, started with its display.
      wineserver -w || true
    fi
  ) 9>"$WINEPREFIX.lock"
fi

[ "$(cat "$WINEPREFIX/.vellox-managed" 2>/dev/null)" = "$managed" ] || set_managed || true

# The caption buttons' glyphs come from Marlett; a prefix made without it
# shows letters in their place.
marlett=/usr/share/wine/fonts/marlett.ttf
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -f "$marlett" ] && [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ]; then
  cp "$marlett" "$fonts/" 2>/dev/null || true
fi

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$wine_cmd" "$@"
fi
exec "$wine_cmd" "$@"
