#!/usr/bin/env bash
# Typing ranks the shortcut opened more often first among equal matches, and
# remembers it across a restart: "report-a.txt" and "report-b.txt" tie for
# "report"; the second is opened three times by typing its name and Enter,
# then, after a restart, "report" and Enter opens it. Opening leaves tsw.ini
# byte-identical: the counts are kept in a state file of their own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 31 "typing ranks the shortcut opened more often first, after a restart too" "${1:-build-tests}"

make_file report-a.txt
make_file report-b.txt
a=$tmp/files/report-a.txt
b=$tmp/files/report-b.txt
write_profile Arrange=0 SView=0 "0=$a|report-a.txt|15|0" "1=$b|report-b.txt|1215|0"
start_window
cp "$ini" "$tmp/before.ini"

opens() { [[ -s $open_log ]] && (($(wc -l <"$open_log") >= $1)); }
for n in 1 2 3; do
  xdotool windowactivate --sync "$win" 2>/dev/null || true
  xdotool type --delay 60 report-b
  xdotool key Return
  wait_for 5 opens "$n" || fail "Enter on \"report-b\" did not open it (opening $n)"
done
handled_input
[[ $(sort -u "$open_log") == "argc=1 [$b]" ]] || fail "the opens were \"$(tr '\n' '/' <"$open_log")\", not $b each"
cmp "$tmp/before.ini" "$ini" || fail "opening rewrote tsw.ini"
state=$(find "$XDG_STATE_HOME/tessaflow" -name 'opened-*.txt' 2>/dev/null | head -n 1)
[[ -n $state ]] || fail "no state file under $XDG_STATE_HOME/tessaflow"
ok "three opens of report-b by typing, tsw.ini untouched, counted in $state"

end_by_sigterm
: >"$open_log"
start_window
cp "$ini" "$tmp/restarted.ini"
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool type --delay 60 report
shot typed
xdotool key Return
wait_for 5 opens 1 || fail "Enter after typing \"report\" opened nothing"
[[ $(cat "$open_log") == "argc=1 [$b]" ]] ||
  fail "\"report\" and Enter opened \"$(tr '\n' '/' <"$open_log")\", expected $b, the one opened more often"
cmp "$tmp/restarted.ini" "$ini" || fail "opening after the restart rewrote tsw.ini"
ok "after a restart, \"report\" puts report-b first and Enter opens it"
step_end
