#!/usr/bin/env bash
# "Add URL Shortcut": `not a url at all` leaves the prompt open and saves
# nothing; `example.org` saves `https://example.org`.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 4 "add a web address from the context menu" "${1:-build-tests}"

make_file alpha.txt
make_file "beta notes.txt"
before=("0=$tmp/files/alpha.txt|alpha.txt" "1=$tmp/files/beta notes.txt|beta notes.txt")
write_profile Arrange=0 SView=0 "${before[0]}|15|0" "${before[1]}|1215|0"
start_window
open_popup "context menu" mousemove --window "$win" 250 180 click 3
shot menu
xdotool key a
find_titled 5 "$app_pid" "Tessaflow - Add URL" || fail "no prompt titled \"Tessaflow - Add URL\""
prompt=$found
xdotool windowactivate --sync "$prompt" 2>/dev/null || true
# Not an address: the prompt stays open with the text, saying why.
xdotool key ctrl+a
xdotool type --delay 20 'not a url at all'
xdotool key Return
# The prompt shows why in place; nothing the launcher sends tells when.
sleep 0.5
[[ -n $(windows_titled "$app_pid" "Tessaflow - Add URL") ]] || fail "the prompt closed on text that is no address"
profile 2>/dev/null | grep -q 'not a url' && fail "text that is no address was saved"
shot refused
xdotool key ctrl+a
xdotool type --delay 20 example.org
shot prompt
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow - Add URL" || fail "the prompt did not close"
url_added() { entries_are "${before[@]}" "2=https://example.org|example.org"; }
wait_for 5 url_added || fail "the profile does not end with 2=https://example.org|example.org: $(entries | tr '\n' ' ')"
profile | grep -qF -- "2=https://example.org|example.org|" || fail "entry 2 is not \"2=https://example.org|example.org|…\""
ok "\"not a url at all\" refused with the prompt left open; \"example.org\" saved as https://example.org"
step_end
