#!/usr/bin/env bash
# Installs a built VelloxFl.exe into the project's Wine prefix as a user
# would, when the prefix has no Vellox yet, lacks the user's part of the
# setup, or holds another build: stages an installation medium
# (scripts/stage-medium.sh: the program under the name SETUP.EXE beside the
# files setup installs with it) and runs "SETUP.EXE /S" from it.
# Prints the installed program's path (as Windows sees it) on stdout;
# messages go to stderr. Exits 1 when the installation fails.
# Usage: scripts/install-vellox.sh EXE
# Runs on the caller's DISPLAY; VELLOX_WINEPREFIX chooses the prefix as for
# scripts/wine-run.sh.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: scripts/install-vellox.sh EXE" >&2; exit 2; }
[ -f "$1" ] || { echo "install-vellox: $1 is not built" >&2; exit 1; }
exe="$(realpath -- "$1")"
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$top"

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
  medium="$(mktemp -d)"
  trap 'rm -rf "$medium"' EXIT
  ./scripts/stage-medium.sh "$exe" "$medium"
  echo "install-vellox: installing Vellox into the Wine prefix (SETUP.EXE /S)" >&2
  status=0
  ./scripts/wine-run.sh "$medium/SETUP.EXE" /S >&2 || status=$?
  # Wine hands back the low byte of the installer's exit code (a message id).
  if [ "$status" -ne 0 ]; then
    echo "install-vellox: the installation failed (exit code $status)" >&2
    exit 1
  fi
  program="$(installed_program)"
fi
[ -n "$program" ] || { echo "install-vellox: Vellox is not installed" >&2; exit 1; }
echo "$program"
