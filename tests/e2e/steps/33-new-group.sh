#!/usr/bin/env bash
# Groups: a new group made from a shortcut's context menu ("Move to Group",
# "New Group…") appears as a tab named after it with the shortcut moved there;
# after a restart the shortcut is still in that group (Alt+1 in the first
# group opens the other shortcut, Ctrl+PgDown then shows the new group, where
# Alt+1 opens the moved one), and every entry still starts with
# target|caption|left|top.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 33 "a new group made from the context menu survives a restart" "${1:-build-tests}"

touch "$tmp/files/alpha.txt" "$tmp/files/beta.txt"
write_profile Arrange=0 SView=0 "0=$tmp/files/alpha.txt|alpha|15|0" "1=$tmp/files/beta.txt|beta|1215|0"
start_window

icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
xdotool click 3
wait_for 5 has_popup || fail "no context menu came up"
# "Move to &Group", then "&New Group…" in it.
xdotool key g
sleep 0.3
xdotool key n
find_titled 10 "$app_pid" "Tessaflow - New Group" || fail "no prompt titled \"Tessaflow - New Group\""
shot prompt
xdotool type --delay 20 -- 'Work'
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow - New Group" || fail "Enter did not close the prompt"
grouped() { key_is Groups '|Work' && profile | grep -q '^0=.*|group=Work$'; }
wait_for 5 grouped || fail "the group was not saved: $(profile | grep -E '^(Groups|0|1)=')"
shot tabs
ok "the new group is saved as $(profile | grep '^Groups=') with $(profile | grep '^0=' | cut -d'|' -f5)"

end_by_sigterm
launch
find_titled 10 "$app_pid" "$title" || fail "the launcher did not start again"
win=$found
: >"$open_log"
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool key alt+1
wait_for 5 eval '[[ -s $open_log ]]' || fail "Alt+1 opened nothing in the first group"
grep -q 'beta.txt' "$open_log" || fail "Alt+1 in the first group opened $(cat "$open_log"), expected beta.txt"
: >"$open_log"
xdotool key ctrl+Next
sleep 0.3
shot work-tab
xdotool key alt+1
wait_for 5 eval '[[ -s $open_log ]]' || fail "Alt+1 opened nothing after Ctrl+PgDown"
grep -q 'alpha.txt' "$open_log" || fail "Alt+1 in the new group opened $(cat "$open_log"), expected alpha.txt"
for key in 0 1; do
  IFS='|' read -r target caption left top _ <<<"$(profile | grep "^$key=")"
  [[ $target == "$key=$tmp/files/"*.txt && -n $caption && $left =~ ^-?[0-9.]+$ && $top =~ ^-?[0-9.]+$ ]] ||
    fail "entry $key does not start with target|caption|left|top: $(profile | grep "^$key=")"
done
ok "after a restart alpha is in \"Work\" (Ctrl+PgDown, Alt+1) and beta in the first group; entries start target|caption|left|top"
step_end
