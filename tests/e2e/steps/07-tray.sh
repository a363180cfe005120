#!/usr/bin/env bash
# Minimising withdraws the window (no WM_STATE); a click on the tray icon
# maps it again in normal state.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 7 "minimise, then click the tray icon" "${1:-build-tests}"

make_file alpha.txt
write_profile Arrange=0 SView=1 "0=$tmp/files/alpha.txt|alpha.txt|15|0" "1=http://example.org|example.org|2415|0"
start_window
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window is not withdrawn: $(geom "$win"), $(xprop -id "$win" WM_STATE 2>&1 | tr '\n' ' ')"
shot hidden
ok "window withdrawn (unmapped, no WM_STATE)"
tray_click 1
wait_for 5 shown || fail "the window was not restored: $(geom "$win")"
shot restored
ok "window mapped again in normal state"
step_end
