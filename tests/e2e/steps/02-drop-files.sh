#!/usr/bin/env bash
# Two files (one with a space in its name) dropped from another program
# through the X drag-and-drop protocol, both saved; the empty list's hint goes.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 2 "drop two files from another program" "${1:-build-tests}"

start_window
wait_for 3 hint_written || fail "the empty list shows no hint before the drop ($(hint_pixels) dark pixels)"
file1=$tmp/files/alpha.txt
file2="$tmp/files/beta notes.txt"
echo alpha >"$file1"
echo beta >"$file2"
drag_from_source "$file1" "$file2"
((source_status == 0)) || fail "the drop was not accepted (drag source: $(grep dragsource: "$tmp/dragsource.log" || echo "exit $source_status"))"
expected=("0=$file1|alpha.txt" "1=$file2|beta notes.txt")
dropped() { [[ -f $ini ]] && entries_are "${expected[@]}"; }
wait_for 5 dropped || fail "the profile does not hold the two dropped files: $(entries | tr '\n' ' ')"
# The full stored form starts with target|caption| and goes on with a position.
profile | grep -qF -- "0=$file1|alpha.txt|" || fail "entry 0 is not \"0=$file1|alpha.txt|…\""
profile | grep -qF -- "1=$file2|beta notes.txt|" || fail "entry 1 is not \"1=$file2|beta notes.txt|…\""
xdotool mousemove 0 0
hint_gone() { (($(hint_pixels) == 0)); }
wait_for 3 hint_gone || fail "the hint is still shown with two shortcuts ($(hint_pixels) dark pixels)"
shot drop
ok "two shortcuts added and saved: alpha.txt, beta notes.txt; the hint went"
step_end
