#!/usr/bin/env bash
# Crash consistency of merges on the real launcher: while it runs, another
# program replaces tsw.ini with a shortcut more and a sync tool leaves a
# conflict copy with another one beside it; the launcher merges both, saves
# and puts the copy away as a kept version. SIGKILL lands at random moments
# of that, a few hundred times. After every kill the profile is complete and
# holds at least every shortcut of the replaced file, and the copy's shortcut
# is somewhere whole: in the profile, in the copy still there, or in a kept
# version. No file beside it is cut.
#
#   bash tests/e2e/merge-crash.sh [BUILD_DIR]   (MERGE_CRASH_RUNS=N, MERGE_CRASH_ENTRIES=N)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
session_start merge-crash "${1:-build-tests}"

runs=${MERGE_CRASH_RUNS:-200}
count=${MERGE_CRASH_ENTRIES:-300}
entries_of() {
  echo "[Tessaflow]"
  for ((i = 0; i < count; i++)); do
    echo "$i=/nowhere/a folder with a long name/document number $i.txt|document number $i||"
  done
  local n=$count
  for extra in "$@"; do echo "$n=/nowhere/$extra.txt|$extra||"; n=$((n + 1)); done
}
entries_of >"$tmp/old.ini"
entries_of theirs >"$tmp/theirs.ini"
entries_of copied >"$tmp/copy.ini"
copy=$tmp/app/tsw.sync-conflict-20261211-001122-ABCDEFG.ini

# Target and caption of every entry.
shortcuts_of() { grep '^[0-9]*=.' "$1" | tr -d '\r' | cut -d'|' -f1,2 | cut -d= -f2- | sort; }
shortcuts_of "$tmp/theirs.ini" >"$tmp/must"
# complete FILE: a whole profile, its last line ended.
complete() {
  [[ $(head -n 1 "$1" | tr -d '\r') == "[Tessaflow]" ]] && [[ $(tail -c 1 "$1" | od -An -c | tr -d ' ') == '\n' ]]
}
holds() { grep -q "|$2|" "$1" 2>/dev/null; }
kept_versions() { find "$tmp/app/tsw.versions" "$tmp/app" -maxdepth 1 \( -name '*-other.ini' -o -name 'tsw.ini.bak*' \) 2>/dev/null; }

# One run: the launcher started on the old file, the two changes made, and
# SIGKILL after `$1` ms (none: waits for the merge to end). Sets $outcome.
run_once() {
  cp "$tmp/old.ini" "$ini"
  rm -rf "$copy" "$tmp"/app/tsw.ini.bak* "$tmp/app/tsw.versions"
  launch
  if ! wait_for 30 started; then
    failed "the launcher did not start"
    kill -KILL "$app_pid"; wait "$app_pid" || true
    return 1
  fi
  cp "$tmp/theirs.ini" "$tmp/app/.incoming" && mv "$tmp/app/.incoming" "$ini"
  cp "$tmp/copy.ini" "$tmp/app/.incoming" && mv "$tmp/app/.incoming" "$copy"
  if [[ -z ${1:-} ]]; then
    wait_for 10 eval '[[ ! -e $copy ]] && holds "$ini" copied' || failed "the conflict copy was not merged within 10 s"
    kill -TERM "$app_pid"
    wait "$app_pid" 2>/dev/null || true
  else
    sleep "$(printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000)))"
    kill -KILL "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  check
}

check() {
  if ! complete "$ini"; then
    failed "a cut profile"; outcome=bad; return
  fi
  if ! comm -23 "$tmp/must" <(shortcuts_of "$ini") | { ! grep -q .; }; then
    failed "shortcuts of the replaced file lost: $(comm -23 "$tmp/must" <(shortcuts_of "$ini") | head -3 | tr '\n' ' ')"
    outcome=bad; return
  fi
  local where=0
  holds "$ini" copied && where=1
  [[ -e $copy ]] && cmp -s "$copy" "$tmp/copy.ini" && where=1
  for v in $(kept_versions); do
    complete "$v" || { failed "a cut kept version $v"; outcome=bad; return; }
    cmp -s "$v" "$tmp/copy.ini" && where=1
  done
  ((where)) || { failed "the conflict copy's shortcut is nowhere"; outcome=bad; return; }
  # Which moment the kill hit: before the merge, inside it, after it.
  if [[ -e $copy ]] && ! holds "$ini" copied && [[ -z $(kept_versions) ]]; then
    outcome=before
  elif [[ ! -e $copy ]] && holds "$ini" copied; then
    outcome=after
  else
    outcome=during
  fi
  pass
}

# How long a merge takes from the change: kills are spread around it.
t0=$(date +%s%N)
run_once
merge_ms=$((($(date +%s%N) - t0) / 1000000))
launch_and_merge_ms=$merge_ms
say "$count shortcuts; started and merged in $launch_and_merge_ms ms; $runs kills"
# The merge waits for the changes to settle (200 ms), then reads, merges and
# saves: the kills land from 180 ms after the change to a little past that.
declare -A outcomes=()
for ((run = 1; run <= runs; run++)); do
  outcome=none
  run_once $((180 + RANDOM % 200)) || true
  outcomes[$outcome]=$((${outcomes[$outcome]:-0} + 1))
done
say "kills before the merge ${outcomes[before]:-0}, during it ${outcomes[during]:-0}, after it ${outcomes[after]:-0}, failed ${outcomes[bad]:-0}"
((${outcomes[during]:-0} + ${outcomes[after]:-0} > 0)) || failed "no kill landed in or after a merge"

session_end
