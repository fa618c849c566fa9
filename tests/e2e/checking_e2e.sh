#!/usr/bin/env bash
# Runs the site checker's end-to-end tests (Checking.*) of the program
# given, inside a network namespace of their own with the loopback web
# server of tools/peers. They use a Wine prefix of their own: a Wine server
# started outside the namespace would open their sockets outside it.
# Usage: tests/e2e/checking_e2e.sh PATH/vellox_e2e.exe [gtest arguments]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
if [ "${1:-}" != --inside ]; then
  exec "$top/scripts/netns-run.sh" "$0" --inside "$@"
fi
shift
exe="$1"
shift
# The server runs until its standard input closes, and says "ready PORT
# REFUSED" on its standard output once it listens.
coproc server { exec python3 "$top/tools/peers/site_server.py" --hosts 6; }
if ! read -r -t 10 -u "${server[0]}" word port refused || [ "$word" != ready ]; then
  echo "checking_e2e.sh: the loopback web server did not start" >&2
  exit 1
fi
export VELLOX_LOOPBACK_PORT="$port" VELLOX_LOOPBACK_REFUSED="$refused"
export VELLOX_WINEPREFIX="$top/build/wineprefix-checking-$("$top/scripts/wine-arch.sh")"
status=0
"$top/scripts/wine-run.sh" "$exe" --gtest_filter='Checking.*' "$@" || status=$?
WINEPREFIX="$VELLOX_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
exec {server[1]}>&-
exit $status
