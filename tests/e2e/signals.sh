#!/usr/bin/env bash
# SIGTERM at every moment of start-up, on the real launcher in an X session:
# no run may lose a stored shortcut or outlive its SIGTERM by more than a
# second. Also a FIFO in the profile's place, in the lock's place and as a
# shortcut's target (stored and handed over), and a lock kept by a live
# process: start-up must not block, and SIGTERM must still end the program.
#
#   bash tests/e2e/signals.sh [BUILD_DIR]      (SIGNALS_ROUNDS=N, default 2)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
session_start signals "${1:-build-tests}"

stored=$'[Tessaflow]\n0=http://one.example/|one||\n1=http://two.example/|two||\n'

# term_within SECONDS: sends SIGTERM and reaps the launcher; false if it was
# still running SECONDS later (it is then killed).
term_within() {
  kill -TERM "$app_pid" 2>/dev/null || true
  if ! wait_for "$1" eval "! alive $app_pid"; then
    kill -KILL "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    return 1
  fi
  wait "$app_pid" 2>/dev/null || true
}

rounds=${SIGNALS_ROUNDS:-2}
for ((round = 1; round <= rounds; round++)); do
  for ((ms = 0; ms <= 100; ms += 4)); do
    printf '%s' "$stored" >"$ini"
    launch
    sleep "$(printf '0.%03d' "$ms")"
    if ! term_within 1; then
      failed "SIGTERM ${ms} ms after start: still running a second later"
    elif (($(entry_count) != 2)); then
      failed "SIGTERM ${ms} ms after start: $(entry_count) of 2 shortcuts left"
    else
      pass
    fi
  done
done
say "SIGTERM 0-100 ms after start, $rounds rounds: done"

# Fully started: the usual save, and the end.
printf '%s' "$stored" >"$ini"
launch
if ! wait_for 10 started; then
  failed "the launcher did not finish starting"
  term_within 1 || true
elif ! term_within 1; then
  failed "SIGTERM after start-up: still running a second later"
elif (($(entry_count) != 2)) || ! grep -q '^Arrange=' "$ini"; then
  failed "SIGTERM after start-up: the profile was not saved whole"
else
  pass
fi

# A FIFO as the profile: never opened, reported, never replaced.
rm -f "$ini"
mkfifo "$ini"
log_from=$(($(wc -l <"$tmp/tessaflow.log") + 1))
launch
if ! wait_for 10 started; then
  failed "start-up blocked on a FIFO profile"
  term_within 1 || true
elif ! term_within 1; then
  failed "SIGTERM with a FIFO profile: still running a second later"
elif [[ ! -p $ini ]]; then
  failed "the FIFO profile was replaced"
elif ! tail -n +"$log_from" "$tmp/tessaflow.log" | grep -q 'not a regular file'; then
  failed "no reason on standard error: $(tail -n 3 "$tmp/tessaflow.log")"
else
  pass
fi

# starts_and_ends SECONDS WHAT PATTERN [COMMAND...]: the launcher finishes
# starting, COMMAND (if any) succeeds, SIGTERM ends it within SECONDS, and
# PATTERN (if not empty) is on its standard error; false, counted, if not.
starts_and_ends() {
  local seconds=$1 what=$2 pattern=$3 from
  shift 3
  from=$(($(wc -l <"$tmp/tessaflow.log") + 1))
  launch
  if ! wait_for 10 started; then
    failed "$what: start-up blocked"
  elif (($# > 0)) && ! "$@" >>"$tmp/tessaflow.log" 2>&1; then
    failed "$what: '$*' failed or blocked"
  elif ! term_within "$seconds"; then
    failed "$what: still running $seconds s after SIGTERM"
    return 1
  elif [[ -n $pattern ]] && ! tail -n +"$from" "$tmp/tessaflow.log" | grep -q "$pattern"; then
    failed "$what: no reason on standard error: $(tail -n 2 "$tmp/tessaflow.log")"
    return 1
  else
    return 0
  fi
  term_within 1 || true
  return 1
}

# A lock kept by a live process: the save on SIGTERM gives up after a
# moment, says why, and the profile stays as it was.
rm -f "$ini"
printf '%s' "$stored" >"$ini"
sleep 60 &
holder=$!
printf '%s\nsleep\n%s\n' "$holder" "$(hostname)" >"$ini.lock"
if starts_and_ends 2 "the lock kept by a live process" 'another program keeps it locked'; then
  cmp -s "$ini" <(printf '%s' "$stored") && pass || failed "the profile changed while another program held its lock"
fi
stop "$holder"
rm -f "$ini.lock"

mkfifo "$ini.lock"
starts_and_ends 1 "a FIFO as the lock" 'tsw.ini.lock is in the way of its lock: it is a FIFO' && pass
rm -f "$ini.lock"

# A FIFO with an execute bit as a target, stored and handed over: never
# opened to see whether it is a program.
mkfifo -m 755 "$tmp/pipe"
printf '[Tessaflow]\n0=%s|pipe||\n' "$tmp/pipe" >"$ini"
if starts_and_ends 1 "a FIFO as a target" '' timeout 10 "$app" "$tmp/pipe"; then
  (($(entry_count) == 2)) && pass || failed "the FIFO shortcuts were not kept: $(entry_count) of 2"
fi

session_end
