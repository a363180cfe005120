#!/usr/bin/env bash
# Earlier versions: after a shortcut is deleted, "Earlier Versions…" in the
# tray's menu lists the state before it with its count; Restore brings that
# shortcut back, and the state it replaced is listed in turn.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 37 "Earlier Versions lists a state and Restore brings it back" "${1:-build-tests}"

touch "$tmp/files/alpha.txt" "$tmp/files/beta.txt"
write_profile Arrange=0 SView=0 "0=$tmp/files/alpha.txt|alpha|15|0" "1=$tmp/files/beta.txt|beta|1215|0"
start_window
xdotool windowactivate --sync "$win" 2>/dev/null || true
icon_point 1
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
xdotool key Delete
sleep 0.3
xdotool key Return
wait_for 5 eval '! profile | grep -q "beta.txt"' || fail "beta was not deleted: $(profile | grep '^[01]=')"
versions() { ls "$tmp/app/tsw.versions" 2>/dev/null | grep -c '\.ini$'; }
wait_for 5 eval '(($(versions) == 1))' || fail "no version was kept: $(ls -la "$tmp/app")"
ok "deleting beta kept the state before it as a version"

open_popup "tray menu" mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 3
xdotool key v
find_titled 10 "$app_pid" "Tessaflow - Earlier Versions" || fail "no window titled \"Tessaflow - Earlier Versions\""
dialog=$found
shot versions
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
# The newest (and only) version is selected; Alt+R restores it.
xdotool key alt+r
restored() { profile | grep -q "^1=$tmp/files/beta.txt|beta|"; }
wait_for 5 restored || fail "Restore did not bring beta back: $(profile | grep '^[01]=')"
wait_for 5 eval '(($(versions) == 2))' || fail "the replaced state was not kept as a version: $(ls "$tmp/app/tsw.versions")"
shot restored
ok "Restore brought beta back; the state it replaced is a version too ($(versions) versions)"
step_end
