#!/usr/bin/env bash
# Undo and redo in the main window: a shortcut deleted with the Delete key
# (answered Yes) comes back with Ctrl+Z at its place in the list and in the
# profile, its entry line as it was, and Ctrl+Shift+Z deletes it again.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 34 "Ctrl+Z brings a deleted shortcut back, Ctrl+Shift+Z deletes it again" "${1:-build-tests}"

make_file alpha.txt
make_file "beta notes.txt"
write_profile Arrange=0 SView=0 "0=$tmp/files/alpha.txt|alpha.txt|15|0" \
  "1=$tmp/files/beta notes.txt|beta notes.txt|1215|0" "2=http://example.org|example.org|2415|0"
start_window
beta_line=$(profile | grep '^1=')
icon_point 1
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
xdotool key Delete
find_titled 5 "$app_pid" "Tessaflow" || fail "Delete asked nothing"
xdotool windowactivate --sync "$found" 2>/dev/null || true
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow" || fail "the question box did not close"
deleted() { entries_are "0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org"; }
wait_for 5 deleted || fail "after Yes the profile holds: $(entries | tr '\n' ' ')"
shot deleted

xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool key ctrl+z
restored() {
  entries_are "0=$tmp/files/alpha.txt|alpha.txt" "1=$tmp/files/beta notes.txt|beta notes.txt" \
    "2=http://example.org|example.org" && [[ $(profile | grep '^1=') == "$beta_line" ]]
}
wait_for 5 restored || fail "Ctrl+Z did not bring it back as it was: $(profile | grep -E '^[0-9]+=.' | tr '\n' ' ')"
shot restored
ok "Ctrl+Z put \"beta notes.txt\" back as entry 1: $beta_line"

xdotool key ctrl+shift+z
wait_for 5 deleted || fail "Ctrl+Shift+Z did not delete it again: $(entries | tr '\n' ' ')"
shot redone
ok "Ctrl+Shift+Z deleted it again"

# Undone once more, it stands at its own place: the icon there is the one
# Delete removes.
xdotool key ctrl+z
wait_for 5 restored || fail "the second Ctrl+Z did not bring it back: $(entries | tr '\n' ' ')"
icon_point 1
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
xdotool key Delete
find_titled 5 "$app_pid" "Tessaflow" || fail "Delete on the icon at its place asked nothing"
xdotool windowactivate --sync "$found" 2>/dev/null || true
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow" || fail "the question box did not close"
wait_for 5 deleted || fail "the icon at beta's place was not beta: $(entries | tr '\n' ' ')"
ok "after the second Ctrl+Z the icon at its own place is \"beta notes.txt\""
step_end
