# What every step in tests/e2e/steps/ shares: a private X session
# (session.sh), a profile written by the step itself, the launcher started on
# it, and helpers that drive and read its windows (desktop.sh). Sourced.
#
#   step_start NUMBER "WHAT IT CHECKS" [BUILD_DIR]
#
# A step stops at its first failure (fail: screenshot, profile and the
# launcher's last lines on standard error) and ends with step_end.
# Screenshots go to $E2E_SHOTS (default BUILD_DIR/e2e-shots) as stepN-*.png;
# E2E_KEEP=1 keeps the temporary folder after a pass.

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/../session.sh"
source "$here/../desktop.sh"

title='Tessaflow by tessaflow.org - v1.1.0'
step=''
source_pid=''

step_start() {
  step=$1
  local what=$2
  session_start "step$step" "${3:-build-tests}"
  # Errexit is off in the trap: the `(exit $status)` that hands the step's status on would end it before
  # the cleanup, leaving the launcher and the X server running after a failure.
  trap 'status=$?; set +e; stop "$source_pid"; (exit $status); session_cleanup' EXIT
  for tool in xwininfo import convert; do
    command -v "$tool" >/dev/null 2>&1 || die "missing $tool (run scripts/deps.sh)"
  done
  dragsource_bin=$build/tests/e2e/tessaflow_dragsource
  droptarget_bin=$build/tests/e2e/tessaflow_droptarget
  [[ -x $dragsource_bin && -x $droptarget_bin ]] ||
    die "no tessaflow_dragsource/tessaflow_droptarget in $build/tests/e2e (configure with -DTESSAFLOW_TESTS=ON)"
  shots=${E2E_SHOTS:-$build/e2e-shots}
  mkdir -p "$shots"
  shots=$(cd "$shots" && pwd)
  rm -f "$shots/step$step"-*.png
  mkdir -p "$tmp/files"
  record_opener
  say "step $step: $what (display $DISPLAY, profile $ini)"
}

shot() { import -window root "$shots/step$step-$1.png" 2>/dev/null || true; }

fail() {
  printf 'step%s: FAILED: %s\n' "$step" "$*" >&2
  shot failed
  if [[ -f $ini ]]; then
    echo "--- tsw.ini (non-empty entries) ---" >&2
    tr -d '\r' <"$ini" | grep -v '^[0-9]*=$' >&2 || true
  fi
  if [[ -s $tmp/tessaflow.log ]]; then
    echo "--- tessaflow output (last lines) ---" >&2
    tail -n 20 "$tmp/tessaflow.log" >&2
  fi
  say "screenshots in $shots"
  exit 1
}

ok() {
  pass
  say "ok - $*"
}

step_end() { session_end; }

# write_profile LINE...: the profile the step starts from, with CR LF line
# ends as the launcher writes it.
write_profile() { printf '%s\r\n' '[Tessaflow]' "$@" >"$ini"; }

# A file in $tmp/files (for the launcher to add or open): make_file NAME.
make_file() { echo "${1%.*}" >"$tmp/files/$1"; }

# Starts the launcher, waits for its window ($win) and its tray icon
# ($tray_icon, $tw x $th): without the icon, minimising leaves the window
# minimised, and the icon is told apart from pop-ups by it.
start_window() {
  launch
  find_titled 10 "$app_pid" "$title" || fail "no window titled \"$title\" within 10 s"
  win=$found
  wait_for 5 find_tray_icon || fail "no tray icon of class tessaflow inside trayer's panel"
  read -r _ _ tw th _ <<<"$(geom "$tray_icon")"
}
