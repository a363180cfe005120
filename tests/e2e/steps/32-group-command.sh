#!/usr/bin/env bash
# A later start with --group shows that group in the running copy (its
# shortcuts in the list) and adds the paths given to it; a group that is not
# there ends the later start with status 1, naming it, and changes nothing.
# A first start shows the group asked for, and starts anyway (on the group
# it would show) when the name is no group.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 32 "--group shows a group through the running copy, and refuses one that is not there" "${1:-build-tests}"

# The first group is empty (its list shows the hint), Work holds one shortcut.
write_profile Top=3615 Left=4170 Height=3855 Width=5220 Arrange=0 SView=1 'Groups=|Work' \
  "0=http://example.org/work|Work page|15|0|group=Work"
start_window
place_window 140 150 430 310
wait_for 3 hint_written || fail "the first (empty) group shows no hint ($(hint_pixels) dark pixels)"

second() {
  second_status=0
  timeout 20 "$app" "$@" >"$tmp/second.out" 2>"$tmp/second.err" || second_status=$?
}

# A group that is not there: status 1, the name on standard error, nothing changed.
second --group Nope
((second_status == 1)) || fail "--group Nope ended with status $second_status: $(cat "$tmp/second.err")"
grep -qF 'no group named "Nope"' "$tmp/second.err" || fail "--group Nope said: $(cat "$tmp/second.err")"
hint_written || fail "the list changed after --group Nope ($(hint_pixels) dark pixels)"
ok "--group Nope ended with status 1 and named the group"

# Hidden in the tray, then called back on Work (named in another case).
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window was not hidden before --group"
second --group work
((second_status == 0)) || fail "--group work ended with status $second_status: $(cat "$tmp/second.err")"
wait_for 5 shown || fail "the window did not come back for --group: $(geom "$win")"
hint_gone() { (($(hint_pixels) == 0)); }
wait_for 3 hint_gone || fail "the list still shows the empty group's hint ($(hint_pixels) dark pixels)"
shot group-shown
ok "--group work brought the window back on the Work group"

# Paths given with the group are added to it.
make_file notes.txt
second --group Work "$tmp/files/notes.txt"
((second_status == 0)) || fail "--group Work PATH ended with status $second_status: $(cat "$tmp/second.err")"
added() { profile | grep -q "^[0-9]*=$tmp/files/notes.txt|notes.txt|.*group=Work"; }
wait_for 5 added || fail "notes.txt was not added to Work: $(profile | grep '^[0-9]*=.' | tr '\n' ' ')"
ok "--group Work PATH added the file to Work"

# No copy running: the first start shows the group asked for. One that is not
# there is said, and the launcher starts on the group it would show anyway.
stop "$app_pid"
start_first() {
  "$app" "$@" >"$tmp/first.log" 2>&1 &
  app_pid=$!
  find_titled 10 "$app_pid" "$title" || fail "no window for a first start with $*"
  win=$found
  place_window 140 150 430 310
}
start_first --group Work
wait_for 3 hint_gone || fail "a first start with --group Work shows the empty group ($(hint_pixels) dark pixels)"
stop "$app_pid"
start_first --group Nope "$tmp/files/notes.txt"
said() { grep -qF 'no group named "Nope"' "$tmp/first.log"; }
wait_for 3 said || fail "a first start with --group Nope said: $(cat "$tmp/first.log")"
wait_for 3 hint_written || fail "a first start with --group Nope does not show the first group"
(($(profile | grep -c "notes.txt|") == 1)) || fail "the file meant for Nope was added: $(profile | grep notes)"
alive "$app_pid" || fail "a first start with --group Nope did not go on"
stop "$app_pid"
app_pid=''
ok "a first start shows the group asked for, and goes on on its own when there is no such group"
step_end
