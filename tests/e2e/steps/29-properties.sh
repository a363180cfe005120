#!/usr/bin/env bash
# Properties: a script's shortcut gets two arguments (one with a space) and a
# working folder in the Properties window, typed with xdotool; after a restart
# of the launcher, opening the shortcut runs the script with exactly those
# argv entries in that folder, and its entry in tsw.ini still starts with
# target|caption|left|top.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 29 "a script's arguments and working folder set in Properties" "${1:-build-tests}"

marker=$tmp/ran.txt
script=$tmp/files/record.sh
folder="$tmp/work dir"
mkdir -p "$folder"
cat >"$script" <<SCRIPT
#!/bin/sh
{ pwd; for a in "\$@"; do printf '[%s]\n' "\$a"; done; } >$(printf '%q' "$marker")
SCRIPT
chmod +x "$script"
write_profile Arrange=0 SView=0 "0=$script|record|15|0"
start_window

icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
xdotool key alt+Return
find_titled 10 "$app_pid" "Tessaflow - Properties" || fail "Alt+Enter did not open the Properties window"
dialog=$found
wait_for 5 eval '[[ $(xdotool getactivewindow 2>/dev/null) == "$dialog" ]]' || fail "the Properties window is not active"
shot dialog
# Each field by its label's key.
xdotool key alt+a
xdotool type --delay 20 -- '--name "two words"'
xdotool key alt+w
xdotool type --delay 20 -- "$folder"
shot filled
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow - Properties" || fail "Enter did not close the Properties window"
saved() { profile | grep -q '^0=.*|args=.*|dir='; }
wait_for 5 saved || fail "the arguments and folder were not saved: $(profile | grep '^0=')"
ok "Properties saved $(profile | grep '^0=' | cut -d'|' -f5-)"

# A new start reads them back from the profile.
end_by_sigterm
launch
find_titled 10 "$app_pid" "$title" || fail "the launcher did not start again"
win=$found
icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click --repeat 2 --delay 80 1
wait_for 5 eval '[[ -s $marker ]]' || fail "the script did not run within 5 s"
expected=$(printf '%s\n[--name]\n[two words]' "$folder")
[[ $(cat "$marker") == "$expected" ]] || fail "the script ran as \"$(cat "$marker")\", expected \"$expected\""
IFS='|' read -r target caption left top rest <<<"$(profile | grep '^0=')"
[[ $target == "0=$script" && $caption == record && $left =~ ^-?[0-9.]+$ && $top =~ ^-?[0-9.]+$ ]] ||
  fail "the entry does not start with target|caption|left|top: $(profile | grep '^0=')"
[[ $rest == 'args=--name "two words"|dir='"$folder" ]] || fail "the further fields are \"$rest\""
ok "after a restart the script ran in \"$folder\" with [--name] [two words]; the entry starts $target|$caption|$left|$top"
step_end
