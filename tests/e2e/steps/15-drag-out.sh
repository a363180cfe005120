#!/usr/bin/env bash
# A shortcut dragged onto another program (tessaflow_droptarget) hands over
# its file:// URI, and its path as plain text, as a copy; nothing is added.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 15 "drag a shortcut out onto another program" "${1:-build-tests}"

make_file alpha.txt
file1=$tmp/files/alpha.txt
before=("0=$file1|alpha.txt" "1=http://example.org|example.org" "2=https://example.org/page.html|Example page")
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=0 SView=1 "${before[0]}|15|0" "${before[1]}|2415|0" \
  "${before[2]}|15|330"
start_window
"$droptarget_bin" --timeout 20 >"$tmp/droptarget.log" 2>&1 &
source_pid=$!
find_titled 10 "$source_pid" "Tessaflow drop target" || fail "the drop target window did not appear"
move_apart "$found" "drop target"
read -r tx ty tw2 th2 <<<"$apart"
small_point 0
drag_from $((mx + point_x)) $((my + point_y)) $((tx + tw2 / 2)) $((ty + th2 / 2))
target_done() { ! alive "$source_pid"; }
wait_for 10 target_done || fail "nothing was dropped on the target: $(cat "$tmp/droptarget.log")"
target_status=0
wait "$source_pid" || target_status=$?
source_pid=''
((target_status == 0)) || fail "the drop target ended with status $target_status: $(cat "$tmp/droptarget.log")"
grep -qxF "uri: file://$file1" "$tmp/droptarget.log" || fail "the drop target got: $(tr '\n' ' ' <"$tmp/droptarget.log")"
grep -qxF "text: $file1" "$tmp/droptarget.log" || fail "the plain text of the drag is not the path: $(tr '\n' ' ' <"$tmp/droptarget.log")"
grep -qx "action: move" "$tmp/droptarget.log" && fail "the shortcut was offered as a move"
shot drag-out
# To the tray and back: the window manager hands the focus over anew (after
# a drag onto another program that quits, Qt may not know it has it), and
# the launcher has handled the drag's end by the time it is back.
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window was not hidden after the drag"
tray_click 1
wait_for 5 shown || fail "the window did not come back from the tray"
entries_are "${before[@]}" || fail "the drag changed the entries: $(entries | tr '\n' ' ')"
ok "the drop target got file://$file1 ($(grep '^action' "$tmp/droptarget.log")); no shortcut added"
step_end
