#!/usr/bin/env bash
# A second start with a relative path, while the window is in the tray, ends
# with status 0; the first copy comes back where it was hidden and adds the file.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 12 "a second start restores the first copy and adds its argument" "${1:-build-tests}"

make_file alpha.txt
before=("0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org" "2=https://example.org/page.html|Example page")
write_profile Top=3615 Left=4170 Height=3855 Width=5220 Arrange=0 SView=1 "${before[0]}|15|0" "${before[1]}|2415|0" "${before[2]}|15|330"
start_window
place_window 140 150 430 310
sleep 0.3
frame_hidden=$(frame_of "$win")
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window was not hidden before the second start"
file3=$tmp/files/gamma.txt
echo gamma >"$file3"
second_status=0
# A relative path, from the second start's own working folder.
(cd "$tmp/files" && exec timeout 20 "$app" gamma.txt) >"$tmp/second.log" 2>&1 || second_status=$?
((second_status == 0)) || fail "the second start ended with status $second_status: $(cat "$tmp/second.log")"
wait_for 5 shown || fail "the first copy's window did not come back: $(geom "$win")"
where_hidden() { [[ $(frame_of "$win") == "$frame_hidden" ]]; }
wait_for 3 where_hidden || fail "back at frame $(frame_of "$win"), hidden at $frame_hidden"
handed_over() { entries_are "${before[@]}" "3=$file3|gamma.txt"; }
wait_for 5 handed_over || fail "the profile does not end with gamma.txt: $(entries | tr '\n' ' ')"
(($(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l) == 1)) || fail "more than one launcher window"
shot second-start
ok "second start ended with status 0; the first copy came back and added gamma.txt"
step_end
