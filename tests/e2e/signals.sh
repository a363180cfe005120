#!/usr/bin/env bash
# SIGTERM at every moment of start-up, on the real launcher in an X session:
# no run may lose a stored shortcut or outlive its SIGTERM by more than a
# second. Also a FIFO in the profile's place: start-up must not block on it,
# and SIGTERM must still end the program.
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

session_end
