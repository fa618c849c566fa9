#!/usr/bin/env bash
# Times the import of the same generated Netscape bookmark files by
# vellox-cli and by buku (Debian's Python bookmark manager, installed here
# when missing) in one run, and prints the ratio. Both start from an empty
# list or database and save it.
#   scripts/bench-peers.sh [LINKS...]     (default: 1000 10000 60000)
# vellox-cli and bookmarkgen come from the native release tree of
# scripts/build.sh release (build/release; VELLOX_RELEASE_BUILD names
# another folder).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export VELLOX_RELEASE_BUILD="${VELLOX_RELEASE_BUILD:-$top/build/release}"
build="$VELLOX_RELEASE_BUILD"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1000 10000 60000)

if ! command -v buku >/dev/null 2>&1; then
  echo "bench-peers: installing buku"
  as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }
  export DEBIAN_FRONTEND=noninteractive
  as_root apt-get update -qq
  as_root apt-get install -y -qq --no-install-recommends buku >/dev/null
fi

"$top/scripts/deps.sh"
"$top/scripts/build.sh" release >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
now() { date +%s.%N; }
seconds() { echo "$2 - $1" | bc -l; }

printf '%-8s %10s %12s %12s %10s\n' links MB vellox-cli buku ratio
for n in "${sizes[@]}"; do
  file="$work/bookmarks-$n.html"
  "$build/bin/bookmarkgen" netscape "$n" "$file" >/dev/null
  mb=$(echo "$(stat -c %s "$file") / 1000000" | bc -l)

  # The best of three runs for vellox-cli; buku once (it takes seconds).
  best=""
  for run in 1 2 3; do
    rm -f "$work/list.bkl"
    start=$(now)
    "$build/bin/vellox-cli" import netscape "$file" "$work/list.bkl" >/dev/null
    t=$(seconds "$start" "$(now)")
    if [ -z "$best" ] || [ "$(echo "$t < $best" | bc -l)" = 1 ]; then best=$t; fi
  done

  rm -rf "$work/buku"
  mkdir -p "$work/buku"
  start=$(now)
  # buku asks whether to add tags; "n" to every question.
  yes n | XDG_DATA_HOME="$work/buku" buku --nostdin --tacit -i "$file" >/dev/null 2>&1 || true
  peer=$(seconds "$start" "$(now)")
  imported=$(sqlite3 "$work/buku/buku/bookmarks.db" "SELECT COUNT(*) FROM bookmarks" 2>/dev/null || echo "?")

  printf '%-8s %10.1f %10.3f s %10.3f s %9.0fx   (buku kept %s bookmarks)\n' \
    "$n" "$mb" "$best" "$peer" "$(echo "$peer / $best" | bc -l)" "$imported"
done
