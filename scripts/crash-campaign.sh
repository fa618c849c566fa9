#!/usr/bin/env bash
# The crash campaign: kills the real program at random moments while it
# saves a large list, and checks after each kill that the list file holds its
# old or its new content, that its recent backup (when the save got that far)
# is a whole copy of the old file, and that where the kill left a "~" file,
# a save right after it succeeds and leaves none behind.
#   natively   vellox-cli save (the program's own save) of a list of 20,000
#              bookmarks, killed with SIGKILL between its "saving:" line and
#              1.2 times a whole save's length later
#   under Wine VelloxFl.exe saving a list of 10,000 bookmarks by its Save
#              command, terminated at a random moment (the end-to-end test
#              CrashCampaign with VELLOX_CRASH_KILLS set)
# Usage: scripts/crash-campaign.sh [--native N] [--wine N] [--bookmarks N]
#                                  [--cli PATH] [--bookmarkgen PATH] [--seed N]
# Defaults: 800 kills natively and 200 under Wine, 1,000 in all. Ends with
# "crash campaign: N kills, N damaged"; exits 1 when any list was damaged.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

native_kills=800
wine_kills=200
bookmarks=20000
# The release tree's tools when they are built (a kill campaign is
# thousands of process starts), else the native tree's.
tools="$top/build/release/bin"
[ -x "$tools/vellox-cli" ] || tools="$top/build/native/bin"
cli="$tools/vellox-cli"
generator="$tools/bookmarkgen"
seed=$(( $(date +%s) % 32768 ))
while [ $# -gt 0 ]; do
  case "$1" in
    --native) native_kills="$2" ;;
    --wine) wine_kills="$2" ;;
    --bookmarks) bookmarks="$2" ;;
    --cli) cli="$2" ;;
    --bookmarkgen) generator="$2" ;;
    --seed) seed="$2" ;;
    *) sed -n '2,18p' "$0" >&2; exit 2 ;;
  esac
  shift 2
done

damaged=0
kills=0
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# ---- Natively, through vellox-cli ------------------------------------------
now_us() { local t="${EPOCHREALTIME/./}"; echo "$((10#$t))"; }

# Starts a save of L.bkl with its stdout on fd 3; returns once it printed
# its "saving:" line (the save starts right after it).
start_save() {
  rm -f "$work/out"
  mkfifo "$work/out"
  "$cli" save "$work/L.bkl" --touch " (saved)" >"$work/out" &
  saver=$!
  exec 3<"$work/out"
  local line=""
  IFS= read -r line <&3 || true
  [[ "$line" == saving:* ]]
}

reset_list() {
  cp "$work/old.bkl" "$work/L.bkl"
  rm -f "$work/Autobackup of L.bkl" "$work/Autobackup (older) of L.bkl" \
    "$work/Autobackup (oldest) of L.bkl" "$work"/~*
}

temporary_files() { compgen -G "$work/~*" >/dev/null; }

# old, new, damaged (the list) or damaged-backup (the recent backup cut
# short), after a kill.
outcome() {
  local recent="$work/Autobackup of L.bkl"
  if [ -f "$recent" ] && ! cmp -s "$recent" "$work/old.bkl"; then echo damaged-backup; return; fi
  if cmp -s "$work/L.bkl" "$work/old.bkl"; then echo old
  elif cmp -s "$work/L.bkl" "$work/new.bkl"; then echo new
  else echo damaged
  fi
}

