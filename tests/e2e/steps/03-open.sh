#!/usr/bin/env bash
# A double-click runs the desktop opener once with the first target (the
# stand-in xdg-open first on PATH records its arguments).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 3 "double-click the first shortcut" "${1:-build-tests}"

make_file alpha.txt
make_file "beta notes.txt"
file1=$tmp/files/alpha.txt
write_profile Arrange=0 SView=0 "0=$file1|alpha.txt|15|0" "1=$tmp/files/beta notes.txt|beta notes.txt|1215|0"
start_window
icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click --repeat 2 --delay 80 1
opened() { [[ -s $open_log ]]; }
wait_for 5 opened || fail "xdg-open was not run within 5 s"
# A second run would have been started by the time the launcher has handled
# the clicks (the context menu that follows them is up) and would have
# written its line once no stand-in opener runs any more.
handled_input
wait_for 5 eval '[[ -z $(pgrep -f -- "$tmp/bin/xdg-open") ]]' || fail "the stand-in opener is still running"
expected_open="argc=1 [$file1]"
if [[ $(cat "$open_log") != "$expected_open" ]]; then
  fail "xdg-open got \"$(tr '\n' '/' <"$open_log")\", expected \"$expected_open\" once"
fi
shot open
ok "xdg-open ran once with $file1"
step_end
