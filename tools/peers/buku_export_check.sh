#!/usr/bin/env bash
# Peer check of the shipped Netscape export template: a generated list,
# exported with vellox-cli, must import into buku (Debian package "buku")
# with every bookmark. Too slow for test.sh; run it by hand:
#   tools/peers/buku_export_check.sh [BUILD_DIR] [LINKS]
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
bin="${1:-$top/build/native}/bin"
links="${2:-500}"
command -v buku >/dev/null || { echo "buku is not installed (apt-get install buku)"; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$bin/bookmarkgen" netscape "$links" "$work/source.html" >/dev/null
"$bin/vellox-cli" import netscape "$work/source.html" "$work/list.bkl" >/dev/null
"$bin/vellox-cli" export "$top/src/resources/Templates/netscape.txt" "$work/list.bkl" \
  "$work/export.html" --no-smartfolders >/dev/null
exported=$(grep -c '<DT><A HREF=' "$work/export.html")
# buku keeps its database under XDG_DATA_HOME; a fresh one per run.
export XDG_DATA_HOME="$work/xdg"
mkdir -p "$XDG_DATA_HOME"
# "n" to its questions (automatic tags and the like).
yes n | buku --nostdin -i "$work/export.html" >/dev/null 2>&1 || true
imported=$(buku --nostdin -p -j 2>/dev/null | python3 -c 'import json,sys; print(len(json.load(sys.stdin)))')
unique=$(grep -o '<DT><A HREF="[^"]*"' "$work/export.html" | sort -u | wc -l)
echo "exported: $exported links ($unique distinct addresses); buku imported: $imported"
# buku keeps one bookmark per address.
[ "$imported" -eq "$unique" ]
