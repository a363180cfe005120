#!/usr/bin/env bash
# On a desk of two monitors (RandR monitors on one wide X screen), --toggle
# brings the window onto the monitor that holds the pointer, at the same place
# between that monitor's edges; a save meanwhile keeps its own place; called
# with the pointer on its own monitor it is back there; moved by the user
# while it visits, the new place is its own, and the tray brings it back there.
set -euo pipefail
export E2E_SCREEN=2304x800x24
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 23 "--toggle brings the window to the pointer's monitor" "${1:-build-tests}"
command -v xrandr >/dev/null 2>&1 || die "missing xrandr (run scripts/deps.sh)"

# Monitor "left" 1280x800 at 0,0 takes the screen's own output (so RandR drops
# the monitor it made for it, which spans both); "right" 1024x768 beside it.
xrandr --setmonitor right 1024/271x768/203+1280+0 none >/dev/null
xrandr --setmonitor left 1280/338x800/211+0+0 screen >/dev/null
(($(xrandr --listmonitors | grep -c '^ *[0-9]:') == 2)) || fail "not two monitors: $(xrandr --listmonitors | tr '\n' ' ')"

make_file alpha.txt
write_profile Top=1500 Left=3000 Height=4500 Width=6000 Arrange=0 SView=0
start_window
wait_for 5 launcher_active || fail "the window is not active after start"
read -r hx hy hw hh <<<"$(frame_of "$win")"
home="$hx $hy $hw $hh"
((hx == 200 && hy == 100)) || fail "the window did not start at its stored place: $home"

toggle() { "$app" --toggle >>"$tmp/tessaflow.log" 2>&1 || fail "--toggle ended with status $?"; }
# The frame once it has settled at the wanted place (openbox may first map it elsewhere).
frame_is() { [[ $(frame_of "$win") == "$1" ]]; }
away_and_back_with_pointer_at() {
  if shown; then
    # Past the half second in which the launcher puts a newly mapped window
    # back where it belongs: a toggle then is a person's press.
    sleep 0.6
    xdotool windowactivate "$win" 2>/dev/null || true
    wait_for 5 launcher_active || fail "the window did not become active"
    toggle
    wait_for 5 withdrawn || fail "--toggle did not send the active window to the tray"
  fi
  xdotool mousemove "$1" "$2"
  toggle
  wait_for 5 shown || fail "--toggle did not bring the window back"
}

# The same share of the room beside the window, across: the monitors span the
# whole width of the work area; upright, it only has to stay inside.
vx=$((1280 + (hx * (1024 - hw) * 2 + (1280 - hw)) / (2 * (1280 - hw))))
in_right() {
  local x y w h
  read -r x y w h <<<"$(frame_of "$win")"
  ((x == vx && y >= 0 && y + h <= 768 && w == hw && h == hh))
}
away_and_back_with_pointer_at 1800 300
wait_for 3 in_right || fail "with the pointer on the right monitor the frame is $(frame_of "$win"), expected x $vx inside 1280,0 1024x768"
wait_for 5 launcher_active || fail "the window is not active on the right monitor"
visit=$(frame_of "$win")
shot on-right
ok "--toggle with the pointer on the right monitor: from $home to $visit"

# A save while it visits (a later start adds a file): its own place is stored,
# and the window stays where it is.
"$app" "$tmp/files/alpha.txt" >>"$tmp/tessaflow.log" 2>&1 || fail "the second start ended with status $?"
added() { entries_are "0=$tmp/files/alpha.txt|alpha.txt"; }
wait_for 5 added || fail "the second start's file was not added"
key_is Left 3000 && key_is Top 1500 && key_is Width $((hw * 15)) && key_is Height $((hh * 15)) ||
  fail "saved while on the right monitor: $(profile | grep -E '^(Top|Left|Width|Height)=' | tr '\n' ' '), expected its own place $home"
frame_is "$visit" || fail "brought forward by another start, the visiting window moved to $(frame_of "$win")"
ok "a save while it visits stores its own place; another start leaves it where it is"

away_and_back_with_pointer_at 300 600
wait_for 3 frame_is "$home" || fail "with the pointer on its own monitor the frame is $(frame_of "$win"), expected $home"
ok "--toggle with the pointer on its own monitor: back at $home"

# Moved by the user on the right monitor: that place is its own now.
away_and_back_with_pointer_at 1800 300
wait_for 3 frame_is "$visit" || fail "the second visit is at $(frame_of "$win"), the first was at $visit"
# For half a second after mapping, the launcher takes a new place for the
# window manager's and puts the window back: the user moves it after that.
sleep 0.6
place_window 1700 200
sleep 0.3
moved=$(frame_of "$win")
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window did not go to the tray"
xdotool mousemove 300 600
tray_click 1
wait_for 5 shown || fail "a click on the tray icon did not bring the window back"
wait_for 3 frame_is "$moved" || fail "back from the tray at $(frame_of "$win"), moved by the user to $moved"
shot moved
stop "$app_pid"
app_pid=''
read -r mx my mw mh <<<"$moved"
key_is Left $((mx * 15)) && key_is Top $((my * 15)) ||
  fail "moved by the user to $moved, saved $(profile | grep -E '^(Top|Left)=' | tr '\n' ' ')"
ok "moved by the user while visiting, $moved is its own: the tray brings it back there and it is saved"
step_end
