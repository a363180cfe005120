#!/usr/bin/env bash
# "Open With…" lists the applications whose MimeType= names the file's type,
# the desktop's default (a private mimeapps.list) first though another comes
# before it by name; choosing it starts it with the file's path as one
# argument (a blank and a % in it), no shell.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 28 "open a file with another application from the context menu" "${1:-build-tests}"

apps=$tmp/share/applications
mkdir -p "$apps" "$tmp/bin" "$XDG_CONFIG_HOME"
marker=$tmp/viewer-ran
for prog in standin-viewer standin-other; do
  cat >"$tmp/bin/$prog" <<EOF
#!/bin/sh
{ echo $prog; printf '%s\n' "\$@"; } >$(printf '%q' "$marker.tmp") && mv $(printf '%q' "$marker.tmp") $(printf '%q' "$marker")
EOF
  chmod +x "$tmp/bin/$prog"
done
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Stand-in Viewer' 'MimeType=text/plain;' \
  'Exec=standin-viewer %f' >"$apps/viewer.desktop"
# Before the viewer by name: only the default list puts the viewer first.
printf '%s\n' '[Desktop Entry]' 'Type=Application' 'Name=Another Viewer' 'MimeType=text/plain;' \
  'Exec=standin-other %f' >"$apps/other.desktop"
printf '%s\n' '[Default Applications]' 'text/plain=viewer.desktop;' >"$XDG_CONFIG_HOME/mimeapps.list"
# The system's MIME types, without its applications.
ln -s /usr/share/mime "$tmp/share/mime"
export XDG_DATA_DIRS=$tmp/share

make_file "notes 1%.txt"
write_profile Arrange=0 SView=0 "0=$tmp/files/notes 1%.txt|notes|15|0"
start_window
icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
open_popup "context menu" click 3
# W opens "Open With…" with its first item active.
xdotool key w
two_popups() { (($(popups | wc -l) >= 2)); }
wait_for 5 two_popups || fail "the Open With menu did not open"
sleep 0.15
shot submenu
xdotool key Return
ran() { [[ -s $marker ]]; }
wait_for 5 ran || fail "no viewer ran (xdg-open log: $(cat "$open_log" 2>/dev/null))"
expected=$(printf '%s\n' standin-viewer "$tmp/files/notes 1%.txt")
[[ $(cat "$marker") == "$expected" ]] || fail "the first item ran as: $(cat "$marker") (expected: $expected)"
[[ ! -s $open_log ]] || fail "the desktop opener was asked too: $(cat "$open_log")"
ok "Open With listed the default viewer first and started it with the file's path"
step_end
