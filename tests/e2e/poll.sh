# Polling and stopping helpers shared by the end-to-end scripts. Sourced.

# alive PID: the process exists and is not a zombie.
alive() { [[ -e /proc/$1 ]] && [[ $(awk '/^State:/{print $2}' "/proc/$1/status" 2>/dev/null) != Z ]]; }

# wait_for SECONDS COMMAND...: polls COMMAND every 10 ms until it succeeds,
# for SECONDS of the clock however long each try takes; once more at the end.
wait_for() {
  local deadline=$((${EPOCHREALTIME//[.,]/} + $1 * 1000000))
  shift
  while ((${EPOCHREALTIME//[.,]/} < deadline)); do
    "$@" && return 0
    sleep 0.01
  done
  "$@"
}

# stop PID: asks the process to end, kills it after 2 s, and reaps it.
stop() {
  local pid=$1
  [[ -n $pid ]] || return 0
  kill "$pid" 2>/dev/null || true
  wait_for 2 eval "! alive $pid" || kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
