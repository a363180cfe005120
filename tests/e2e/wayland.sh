#!/usr/bin/env bash
# The real launcher in a Wayland session: weston and Qt's wayland platform.
# weston runs on its X11 back-end inside a private Xvfb, which gives it a
# seat: the window can hold the keyboard, as on a desktop. A start with a
# file, a second start that hands its file over, --toggle putting the window
# away and bringing it back, SIGTERM that saves; the stored Top and Left,
# which a Wayland client cannot know, come out as they went in, and a profile
# without them gets none. Ends with "N passed, N failed".
#
#   bash tests/e2e/wayland.sh [BUILD_DIR]
#
# WAYLAND_SHOT=FILE: a screenshot of the session (weston's own screenshooter,
# which needs its pixman renderer and debug protocols) goes to FILE.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
name=wayland
passed=0 failed=0
xvfb_pid='' weston_pid='' app_pid=''
say() { printf '%s: %s\n' "$name" "$*"; }
die() { printf '%s: %s\n' "$name" "$*" >&2; exit 1; }
check() {
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); say "ok - $what"
  else failed=$((failed + 1)); printf '%s: FAILED: %s\n' "$name" "$what" >&2; fi
}
source "$repo/tests/e2e/poll.sh"

build_arg=${1:-build-tests}
if [[ -d $build_arg ]]; then build=$(cd "$build_arg" && pwd)
elif [[ -d $repo/$build_arg ]]; then build=$(cd "$repo/$build_arg" && pwd)
else die "build folder '$build_arg' not found"; fi
[[ -x $build/tessaflow ]] || die "no tessaflow executable in $build"
for tool in weston Xvfb; do
  command -v "$tool" >/dev/null 2>&1 || die "missing $tool (run scripts/deps.sh)"
done
[[ -n $(find /usr/lib -path '*qt6/plugins/platforms/libqwayland-generic.so' -print -quit 2>/dev/null) ]] ||
  die "missing Qt's wayland platform (run scripts/deps.sh: qt6-wayland)"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaflow-wayland.XXXXXX")
