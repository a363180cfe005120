#!/usr/bin/env bash
# Crash consistency on the real launcher: SIGKILL at random moments of the
# save that SIGTERM starts, a few dozen times. After every kill the profile is
# the complete old or the complete new file, never a cut one; temporary copies
# that a kill between write and rename leaves are complete too, and the next
# start removes them once they are a few seconds old. Every run starts from
# the profile as written by hand (no icon places), which the save rewrites
# with places: a change of the stored entries, so each save first keeps the
# old file as an earlier version in tsw.versions/, and kills land in that
# write too. Every version there is a complete old file, never a cut one.
# Then, as each launch costs a start, the profile layer's own saves in a loop
# (tests/e2e/versionsaver.cpp), each keeping a version, are killed many more
# times at random moments, with the same checks.
#
#   bash tests/e2e/crash.sh [BUILD_DIR]   (CRASH_RUNS=N, CRASH_SAVER_RUNS=N, CRASH_ENTRIES=N)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
session_start crash "${1:-build-tests}"

runs=${CRASH_RUNS:-40}
saver_runs=${CRASH_SAVER_RUNS:-200}
saver=$build/tests/e2e/tessaflow_versionsaver
[[ -x $saver ]] || die "no $saver (build the tessaflow_versionsaver target)"
count=${CRASH_ENTRIES:-1000}
{
  echo "[Tessaflow]"
  for ((i = 0; i < count; i++)); do
    echo "$i=/nowhere/a folder with a long name/document number $i.txt|document number $i with a caption||"
  done
} >"$ini"
cp "$ini" "$tmp/hand.ini"
versions=$tmp/app/tsw.versions

# Target and caption of every entry: the same in the old and the new file.
shortcuts_of() { grep '^[0-9]*=.' "$1" | cut -d'|' -f1,2; }
shortcuts_of "$ini" >"$tmp/expected"

# complete FILE: the whole profile, every shortcut in place, the last line ended.
complete() {
  [[ $(head -n 1 "$1") == "[Tessaflow]" ]] && [[ $(tail -c 1 "$1" | od -An -c | tr -d ' ') == '\n' ]] &&
    cmp -s <(shortcuts_of "$1") "$tmp/expected"
}

temporaries() { find "$tmp/app" -maxdepth 1 -name 'tsw.ini.??????' -not -name 'tsw.ini.lock'; }
# Versions being written when a kill came: cut ones may be there, never
# under a version's name.
# check_versions WHAT: each new version is a complete file (a version is
# never changed once it has its name, so each is read once).
declare -A checked=()
check_versions() {
  local v
  for v in "$versions"/*.ini; do
    [[ -e $v && -z ${checked[$v]:-} ]] || continue
    complete "$v" || { failed "$1: a cut version $v"; rm -f "$v"; }
    checked[$v]=1
  done
}
version_temporaries() { find "$versions" -maxdepth 1 -name '.new-*' 2>/dev/null; }

# How long SIGTERM takes to end the launcher: kills are spread over that time.
launch
wait_for 30 started || die "the launcher did not start"
t0=$(date +%s%N)
kill -TERM "$app_pid"
wait_for 60 eval "! alive $app_pid" || die "the launcher did not end on SIGTERM"
wait "$app_pid" || true
save_ms=$((($(date +%s%N) - t0) / 1000000 + 1))
say "$count shortcuts; SIGTERM ends the launcher in $save_ms ms; $runs kills"

left=0 cut_versions=0
for ((run = 1; run <= runs; run++)); do
  cp "$tmp/hand.ini" "$ini"
  cp "$ini" "$tmp/old.ini"
  before=$(version_temporaries | wc -l)
  launch
  if ! wait_for 30 started; then
    failed "run $run: the launcher did not start"
    kill -KILL "$app_pid"; wait "$app_pid" || true
    continue
  fi
  kill -TERM "$app_pid"
  sleep "$(printf '%d.%03d' $((RANDOM % save_ms / 1000)) $((RANDOM % save_ms % 1000)))"
  kill -KILL "$app_pid" 2>/dev/null || true
  wait "$app_pid" 2>/dev/null || true
  if cmp -s "$ini" "$tmp/old.ini"; then
    pass
  elif complete "$ini"; then
    pass
  else
    failed "run $run: the profile is neither the old nor a complete new file"
    cp "$tmp/old.ini" "$ini"
  fi
  for t in $(temporaries); do
    complete "$t" || failed "run $run: a cut temporary file $t"
    left=$((left + 1))
    rm -f "$t"
  done
  (($(version_temporaries | wc -l) > before)) && cut_versions=$((cut_versions + 1))
  check_versions "run $run"
done
kept=$(find "$versions" -maxdepth 1 -name '*.ini' | wc -l)
say "kills landed between write and rename $left time(s), in a version's write $cut_versions time(s); $kept versions kept"
# 30 kept, and one more when a kill came between a version's rename and the pruning after it.
((kept > 0 && kept <= 31)) && pass || failed "$kept versions kept, not 1 to 31"

# The saves alone, a version each, killed 10 to 99 ms after they began.
cut_versions=0
for ((run = 1; run <= saver_runs; run++)); do
  cp "$ini" "$tmp/old.ini"
  before=$(version_temporaries | wc -l)
  "$saver" "$ini" 2>>"$tmp/saver.log" &
  saver_pid=$!
  sleep "0.0$((RANDOM % 90 + 10))"
  kill -KILL "$saver_pid" 2>/dev/null || true
  wait "$saver_pid" 2>/dev/null || true
  if complete "$ini"; then
    pass
  else
    failed "saver run $run: the profile is not a complete file"
    cp "$tmp/old.ini" "$ini"
  fi
  (($(version_temporaries | wc -l) > before)) && cut_versions=$((cut_versions + 1))
  check_versions "saver run $run"
  for t in $(temporaries); do
    complete "$t" || failed "saver run $run: a cut temporary file $t"
    rm -f "$t"
  done
done
kept=$(find "$versions" -maxdepth 1 -name '*.ini' | wc -l)
say "$saver_runs kills of saves alone: $cut_versions in a version's write; $kept versions kept"
[[ ! -s $tmp/saver.log ]] && pass || failed "saves failed: $(head -n 3 "$tmp/saver.log")"
# 30 kept, and one more when a kill came between a version's rename and the pruning after it.
((kept > 0 && kept <= 31)) && pass || failed "$kept versions kept, not 1 to 31"

# Leftovers, real or (if no kill hit that moment) made here, go at the next
# start once they are a few seconds old: dated back rather than waited for.
cp "$ini" "$tmp/app/tsw.ini.Zq7Rw2"
for t in $(temporaries); do touch -d '1 minute ago' "$t"; done
launch
wait_for 30 started || failed "the launcher did not start after the kills"
if [[ -n $(temporaries) ]]; then
  failed "temporary files left after a start: $(temporaries | tr '\n' ' ')"
else
  pass
fi
kill -TERM "$app_pid"
wait_for 60 eval "! alive $app_pid" || failed "the launcher did not end on SIGTERM"
wait "$app_pid" 2>/dev/null || true
complete "$ini" && pass || failed "the last save is not complete"

session_end
