#!/usr/bin/env bash
# "Start at Login" in the tray menu writes a valid
# $XDG_CONFIG_HOME/autostart/tessaflow.desktop starting this copy with
# --minimized, and the second time removes it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 14 "Start at Login in the tray menu, on and off" "${1:-build-tests}"

write_profile Arrange=0 SView=1 "0=http://example.org|example.org|15|0"
start_window
login_entry=$XDG_CONFIG_HOME/autostart/tessaflow.desktop
open_popup "tray menu (login on)" mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 3
xdotool key l
login_on() { [[ -f $login_entry ]]; }
wait_for 5 login_on || fail "no $login_entry"
# The menu's grab goes a moment after the menu itself; X tells no other client when.
sleep 0.5
grep -qxF "Exec=$app --minimized" "$login_entry" || fail "the entry's Exec: $(grep Exec "$login_entry")"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$login_entry" >"$tmp/validate.log" 2>&1 || fail "invalid entry: $(cat "$tmp/validate.log")"
fi
open_popup "tray menu (login off)" mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 3
shot login-checked
xdotool key l
login_off() { [[ ! -e $login_entry ]]; }
wait_for 5 login_off || fail "$login_entry is still there"
ok "the login entry appeared (Exec=$app --minimized) and went away"
step_end
