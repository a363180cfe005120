#!/usr/bin/env bash
# The window, moved and resized through openbox, minimised and brought back
# from the tray, stands exactly where and as large as before; moved again,
# it goes back to the tray.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 11 "move and resize through the window manager, minimise, restore" "${1:-build-tests}"

make_file alpha.txt
write_profile Top=3615 Left=4170 Height=3855 Width=5220 Arrange=0 SView=1 "0=$tmp/files/alpha.txt|alpha.txt|15|0" \
  "1=http://example.org|example.org|2415|0" "2=https://example.org/page.html|Example page|15|330"
start_window
place_window 80 120 430 310
sleep 0.3
frame_before=$(frame_of "$win")
client_before=$(geom "$win" | cut -d' ' -f1-4)
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window did not go to the tray"
tray_click 1
wait_for 5 shown || fail "the window was not restored: $(geom "$win")"
same_place() { [[ $(frame_of "$win") == "$frame_before" && $(geom "$win" | cut -d' ' -f1-4) == "$client_before" ]]; }
wait_for 3 same_place || fail "restored at frame $(frame_of "$win") (client $(geom "$win" | cut -d' ' -f1-4)), was $frame_before (client $client_before)"
shot back
place_window 140 150
sleep 0.3
frame_hidden=$(frame_of "$win")
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window did not go to the tray again"
ok "frame back at $frame_before, client $client_before; hidden again at $frame_hidden"
step_end
