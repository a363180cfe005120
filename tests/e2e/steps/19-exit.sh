#!/usr/bin/env bash
# "Exit" in the tray menu, with the window moved and in the tray, ends the
# program with status 0 and leaves exactly the expected entries, the view
# and arrangement chosen last, and the frame the window had before it went
# to the tray.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 19 "Exit from the tray menu" "${1:-build-tests}"

make_file alpha.txt
expected=("0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org" "2=https://example.org/page.html|Example page")
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=1 SView=2 "${expected[0]}|15|15" "${expected[1]}|15|315" \
  "${expected[2]}|15|615"
start_window
options 0 1
place_window 140 150
sleep 0.3
frame_at_exit=$(frame_of "$win")
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window did not go to the tray"
open_popup "tray menu" mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 3
shot tray-menu
xdotool key e
app_done() { ! alive "$app_pid"; }
wait_for 10 app_done || fail "the launcher is still running 10 s after Exit"
app_status=0
wait "$app_pid" || app_status=$?
app_pid=''
entries_are "${expected[@]}" || fail "final entries: $(entries | tr '\n' ' '), expected: ${expected[*]}"
key_is SView 1 || fail "final SView is not 1: $(profile | grep -i '^SView=' || echo none)"
key_is Arrange 0 || fail "final Arrange is not 0: $(profile | grep -i '^Arrange=' || echo none)"
key_is 100 '' || fail "the save did not write the empty keys up to 100"
read -r fx fy fw fh <<<"$frame_at_exit"
key_is Left $((fx * 15)) && key_is Top $((fy * 15)) && key_is Width $((fw * 15)) && key_is Height $((fh * 15)) ||
  fail "the window's frame before hiding ($frame_at_exit) was not saved: $(profile | grep -E '^(Top|Left|Width|Height)=' | tr '\n' ' ')"
if ((app_status > 128)); then
  fail "the launcher was killed by SIG$(kill -l $((app_status - 128)) 2>/dev/null || echo $((app_status - 128))) on Exit (the profile itself was saved correctly)"
fi
((app_status == 0)) || fail "the launcher ended with status $app_status"
ok "process ended (status 0); the profile holds the three shortcuts, SView=1, Arrange=0 and the frame $frame_at_exit"
step_end
