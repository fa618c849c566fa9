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
ready="$(mktemp)"
trap 'rm -f "$ready"' EXIT
# The server runs until its standard input (descriptor 3 here) closes.
exec 3> >(exec python3 "$top/tools/peers/site_server.py" --hosts 6 >"$ready")
for _ in $(seq 1 100); do
  grep -q '^ready ' "$ready" && break
  sleep 0.1
done
read -r _ port refused <"$ready"
export VELLOX_LOOPBACK_PORT="$port" VELLOX_LOOPBACK_REFUSED="$refused"
export VELLOX_WINEPREFIX="$top/build/wineprefix-checking-$("$top/scripts/wine-arch.sh")"
status=0
"$top/scripts/wine-run.sh" "$exe" --gtest_filter='Checking.*' "$@" || status=$?
WINEPREFIX="$VELLOX_WINEPREFIX" wineserver -k >/dev/null 2>&1 || true
exec 3>&-
exit $status
