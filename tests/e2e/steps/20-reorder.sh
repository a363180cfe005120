#!/usr/bin/env bash
# Arranged in rows, a shortcut dragged onto the first one's place takes it in
# the list's order (and in tsw.ini), and Alt+1 opens it; Ctrl+A then Delete
# asks once and removes every shortcut.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 20 "reorder by dragging, then select all and delete" "${1:-build-tests}"

make_file alpha.txt
make_file beta.txt
make_file gamma.txt
a="$tmp/files/alpha.txt|alpha.txt" b="$tmp/files/beta.txt|beta.txt" c="$tmp/files/gamma.txt|gamma.txt"
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=2 SView=0 "0=$a||" "1=$b||" "2=$c||"
start_window
read -r mx my _ <<<"$(geom "$win")"
# Large icons arranged in rows: 80 x 70 px cells from the top left, the icon
# at the top of each, inside the list's 1 px frame.
cell_x() { echo $((mx + $1 * 80 + 41)); }
drag_from "$(cell_x 2)" $((my + 18)) "$(cell_x 0)" $((my + 18)) hovering
moved() { entries_are "0=$c" "1=$a" "2=$b"; }
wait_for 5 moved || fail "gamma.txt dragged onto alpha.txt's place did not come first: $(entries | tr '\n' ' ')"
shot reordered
xdotool key alt+1
opened() { [[ -s $open_log ]]; }
wait_for 5 opened || fail "Alt+1 opened nothing"
[[ $(cat "$open_log") == "argc=1 [$tmp/files/gamma.txt]" ]] || fail "Alt+1 opened \"$(cat "$open_log")\", not gamma.txt"

xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool key ctrl+a Delete
find_titled 5 "$app_pid" "Tessaflow" || fail "Ctrl+A then Delete asked nothing"
question=$found
shot question
xdotool windowactivate --sync "$question" 2>/dev/null || true
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow" || fail "the question box did not close"
emptied() { [[ -z $(entries) ]]; }
wait_for 5 emptied || fail "after Yes the profile still holds: $(entries | tr '\n' ' ')"
# One question for all three: no second one follows.
handled_input
gone_titled "$app_pid" "Tessaflow" || fail "a second question followed the first"
shot emptied
ok "gamma.txt moved first by a drag and opened by Alt+1; one question removed all three"
step_end
