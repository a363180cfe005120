# A private X session (Xvfb, openbox, trayer) for the end-to-end checks of
# the real launcher (the steps in steps/, signals.sh, crash.sh, tray.sh,
# a11y.sh, keys.sh). Sourced; sets $build, $tmp, $app (a copy of the launcher
# in $tmp/app) and $ini beside it.
#
#   session_start NAME [BUILD_DIR]
#
# E2E_SCREEN (default 1024x768x24) is the size of the X screen; a step may
# split it into monitors with `xrandr --setmonitor` (steps/23-pointer-monitor).
#
# Each check counts with pass/failed and ends with session_end, which prints
# "N passed, N failed" and exits non-zero after any failure.

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
name=''
passed=0 failed=0
xvfb_pid='' wm_pid='' tray_pid='' app_pid=''
# Other processes a script starts (a session bus, stand-ins), stopped at the end.
extra_pids=()

say() { printf '%s: %s\n' "$name" "$*"; }
die() { printf '%s: %s\n' "$name" "$*" >&2; exit 1; }
pass() { passed=$((passed + 1)); }
failed() { failed=$((failed + 1)); printf '%s: FAILED: %s\n' "$name" "$*" >&2; }

source "$(dirname "${BASH_SOURCE[0]}")/poll.sh"

session_cleanup() {
  local status=$?
  trap - EXIT INT TERM
  stop "$app_pid"
  local pid
  for pid in "${extra_pids[@]}"; do stop "$pid"; done
  # The session's own programs end together: asked at once, then reaped.
  kill $tray_pid $wm_pid 2>/dev/null || true
  stop "$tray_pid"
  stop "$wm_pid"
  stop "$xvfb_pid"
  if ((status == 0)) && [[ ${E2E_KEEP:-0} != 1 ]]; then rm -rf "$tmp"; else say "kept $tmp"; fi
  exit "$status"
}

session_start() {
  name=$1
  local build_arg=${2:-build-tests}
  if [[ -d $build_arg ]]; then build=$(cd "$build_arg" && pwd)
  elif [[ -d $repo/$build_arg ]]; then build=$(cd "$repo/$build_arg" && pwd)
  else die "build folder '$build_arg' not found"; fi
  [[ -x $build/tessaflow ]] || die "no tessaflow executable in $build"
  for tool in Xvfb openbox trayer xprop xdotool; do
    command -v "$tool" >/dev/null 2>&1 || die "missing $tool (run scripts/deps.sh)"
  done

  tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaflow-$name.XXXXXX")
  trap session_cleanup EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  mkdir -p "$tmp/app" "$tmp/home" "$tmp/config" "$tmp/cache" "$tmp/runtime"
  chmod 700 "$tmp/runtime"

  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1024x768x24}" -dpi 96 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
  xvfb_pid=$!
  # Xvfb picks a free display itself and writes its number once it accepts connections.
  wait_for 10 eval '[[ -s $tmp/display ]]' || die "Xvfb did not start: $(tail -n 5 "$tmp/xvfb.log")"
  export DISPLAY=":$(head -n 1 "$tmp/display")"
  export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime XDG_STATE_HOME=$tmp/state
  export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 XAUTHORITY=/dev/null
  # Only the X tray protocol, never a desktop's status-notifier service.
  unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE QT_QPA_PLATFORMTHEME
  # A plain backdrop instead of black, for readable screenshots.
  if command -v xsetroot >/dev/null 2>&1; then xsetroot -solid '#6b7b8c' 2>/dev/null || true; fi

  # The window manager and the tray start side by side; both are up before the launcher.
  openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
  wm_pid=$!
  trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 >"$tmp/trayer.log" 2>&1 &
  tray_pid=$!
  wait_for 10 eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'" ||
    die "openbox did not start: $(tail -n 5 "$tmp/openbox.log")"
  wait_for 10 eval '[[ -n $(xdotool search --class "^trayer$" 2>/dev/null) ]]' ||
    die "trayer did not start: $(tail -n 5 "$tmp/trayer.log")"

  cp "$build/tessaflow" "$tmp/app/tessaflow"
  app=$tmp/app/tessaflow
  ini=$tmp/app/tsw.ini
}

# A stand-in desktop opener first on PATH: records each call in $open_log,
# one line per call, and succeeds.
record_opener() {
  mkdir -p "$tmp/bin"
  open_log=$tmp/xdg-open.log
  cat >"$tmp/bin/xdg-open" <<EOF
#!/bin/sh
{ printf 'argc=%d' "\$#"; for a in "\$@"; do printf ' [%s]' "\$a"; done; echo; } >>$(printf '%q' "$open_log")
EOF
  chmod +x "$tmp/bin/xdg-open"
  export PATH=$tmp/bin:$PATH
}

# Ends the launcher with SIGTERM and counts whether it ended with status 0.
end_by_sigterm() {
  local status=0
  kill -TERM "$app_pid"
  wait "$app_pid" || status=$?
  app_pid=''
  if ((status == 0)); then pass; else failed "SIGTERM ended the launcher with status $status"; fi
}

# For a session under xfwm4 (and the xfce panel): stops openbox and trayer,
# and starts a private session bus, through which xfconf hands xfwm4 its
# settings; the bus is stopped with the session.
xfce_session_bus() {
  stop "$tray_pid"
  stop "$wm_pid"
  tray_pid='' wm_pid=''
  dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" >"$tmp/bus.log" 2>&1 &
  extra_pids+=($!)
  wait_for 5 eval '[[ -s $tmp/bus ]]' || die "dbus-daemon did not start: $(cat "$tmp/bus.log")"
  export DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$tmp/bus")
}

# Starts the launcher in the background and returns once the process is the
# launcher (before exec it is a copy of this shell, with this shell's traps);
# sets $app_pid.
launch() {
  "$app" >>"$tmp/tessaflow.log" 2>&1 &
  app_pid=$!
  local tries=500
  while [[ $(readlink "/proc/$app_pid/exe" 2>/dev/null) != "$app" ]] && ((tries-- > 0)); do :; done
}

# Whether the launcher has finished starting: its title carries the version.
started() { xdotool search --onlyvisible --pid "$app_pid" --name ' - v[0-9]' >/dev/null 2>&1; }

# Numbered keys of the profile that hold an entry.
entry_count() { grep -c '^[0-9]*=.' "$ini" 2>/dev/null || true; }

session_end() {
  # Under the sanitizer build, any report from the launcher fails the check.
  if grep -q 'ERROR: AddressSanitizer\|ERROR: LeakSanitizer\|runtime error:' "$tmp/tessaflow.log" 2>/dev/null; then
    failed "sanitizer report: $(grep -m 1 'ERROR: \|runtime error:' "$tmp/tessaflow.log")"
  fi
  say "$passed passed, $failed failed"
  ((failed == 0))
}

# find_window: sets $win to the launcher's main window once it is mapped
# ("started" is told before it is).
find_window() {
  # Not the tray icon, whose name may carry the same title.
  shown_window() {
    local w width
    win=''
    for w in $(xdotool search --onlyvisible --pid "$app_pid" --name ' - v[0-9]'); do
      width=$(xwininfo -id "$w" 2>/dev/null | awk '/^ *Width:/ {print $2}')
      ((${width:-0} > 100)) && win=$w && break
    done
    [[ -n $win ]]
  }
  wait_for 10 shown_window || die "no window of the launcher within 10 s"
}
