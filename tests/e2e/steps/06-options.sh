#!/usr/bin/env bash
# "Options": the dialog opens centred over the window; choosing "Small
# Icons" and closing the dialog saves SView=1 and leaves Arrange alone.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 6 "switch to small icons in the options dialog" "${1:-build-tests}"

make_file alpha.txt
write_profile Arrange=0 SView=0 "0=$tmp/files/alpha.txt|alpha.txt|15|0" "1=http://example.org|example.org|2415|0"
start_window
# Up from the top of the menu wraps to its last item, Options ("O" is shared).
open_popup "context menu" mousemove --window "$win" 250 180 click 3
xdotool key Up Return
find_titled 5 "$app_pid" "Tessaflow - Options" || fail "no dialog titled \"Tessaflow - Options\""
options=$found
read -r ox oy ow oh _ <<<"$(geom "$options")"
read -r mx my mw mh _ <<<"$(geom "$win")"
dx=$((ox + ow / 2 - mx - mw / 2)) dy=$((oy + oh / 2 - my - mh / 2))
((dx * dx + dy * dy <= 400)) || fail "the options dialog ($ox,$oy ${ow}x$oh) is not centred over the window ($mx,$my ${mw}x$mh)"
xdotool windowactivate --sync "$options" 2>/dev/null || true
# The view box: 120,480 twips from the top left, 2895 x 315 twips.
open_popup "view list" mousemove --window "$options" $(((120 + 2895 / 2) / 15)) $(((480 + 315 / 2) / 15)) click 1
xdotool key Down Return
wait_for 3 no_popup || fail "the view list did not close"
xdotool mousemove 0 0
shot options
xdotool windowactivate --sync "$options" 2>/dev/null || true
xdotool key alt+F4
wait_for 5 gone_titled "$app_pid" "Tessaflow - Options" || fail "the options dialog did not close on Alt+F4"
small_icons() { key_is SView 1; }
wait_for 5 small_icons || fail "closing the dialog did not save SView=1 ($(profile | grep -i '^SView=' || echo 'no SView'))"
key_is Arrange 0 || fail "Arrange changed: $(profile | grep -i '^Arrange=')"
shot saved
ok "SView=1 saved on closing the dialog"
step_end
