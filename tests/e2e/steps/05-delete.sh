#!/usr/bin/env bash
# "Delete Shortcut" asks the question titled "Tessaflow", owned by the main
# window; Yes removes the entry and the rest is renumbered.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 5 "delete the second shortcut" "${1:-build-tests}"

make_file alpha.txt
make_file "beta notes.txt"
write_profile Arrange=0 SView=0 "0=$tmp/files/alpha.txt|alpha.txt|15|0" \
  "1=$tmp/files/beta notes.txt|beta notes.txt|1215|0" "2=http://example.org|example.org|2415|0"
start_window
icon_point 1
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
open_popup "context menu" click 3
xdotool key d
find_titled 5 "$app_pid" "Tessaflow" || fail "no question box titled \"Tessaflow\""
question=$found
owner=$(xprop -id "$question" WM_TRANSIENT_FOR 2>/dev/null | awk '{print $NF}')
[[ -n $owner && $((owner)) == "$win" ]] || fail "the question box does not belong to the main window (transient for '$owner')"
shot question
# Yes is the default button.
xdotool windowactivate --sync "$question" 2>/dev/null || true
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow" || fail "the question box did not close"
deleted() { entries_are "0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org"; }
wait_for 5 deleted || fail "after Yes the profile holds: $(entries | tr '\n' ' ')"
shot deleted
ok "question box shown, \"beta notes.txt\" deleted and the rest renumbered"
step_end
