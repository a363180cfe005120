#!/usr/bin/env bash
# A drag of plain text is refused while it hovers, and nothing is saved.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 10 "drag plain text over the list" "${1:-build-tests}"

make_file alpha.txt
write_profile Arrange=0 SView=1 "0=$tmp/files/alpha.txt|alpha.txt|15|0" "1=http://example.org|example.org|2415|0" \
  "2=https://example.org/page.html|Example page|15|330"
start_window
before_refused=$(profile)
drag_from_source --text "just some words"
((source_status == 1)) || fail "a drag of plain text was not refused ($(cat "$tmp/dragsource.log"))"
grep -q refused "$tmp/dragsource.log" || fail "the drag source did not see a refusal: $(cat "$tmp/dragsource.log")"
# Whatever the drop would have changed is done once the input after it is handled.
handled_input
[[ $(profile) == "$before_refused" ]] || fail "the profile changed after a refused drag"
ok "refused while hovering; nothing added or saved"
step_end
