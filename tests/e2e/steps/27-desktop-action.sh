#!/usr/bin/env bash
# A desktop entry's own action ([Desktop Action …]) stands in the context
# menu right after "Open Shortcut"; choosing it starts that action's Exec (a
# stand-in program on PATH, no shell) in the entry's Path= folder, with the
# entry's name for %c, and nothing else.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 27 "start a desktop entry's action from the context menu" "${1:-build-tests}"

apps=$tmp/share/applications
mkdir -p "$apps" "$tmp/bin" "$tmp/work dir"
marker=$tmp/action-ran
# Writes where it ran and each argument on a line of its own, then moves the
# file in place: the marker is complete once it is there.
cat >"$tmp/bin/standin-editor" <<EOF
#!/bin/sh
{ pwd; printf '%s\n' "\$@"; } >$(printf '%q' "$marker.tmp") && mv $(printf '%q' "$marker.tmp") $(printf '%q' "$marker")
EOF
chmod +x "$tmp/bin/standin-editor"
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Stand-in Editor' 'Exec=standin-editor --open %F' \
  "Path=$tmp/work dir" 'Actions=new-window;' '' '[Desktop Action new-window]' 'Name=New Stand-in Window' \
  'Exec=standin-editor --new-window "%c"' >"$apps/editor.desktop"
export XDG_DATA_DIRS=$tmp/share

write_profile Arrange=0 SView=0 "0=$apps/editor.desktop|Stand-in Editor|15|0"
start_window
icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
open_popup "context menu" click 3
shot menu
# Down reaches "Open Shortcut", the next Down the entry's action.
xdotool key Down Down Return
ran() { [[ -s $marker ]]; }
wait_for 5 ran || fail "the action's program did not run (xdg-open log: $(cat "$open_log" 2>/dev/null))"
expected=$(printf '%s\n' "$tmp/work dir" --new-window "Stand-in Editor")
[[ $(cat "$marker") == "$expected" ]] || fail "the action ran as: $(cat "$marker") (expected: $expected)"
[[ ! -s $open_log ]] || fail "the desktop opener was asked too: $(cat "$open_log")"
ok "\"New Stand-in Window\" ran its Exec in the entry's folder with its name for %c"
step_end
