#!/usr/bin/env bash
# "Add Application…": the window lists the desktop entries of a private
# XDG_DATA_DIRS without the NoDisplay one, a keyword finds an entry, and
# Enter saves a shortcut to that entry's file, captioned by its name.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 25 "add an installed application from the context menu" "${1:-build-tests}"

apps=$tmp/share/applications
mkdir -p "$apps/office"
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Stand-in Writer' 'GenericName=Word Processor' \
  'Keywords=scribble;letters;' 'Exec=/bin/true %F' >"$apps/office/writer.desktop"
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Stand-in Viewer' 'Exec=/bin/true' >"$apps/viewer.desktop"
# Listed, it would be the best match for the keyword (by its name) and be the one added.
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Scribble Secret' 'NoDisplay=true' \
  'Exec=/bin/true' >"$apps/secret.desktop"
export XDG_DATA_DIRS=$tmp/share

make_file alpha.txt
before=("0=$tmp/files/alpha.txt|alpha.txt")
write_profile Arrange=0 SView=0 "${before[0]}|15|0"
start_window
open_popup "context menu" mousemove --window "$win" 250 180 click 3
shot menu
xdotool key c
find_titled 5 "$app_pid" "Tessaflow - Add Applications" || fail "no window titled \"Tessaflow - Add Applications\""
chooser=$found
xdotool windowactivate --sync "$chooser" 2>/dev/null || true
shot window
# The filter field has the focus: the keyword is typed straight in.
xdotool type --delay 20 scribble
shot filtered
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow - Add Applications" || fail "the window did not close on Enter"
added() { entries_are "${before[@]}" "1=$apps/office/writer.desktop|Stand-in Writer"; }
wait_for 5 added || fail "the profile does not end with the writer's entry: $(entries | tr '\n' ' ')"
profile | grep -q secret.desktop && fail "the NoDisplay entry was added"
ok "\"scribble\" found the writer in a subfolder of a private XDG_DATA_DIRS, left out the NoDisplay one, and Enter saved its file"
step_end