cleanup() {
  local status=$?
  trap - EXIT INT TERM
  stop "$app_pid"
  stop "$weston_pid"
  stop "$xvfb_pid"
  if ((status == 0)); then rm -rf "$tmp"; else say "kept $tmp"; fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
mkdir -p "$tmp/app" "$tmp/files" "$tmp/home" "$tmp/config" "$tmp/cache" "$tmp/runtime"
chmod 700 "$tmp/runtime"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime
export QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=tessaflow-wayland LC_ALL=C.UTF-8
unset DISPLAY DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP XDG_SESSION_TYPE QT_QPA_PLATFORMTHEME

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
wait_for 10 eval '[[ -s $tmp/display ]]' || die "Xvfb did not start: $(tail -n 5 "$tmp/xvfb.log")"
debug=()
[[ -z ${WAYLAND_SHOT:-} ]] || debug=(--debug)
DISPLAY=":$(head -n 1 "$tmp/display")" XAUTHORITY=/dev/null weston --backend=x11-backend.so --use-pixman "${debug[@]}" \
  --socket="$WAYLAND_DISPLAY" --width=800 --height=600 >"$tmp/weston.log" 2>&1 &
weston_pid=$!
wait_for 10 eval '[[ -S $XDG_RUNTIME_DIR/$WAYLAND_DISPLAY ]]' || die "weston did not start: $(tail -n 5 "$tmp/weston.log")"

cp "$build/tessaflow" "$tmp/app/tessaflow"
app=$tmp/app/tessaflow
ini=$tmp/app/tsw.ini
profile() { tr -d '\r' <"$ini" 2>/dev/null; }
holds() { profile | grep -qxF -- "$1"; }
saved() { profile | grep -q "^[0-9]*=$1|"; }
for f in one two three; do echo "$f" >"$tmp/files/$f.txt"; done

# run FILE: starts the launcher with FILE and waits until it has saved it,
# which it does once its window is up.
run() {
  "$app" "$1" >>"$tmp/tessaflow.log" 2>&1 &
  app_pid=$!
  wait_for 10 saved "$1" || die "the launcher did not start and add $1: $(tail -n 5 "$tmp/tessaflow.log")"
}
# end: SIGTERM, which saves; sets $status. One that never ends fails the run
# (killed: 137) rather than holding it up.
end() {
  kill -TERM "$app_pid"
  wait_for 10 eval '! alive $app_pid' || { say "no end 10 s after SIGTERM: killed"; kill -9 "$app_pid"; }
  status=0
  wait "$app_pid" || status=$?
  app_pid=''
}

printf '[Tessaflow]\r\nTop=1500\r\nLeft=2250\r\nHeight=3600\r\nWidth=5400\r\n' >"$ini"
# The client's side of the protocol, logged by libwayland, shows where the
# window is: put away (minimised, or its toplevel gone) or holding the keyboard.
WAYLAND_DEBUG=client run "$tmp/files/one.txt"
check "started on Wayland and added its argument" saved "$tmp/files/one.txt"

second=0
timeout 20 "$app" "$tmp/files/two.txt" >"$tmp/second.log" 2>&1 || second=$?
check "a second start hands over and ends with status 0 ($second)" eval '((second == 0))'
check "the running copy added the second start's argument" wait_for 5 saved "$tmp/files/two.txt"

# The protocol lines since line $1 of the log: those of one --toggle.
since() { tail -n "+$1" "$tmp/tessaflow.log"; }
keyboard() { since 1 | grep -oE 'wl_keyboard@[0-9]+\.(enter|leave)' | tail -n 1 | sed 's/.*\.//'; }
away() { since "$1" | grep -qE 'xdg_toplevel@[0-9]+\.(set_minimized|destroy)\(' && [[ $(keyboard) == leave ]]; }
back() { since "$1" | grep -qE 'wl_keyboard@[0-9]+\.enter' && [[ $(keyboard) == enter ]]; }
copies() { pgrep -f -- "^$app( |\$)" | tr '\n' ' ' | sed 's/ $//'; }
toggle() {
  mark=$(($(wc -l <"$tmp/tessaflow.log") + 1))
  toggled=0
  timeout 20 "$app" --toggle >>"$tmp/toggle.log" 2>&1 || toggled=$?
}
check "the window holds the keyboard before --toggle" wait_for 5 eval '[[ $(keyboard) == enter ]]'
toggle
check "--toggle ends with status 0 ($toggled)" eval '((toggled == 0))'
check "--toggle puts the active window away" wait_for 5 away "$mark"
toggle
check "--toggle again ends with status 0 ($toggled)" eval '((toggled == 0))'
check "--toggle brings it back with the keyboard" wait_for 5 back "$mark"
check "the running copy stays the only one ($(copies))" eval '[[ $(copies) == "$app_pid" ]]'

if [[ -n ${WAYLAND_SHOT:-} ]]; then
  sleep 1 # past the compositor's animations
  (cd "$tmp" && timeout 10 weston-screenshooter >/dev/null 2>&1) || say "weston-screenshooter failed"
  shot=$(find "$tmp" -maxdepth 1 -name 'wayland-screenshot-*.png' -print -quit)
  [[ -n $shot ]] && cp "$shot" "$WAYLAND_SHOT"
fi

end
check "SIGTERM ends it with status 0 ($status)" eval '((status == 0))'
check "the stored position survives: $(profile | grep -E '^(Top|Left)=' | tr '\n' ' ')" eval 'holds Top=1500 && holds Left=2250'
check "the size is saved" eval 'profile | grep -q "^Height=[0-9]" && profile | grep -q "^Width=[0-9]"'
check "both shortcuts were saved at the end" eval 'saved "$tmp/files/one.txt" && saved "$tmp/files/two.txt"'

# A profile without a position gets none: the window never knew one.
printf '[Tessaflow]\r\nHeight=3600\r\nWidth=5400\r\n' >"$ini"
run "$tmp/files/three.txt"
end
check "no position is made up for a profile without one ($(profile | grep -E '^(Top|Left)=' | tr '\n' ' '))" \
  eval '! profile | grep -qiE "^(Top|Left)="'

say "$passed passed, $failed failed"
((failed == 0))
