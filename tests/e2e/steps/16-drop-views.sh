#!/usr/bin/env bash
# With the options dialog driven from the keyboard (Alt+A, Alt+V, Alt+C), a
# file dropped with Arrange/SView 1/0, 2/1, 0/2 and 1/2 is added each time.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 16 "drop a file in every arrangement and view" "${1:-build-tests}"

make_file alpha.txt
make_file gamma.txt
make_file "delta file.txt"
expected=("0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org" "2=https://example.org/page.html|Example page"
  "3=$tmp/files/gamma.txt|gamma.txt" "4=$tmp/files/delta file.txt|delta file.txt")
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=0 SView=1 "${expected[0]}|15|0" "${expected[1]}|2415|0" \
  "${expected[2]}|15|330" "${expected[3]}|3330|2100" "${expected[4]}|2415|330"
start_window
pasted() { entries_are "${expected[@]}"; }
for combo in "1 0" "2 1" "0 2" "1 2"; do
  read -r arrange view <<<"$combo"
  options "$arrange" "$view"
  dropped_file=$tmp/files/drop-$arrange-$view.txt
  echo x >"$dropped_file"
  drag_from_source "$dropped_file"
  ((source_status == 0)) || fail "a drop was refused with Arrange=$arrange SView=$view ($(cat "$tmp/dragsource.log"))"
  expected+=("${#expected[@]}=$dropped_file|drop-$arrange-$view.txt")
  wait_for 5 pasted || fail "the drop with Arrange=$arrange SView=$view was not saved: $(entries | tail -n 2 | tr '\n' ' ')"
  xdotool mousemove 0 0
  shot "drop-$arrange-$view"
done
ok "drops taken with Arrange/SView 1/0, 2/1, 0/2 and 1/2"
step_end
