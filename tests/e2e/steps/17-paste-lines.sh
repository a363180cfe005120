#!/usr/bin/env bash
# Ctrl+V of four lines of text (a web address, a file's path, a sentence,
# www.…) adds three, captioned "example.net › wiki", the file name and the
# host; a message titled "Tessaflow" says what was left out; F2 then renames
# the last one added.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 17 "paste lines of text: what names something is added, the rest is said" "${1:-build-tests}"
command -v xclip >/dev/null 2>&1 || fail "xclip is missing (run scripts/deps.sh)"

make_file alpha.txt
expected=("0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org")
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=1 SView=2 "${expected[0]}|15|15" "${expected[1]}|15|315"
start_window
file5=$tmp/files/epsilon.txt
echo epsilon >"$file5"
printf 'https://example.net/wiki\n%s\nthis line is a sentence\nwww.example.com\n' "$file5" |
  xclip -quiet -selection clipboard >/dev/null 2>&1 &
source_pid=$!
text_ready() { xclip -o -selection clipboard 2>/dev/null | grep -q sentence; }
wait_for 5 text_ready || fail "xclip did not take the clipboard"
wait_for 3 launcher_active || xdotool windowactivate --sync "$win" 2>/dev/null || true
# The list gets the focus, clicked where there is no icon.
xdotool mousemove --window "$win" 330 200 click 1
sleep 0.2
xdotool key ctrl+v
expected+=("2=https://example.net/wiki|example.net › wiki" "3=$file5|epsilon.txt" "4=https://www.example.com|www.example.com")
pasted() { entries_are "${expected[@]}"; }
wait_for 5 pasted || fail "the profile does not end with the three pasted lines: $(entries | tr '\n' ' ')"
find_titled 5 "$app_pid" "Tessaflow" || fail "no message titled \"Tessaflow\" about the line that was left out"
report=$found
shot paste-report
xdotool windowactivate --sync "$report" 2>/dev/null || true
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow" || fail "the message did not close"
stop "$source_pid"
source_pid=''
# What was pasted last is selected and has the focus: F2 renames it.
wait_for 3 launcher_active || fail "the launcher did not get the focus back after the message"
xdotool key F2
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 'Example'
xdotool key Return
expected[4]="4=https://www.example.com|Example"
wait_for 5 pasted || fail "F2 did not rename the last pasted shortcut: $(entries | tail -n 2 | tr '\n' ' ')"
ok "3 of 4 lines added (captioned \"example.net › wiki\", \"epsilon.txt\", \"www.example.com\"), the sentence reported; F2 renamed the last one"
step_end