run_native() {
  "$generator" netscape "$bookmarks" "$work/links.html" --seed 7 >/dev/null
  "$cli" new "$work/old.bkl" >/dev/null
  "$cli" import netscape "$work/links.html" "$work/old.bkl" >/dev/null

  # The new content, and how long a whole save takes: from the "saving:"
  # line to the "result:" line, the longest of three.
  local save_us=0 i started ended line
  for i in 1 2 3; do
    reset_list
    start_save || { echo "crash-campaign: vellox-cli save did not start" >&2; return 1; }
    started=$(now_us)
    IFS= read -r line <&3 || true
    ended=$(now_us)
    wait "$saver"
    exec 3<&-
    [ "$line" = "result: Saved" ] || { echo "crash-campaign: vellox-cli save failed: $line" >&2; return 1; }
    if ((ended - started > save_us)); then save_us=$((ended - started)); fi
  done
  cp "$work/L.bkl" "$work/new.bkl"
  cmp -s "$work/new.bkl" "$work/old.bkl" && { echo "crash-campaign: the save changed nothing" >&2; return 1; }

  RANDOM=$seed
  local old=0 new=0 bad=0 leftovers=0 tripped=0 kill wait_us result
  for ((kill = 0; kill < native_kills; kill++)); do
    reset_list
    start_save || { echo "crash-campaign: vellox-cli save did not start" >&2; return 1; }
    wait_us=$(( ((RANDOM << 15 | RANDOM) * save_us * 12 / 10) >> 30 ))
    sleep "$(printf '%d.%06d' $((wait_us / 1000000)) $((wait_us % 1000000)))"
    kill -9 "$saver" 2>/dev/null || true
    wait "$saver" 2>/dev/null || true
    exec 3<&-
    result=$(outcome)
    case "$result" in
      old) old=$((old + 1)) ;;
      new) new=$((new + 1)) ;;
      damaged-backup) bad=$((bad + 1))
         echo "crash-campaign: kill $kill after ${wait_us} us left the recent backup cut short" >&2 ;;
      *) bad=$((bad + 1)); echo "crash-campaign: kill $kill after ${wait_us} us damaged the list" >&2 ;;
    esac
    # The next save must not trip over what the kill left.
    if temporary_files; then
      leftovers=$((leftovers + 1))
      if ! "$cli" save "$work/L.bkl" >/dev/null || temporary_files; then
        tripped=$((tripped + 1))
        echo "crash-campaign: the save after kill $kill failed or left a temporary file" >&2
      fi
    fi
  done
  echo "crash campaign natively: $native_kills kills, $old old, $new new, $bad damaged," \
    "$leftovers left a temporary file, $tripped saves after a kill failed," \
    "$bookmarks bookmarks, save $((save_us / 1000)) ms, seed $seed"
  kills=$((kills + native_kills))
  damaged=$((damaged + bad + tripped))
}

# ---- Under Wine, through VelloxFl.exe -----------------------------------------
run_wine() {
  local tree="$top/build/$("$top/scripts/wine-arch.sh")"
  local e2e="$tree/bin/vellox_e2e.exe"
  [ -f "$e2e" ] || { echo "crash-campaign: build $e2e first (scripts/build.sh)" >&2; return 1; }
  local log
  log="$(mktemp)"
  VELLOX_CRASH_KILLS="$wine_kills" "$top/scripts/wine-run.sh" "$e2e" \
    --gtest_filter=CrashCampaign.* >"$log" 2>&1 || true
  local line
  line="$(tr -d '\r' <"$log" | grep '^crash campaign under Wine:' || true)"
  if [ -z "$line" ] || ! tr -d '\r' <"$log" | grep -q '^\[  PASSED  \] 1 test'; then
    tr -d '\r' <"$log" | tail -40 >&2
    echo "crash-campaign: the Wine run failed" >&2
    damaged=$((damaged + 1))
  fi
  [ -n "$line" ] && echo "$line"
  rm -f "$log"
  kills=$((kills + wine_kills))
  local bad
  bad="$(sed -n 's/.* \([0-9]*\) damaged.*/\1/p' <<<"$line")"
  damaged=$((damaged + ${bad:-0}))
}

[ "$native_kills" -gt 0 ] && run_native
[ "$wine_kills" -gt 0 ] && run_wine
echo "crash campaign: $kills kills, $damaged damaged"
[ "$damaged" -eq 0 ]
