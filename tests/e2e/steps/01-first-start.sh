#!/usr/bin/env bash
# First start without a profile: the window with its full title and the
# empty list's hint in its middle, the tray icon.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 1 "first start without a profile" "${1:-build-tests}"

[[ ! -e $ini ]] || fail "a profile exists before the first start"
# Started from its own folder, as a person would.
(cd "$tmp/app" && exec ./tessaflow) >"$tmp/tessaflow.log" 2>&1 &
app_pid=$!
find_titled 10 "$app_pid" "$title" || fail "no window titled \"$title\" within 10 s"
win=$found
wait_for 5 find_tray_icon || fail "no tray icon of class tessaflow inside trayer's panel"
read -r _ _ _ _ map _ <<<"$(geom "$win")"
[[ $map == IsViewable ]] || fail "the main window is not shown ($map)"
wait_for 3 hint_written || fail "the empty list shows no hint in its middle ($(hint_pixels) dark pixels)"
shot start
ok "window \"$title\" shown with its hint, tray icon $tray_icon"
step_end
