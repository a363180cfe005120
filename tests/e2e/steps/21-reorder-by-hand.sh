#!/usr/bin/env bash
# Small icons placed by hand: a shortcut dragged onto another changes places
# with it and takes its place in the list's order; Ctrl+Shift+Right moves it
# one step on, through the places, so the move shows.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 21 "reorder icons placed by hand" "${1:-build-tests}"

make_file alpha.txt
make_file beta.txt
make_file gamma.txt
a="$tmp/files/alpha.txt|alpha.txt" b="$tmp/files/beta.txt|beta.txt" c="$tmp/files/gamma.txt|gamma.txt"
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=0 SView=1 "0=$a|15|0" "1=$b|15|660" "2=$c|2415|330"
start_window
read -r mx my _ <<<"$(geom "$win")"
small_point 2
from_x=$((mx + point_x)) from_y=$((my + point_y))
small_point 0
drag_from "$from_x" "$from_y" $((mx + point_x)) $((my + point_y))
# Saved as the drop changed the order: gamma first, in alpha's place, and
# alpha where gamma stood.
swapped() { entries_are "0=$c" "1=$a" "2=$b" && [[ $(positions | tr '\n' ' ') == "0=15|0 1=2415|330 2=15|660 " ]]; }
wait_for 5 swapped || fail "the drop did not swap gamma and alpha: $(entries | tr '\n' ' ') / $(positions | tr '\n' ' ')"
shot swapped
xdotool key ctrl+shift+Right
stepped() { entries_are "0=$a" "1=$c" "2=$b" && [[ $(positions | tr '\n' ' ') == "0=15|0 1=2415|330 2=15|660 " ]]; }
wait_for 5 stepped || fail "Ctrl+Shift+Right did not move gamma on through the places: $(entries | tr '\n' ' ') / $(positions | tr '\n' ' ')"
shot stepped
ok "gamma changed places with alpha by a drag, then moved one step on with Ctrl+Shift+Right"
step_end
