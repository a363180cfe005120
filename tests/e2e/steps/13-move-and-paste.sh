#!/usr/bin/env bash
# An icon dragged inside the window moves; the options dialog closes on
# Escape without a change; Ctrl+V pastes a file offered as text/uri-list by
# xclip, and the paste's save keeps the moved icon's place.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 13 "move an icon by dragging, then paste a copied file with Ctrl+V" "${1:-build-tests}"
command -v xclip >/dev/null 2>&1 || fail "xclip is missing (run scripts/deps.sh)"

make_file alpha.txt
make_file gamma.txt
before=("0=$tmp/files/alpha.txt|alpha.txt" "1=http://example.org|example.org" "2=https://example.org/page.html|Example page"
  "3=$tmp/files/gamma.txt|gamma.txt")
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=0 SView=1 "${before[0]}|15|0" "${before[1]}|2415|0" \
  "${before[2]}|15|330" "${before[3]}|2415|330"
start_window
read -r mx my mw mh _ <<<"$(geom "$win")"
small_point 3
drag_from $((mx + point_x)) $((my + point_y)) $((mx + 230)) $((my + 150))
sleep 0.3
file4="$tmp/files/delta file.txt"
echo delta >"$file4"
printf 'file://%s\r\n' "${tmp// /%20}/files/delta%20file.txt" |
  xclip -quiet -selection clipboard -t text/uri-list >/dev/null 2>&1 &
source_pid=$!
clipboard_ready() { xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -q text/uri-list; }
wait_for 5 clipboard_ready || fail "xclip did not take the clipboard"
# The options dialog opened and closed with Escape: nothing changes, and the
# launcher has the focus again.
open_options
xdotool windowactivate --sync "$found" 2>/dev/null || true
xdotool key Escape
wait_for 5 gone_titled "$app_pid" "Tessaflow - Options" || fail "Escape did not close the options dialog"
key_is SView 1 || fail "closing with Escape changed SView: $(profile | grep -i '^SView=')"
wait_for 3 launcher_active || fail "the launcher did not get the focus back"
# The list gets the focus, clicked where there is no icon.
xdotool mousemove --window "$win" 330 200 click 1
sleep 0.2
xdotool key ctrl+v
pasted() { entries_are "${before[@]}" "4=$file4|delta file.txt"; }
wait_for 5 pasted || fail "the profile does not end with \"delta file.txt\": $(entries | tr '\n' ' ')"
stop "$source_pid"
source_pid=''
read -r _ gamma_top <<<"$(entry_pixels 3)"
((gamma_top >= 100)) || fail "gamma.txt was not moved by the drag inside the window (top ${gamma_top}px)"
shot paste
ok "\"delta file.txt\" added from the clipboard; gamma.txt dragged down to ${gamma_top}px; Escape closed the options"
step_end
