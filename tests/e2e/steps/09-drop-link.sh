#!/usr/bin/env bash
# A web link dropped as a browser offers it (uri-list, text/x-moz-url,
# _NETSCAPE_URL with a title) is saved with the title as its caption.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 9 "drop a web link with its title" "${1:-build-tests}"

make_file alpha.txt
before=("0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org")
write_profile Arrange=0 SView=1 "${before[0]}|15|0" "${before[1]}|2415|0"
start_window
drag_from_source --link-title "Example page" "https://example.org/page.html"
((source_status == 0)) || fail "the link drop was not accepted ($(cat "$tmp/dragsource.log"))"
link_added() { entries_are "${before[@]}" "2=https://example.org/page.html|Example page"; }
wait_for 5 link_added || fail "the profile does not end with the link: $(entries | tr '\n' ' ')"
xdotool mousemove 0 0
shot link
ok "https://example.org/page.html saved, captioned \"Example page\""
step_end
