#!/usr/bin/env bash
# Typing in the main window offers an installed application that no shortcut
# matches (a desktop entry of a private XDG_DATA_DIRS), and Enter starts it:
# its Exec writes a marker file. The profile stays as it was.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 30 "typing finds an installed application and Enter starts it" "${1:-build-tests}"

apps=$tmp/share/applications
mkdir -p "$apps"
marker=$tmp/zebra-started
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Zebra Marker' 'GenericName=Stand-in' \
  "Exec=/usr/bin/touch $marker" >"$apps/zebra-marker.desktop"
export XDG_DATA_DIRS=$tmp/share

make_file alpha.txt
write_profile Arrange=1 SView=2 "0=$tmp/files/alpha.txt|alpha.txt|0|0"
start_window
xdotool windowactivate --sync "$win" 2>/dev/null || true
# The index is read in the background once the search begins: the first
# letter starts it, the rest are typed meanwhile.
xdotool type --delay 60 zebra
shot offered
started() { [[ -e $marker ]]; }
# Enter starts the best application, no shortcut matching; pressed before
# the index is in, it starts it as soon as it is.
xdotool key Return
wait_for 5 started || fail "Enter did not start the offered application (no $marker)"
shot started
entries_are "0=$tmp/files/alpha.txt|alpha.txt" || fail "the application became a shortcut: $(entries | tr '\n' ' ')"
ok "\"zebra\" offered the desktop entry of a private XDG_DATA_DIRS after no shortcut, and Enter started it"
step_end
