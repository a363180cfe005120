#!/usr/bin/env bash
# End-to-end run of the real tessaflow binary in a private X session (Xvfb,
# openbox, trayer), driven with xdotool: first start, a real X drop of two
# files, opening a shortcut, adding a web address, deleting after the
# question, the options dialog, hiding to the tray and back, a web link
# dropped with its title, a drag of plain text refused, the window back from
# the tray where it was, a second start, Ctrl+V, starting at login, a
# shortcut dragged out, drops in every view and arrangement, a paste of mixed
# lines, round trips of views, Exit from the tray menu. Every step is checked
# through the window system, its pictures or the profile.
#
#   bash tests/e2e/run.sh [BUILD_DIR]      (default: build-tests)
#
# Screenshots of every step go to $E2E_SHOTS (default BUILD_DIR/e2e-shots).
# E2E_KEEP=1 keeps the temporary folder (profile, logs) after a passing run;
# after a failure it is always kept.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

say() { printf 'e2e: %s\n' "$*"; }
die() { printf 'e2e: %s\n' "$*" >&2; exit 1; }

# --- what to run ---------------------------------------------------------

build_arg=${1:-build-tests}
if [[ -d $build_arg ]]; then
  build=$(cd "$build_arg" && pwd)
elif [[ $build_arg != /* && -d $repo/$build_arg ]]; then
  build=$(cd "$repo/$build_arg" && pwd)
else
  die "build folder '$build_arg' not found (build first: cmake -S . -B build-tests -G Ninja && cmake --build build-tests)"
fi

# The launcher sits at the top of the build tree; the drag source wherever
# CMake put it (tests/e2e/ in a default layout).
find_built() {
  local name=$1 preferred=$2
  if [[ -f $preferred && -x $preferred ]]; then
    printf '%s\n' "$preferred"
    return 0
  fi
  find "$build" -maxdepth 5 -type f -name "$name" -perm -u+x -not -path '*/CMakeFiles/*' 2>/dev/null | head -n 1
}
app_bin=$(find_built tessaflow "$build/tessaflow")
dragsource_bin=$(find_built tessaflow_dragsource "$build/tests/e2e/tessaflow_dragsource")
[[ -n $app_bin ]] || die "no tessaflow executable under $build"
[[ -n $dragsource_bin ]] ||
  die "no tessaflow_dragsource under $build (configure with -DTESSAFLOW_TESTS=ON and build target tessaflow_dragsource)"

missing=()
for tool in Xvfb openbox trayer xdotool xwininfo xprop import; do
  command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
done
((${#missing[@]} == 0)) || die "missing tools: ${missing[*]} (run scripts/deps.sh)"

shots=${E2E_SHOTS:-$build/e2e-shots}
mkdir -p "$shots"
shots=$(cd "$shots" && pwd)
rm -f "$shots"/step*.png

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tessaflow-e2e.XXXXXX")

# --- cleanup -------------------------------------------------------------

xvfb_pid='' wm_pid='' tray_pid='' app_pid='' source_pid=''
passed=0
finished=0

source "$repo/tests/e2e/poll.sh"

cleanup() {
  local status=$?
  trap - EXIT INT TERM
  stop "$source_pid"
  stop "$app_pid"
  stop "$tray_pid"
  stop "$wm_pid"
  stop "$xvfb_pid"
  if ((finished)) && [[ ${E2E_KEEP:-0} != 1 ]]; then
    rm -rf "$tmp"
  else
    say "kept $tmp (profile, logs)"
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- helpers -------------------------------------------------------------

step=0
begin() {
  step=$1
  shift
  say "step $step: $*"
}

shot() { import -window root "$shots/step$step-$1.png" 2>/dev/null || true; }

fail() {
  printf 'e2e: step %s FAILED: %s\n' "$step" "$*" >&2
  shot failed
  if [[ -f $tmp/app/tsw.ini ]]; then
    echo "--- tsw.ini (non-empty entries) ---" >&2
    tr -d '\r' <"$tmp/app/tsw.ini" | grep -v '^[0-9]*=$' >&2 || true
  fi
  if [[ -s $tmp/tessaflow.log ]]; then
    echo "--- tessaflow output (last lines) ---" >&2
    tail -n 20 "$tmp/tessaflow.log" >&2
  fi
  say "screenshots in $shots"
  say "$passed passed, 1 failed"
  exit 1
}

ok() {
  passed=$((passed + 1))
  say "step $step ok - $*"
}

# geom WIN: "x y width height map-state override-redirect" of a window.
geom() {
  xwininfo -id "$1" 2>/dev/null | awk -F': *' '
    /Absolute upper-left X/ {x = $2}
    /Absolute upper-left Y/ {y = $2}
    /^ *Width/ {w = $2}
    /^ *Height/ {h = $2}
    /Map State/ {m = $2}
    /Override Redirect State/ {o = $2}
    END { if (w == "") exit 1; print x, y, w, h, m, o }'
}

# Visible, managed windows of a process whose title is exactly TITLE (the
# tray icon and pop-ups are unmanaged; the tray icon is titled "Tessaflow").
windows_titled() {
  local pid=$1 title=$2 win
  for win in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true); do
    [[ $(xdotool getwindowname "$win" 2>/dev/null) == "$title" ]] || continue
    [[ $(geom "$win") == *" no" ]] && printf '%s\n' "$win"
  done
  return 0
}

# Sets $found to the one visible window of PID titled TITLE, within SECONDS.
find_titled() {
  local seconds=$1 pid=$2 title=$3 list
  found=''
  has_titled() {
    list=$(windows_titled "$pid" "$title")
    [[ -n $list ]]
  }
  wait_for "$seconds" has_titled || return 1
  if (($(wc -l <<<"$list") != 1)); then
    fail "more than one window titled \"$title\": $(tr '\n' ' ' <<<"$list")"
  fi
  found=$list
}

gone_titled() { [[ -z $(windows_titled "$1" "$2") ]]; }

# Pop-up windows (menus, combo lists) of the launcher: mapped, unmanaged,
# neither the tray icon nor a tooltip.
popups() {
  local win g
  for win in $(xdotool search --onlyvisible --pid "$app_pid" 2>/dev/null || true); do
    [[ $win == "${tray_icon:-}" ]] && continue
    g=$(geom "$win") || continue
    [[ $g == *" IsViewable yes" ]] || continue
    xprop -id "$win" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q TOOLTIP && continue
    printf '%s\n' "$win"
  done
  return 0
}
has_popup() { popup=$(popups | tail -n 1); [[ -n $popup ]]; }
no_popup() { [[ -z $(popups) ]]; }

# Opens a pop-up with a click and sets $popup; keys typed before the pop-up
# has grabbed the keyboard would go to the window below it.
open_popup() {
  local what=$1
  shift
  wait_for 3 no_popup || fail "a pop-up is still open before the $what"
  xdotool "$@"
  wait_for 5 has_popup || fail "the $what did not appear"
  sleep 0.15
}

# The profile, without CR line ends.
profile() { tr -d '\r' <"$tmp/app/tsw.ini" 2>/dev/null; }

# The non-empty numbered entries as "N=target|caption", in key order.
entries() {
  profile | awk -F'=' '/^[0-9]+=./ {
      n = $1; sub(/^[0-9]+=/, "")
      split($0, f, "|"); print n "\t" n "=" f[1] "|" f[2]
    }' | sort -n -k1,1 | cut -f2-
}

# The profile's numbered entries are exactly the arguments, in order.
entries_are() {
  local expected
  expected=$(printf '%s\n' "$@")
  [[ $(entries) == "$expected" ]]
}

key_is() { profile | grep -qx -- "$1=$2"; }

# "left top" in pixels of entry N, from its stored position in twips.
entry_pixels() {
  profile | awk -F'|' -v key="$1=" 'index($0, key) == 1 {
      printf "%d %d\n", $3 / 15, $4 / 15; found = 1; exit }
    END { exit !found }'
}

# Client coordinates of the middle of entry N's icon in large-icon view: icons
# sit in 80x70 px cells, centred at the top, inside the list's 1 px frame.
icon_point() {
  local px
  px=$(entry_pixels "$1") || fail "no entry $1 in the profile"
  read -r left top <<<"$px"
  point_x=$((left / 80 * 80 + 41))
  point_y=$((top / 70 * 70 + 18))
}

# client_shot FILE: the launcher's client area, from a screenshot of the screen.
client_shot() {
  local cx cy cw ch
  read -r cx cy cw ch _ <<<"$(geom "$win")"
  import -window root png:- 2>/dev/null | convert - -crop "${cw}x${ch}+${cx}+${cy}" +repage "$1"
}

# Pixels that are not white in a band across the middle of the list, where
# the empty list's hint is written.
hint_pixels() {
  local cx cy cw ch
  read -r cx cy cw ch _ <<<"$(geom "$win")"
  import -window root png:- 2>/dev/null |
    convert - -crop "$((cw * 3 / 5))x30+$((cx + cw / 5))+$((cy + ch / 2 - 15))" +repage \
      -fill black +opaque white -format '%[fx:int((1-mean)*w*h+0.5)]' info:
}

# options ARRANGE VIEW: sets both in the options dialog with the keyboard
# (its labels' access keys), then closes it with its Close button.
options() {
  local arrange=$1 view=$2 i
  open_popup "context menu" mousemove --window "$win" 330 200 click 3
  # Up from the top of the menu wraps to its last item, Options.
  xdotool key Up Return
  find_titled 5 "$app_pid" "Tessaflow - Options" || fail "no dialog titled \"Tessaflow - Options\""
  xdotool windowactivate --sync "$found" 2>/dev/null || true
  xdotool key alt+a Home
  for ((i = 0; i < arrange; i++)); do xdotool key Down; done
  xdotool key alt+v Home
  for ((i = 0; i < view; i++)); do xdotool key Down; done
  xdotool key alt+c
  wait_for 5 gone_titled "$app_pid" "Tessaflow - Options" || fail "the options dialog did not close on Alt+C"
  set_to() { key_is Arrange "$arrange" && key_is SView "$view"; }
  wait_for 5 set_to || fail "closing the dialog did not save Arrange=$arrange SView=$view: $(profile | grep -E '^(Arrange|SView)=' | tr '\n' ' ')"
  xdotool mousemove 0 0
  sleep 0.3
}

# The stored positions of every entry: "N=left|top" per line.
positions() { profile | awk -F'|' '/^[0-9]+=./ { split($1, k, "="); print k[1] "=" $3 "|" $4 }' | sort -n; }

# --- the X session -------------------------------------------------------

mkdir -p "$tmp/app" "$tmp/bin" "$tmp/files" "$tmp/home" "$tmp/config" "$tmp/cache" "$tmp/runtime"
chmod 700 "$tmp/runtime"

# Xvfb picks a free display itself and writes its number once it accepts
# connections.
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset \
  3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
display_ready() { [[ $(wc -l <"$tmp/display") -ge 1 ]] || { alive "$xvfb_pid" || fail "Xvfb ended: $(tail -n 3 "$tmp/xvfb.log")"; false; }; }
wait_for 10 display_ready || die "Xvfb did not start: $(tail -n 5 "$tmp/xvfb.log")"

display_number=$(head -n 1 "$tmp/display")
export DISPLAY=":$display_number"
export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
# Only the X tray protocol, never a desktop's status-notifier service.
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY XDG_CURRENT_DESKTOP XDG_SESSION_TYPE QT_QPA_PLATFORMTHEME
export XAUTHORITY=/dev/null

# A plain backdrop instead of black, for readable screenshots.
if command -v xsetroot >/dev/null 2>&1; then
  xsetroot -solid '#6b7b8c' 2>/dev/null || true
fi

openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
wm_pid=$!
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
wait_for 10 wm_ready || die "openbox did not start: $(tail -n 5 "$tmp/openbox.log")"

trayer --edge bottom --align right --widthtype pixel --width 120 --height 28 \
  >"$tmp/trayer.log" 2>&1 &
tray_pid=$!
tray_ready() { [[ -n $(xdotool search --pid "$tray_pid" 2>/dev/null || true) ]] ||
  [[ -n $(xdotool search --class '^trayer$' 2>/dev/null || true) ]]; }
wait_for 10 tray_ready || die "trayer did not start: $(tail -n 5 "$tmp/trayer.log")"

# The desktop opener: records each call, one line per call, and succeeds.
open_log=$tmp/xdg-open.log
cat >"$tmp/bin/xdg-open" <<EOF
#!/bin/sh
{ printf 'argc=%d' "\$#"; for a in "\$@"; do printf ' [%s]' "\$a"; done; echo; } >>$(printf '%q' "$open_log")
EOF
chmod +x "$tmp/bin/xdg-open"
export PATH=$tmp/bin:$PATH

cp "$app_bin" "$tmp/app/tessaflow"
ini=$tmp/app/tsw.ini
title='Tessaflow by tessaflow.org - v1.1.0'
say "display $DISPLAY, profile $ini, screenshots in $shots"

# move_apart WIN WHAT: moves another program's window to the top left, apart
# from the launcher so the pointer travels from one to the other; sets
# $apart to its "x y width height" and mx my mw mh to the launcher's.
move_apart() {
  local other=$1 what=$2 ox oy ow oh
  xdotool windowmove "$other" 10 10
  moved() { read -r ox oy ow oh _ <<<"$(geom "$other")" && ((ox < 40 && oy < 60)); }
  wait_for 5 moved || fail "the $what window could not be moved"
  read -r mx my mw mh _ <<<"$(geom "$win")"
  if ((ox < mx + mw && mx < ox + ow && oy < my + mh && my < oy + oh)); then
    fail "the $what ($ox,$oy ${ow}x$oh) overlaps the launcher ($mx,$my ${mw}x$mh)"
  fi
  apart="$ox $oy $ow $oh"
}

# drag_from X Y TO_X TO_Y [SHOT]: a left-button drag in screen coordinates.
# The first moves start the drag inside the source; then in steps to the
# target, giving each position time to be answered by it. SHOT names a
# screenshot taken while hovering.
drag_from() {
  local fx=$1 fy=$2 tx=$3 ty=$4 i
  xdotool mousemove "$fx" "$fy"
  xdotool mousedown 1
  for i in 1 2 3; do
    xdotool mousemove $((fx + 4 * i)) $((fy + 3 * i))
    sleep 0.05
  done
  for i in $(seq 1 10); do
    xdotool mousemove $((fx + (tx - fx) * i / 10)) $((fy + (ty - fy) * i / 10))
    sleep 0.05
  done
  xdotool mousemove $((tx + 2)) $((ty + 2))
  sleep 0.3
  [[ -z ${5:-} ]] || shot "$5"
  xdotool mouseup 1
}

# drag_from_source ARGS...: starts the drag source with ARGS, drags from it
# onto the launcher's list through the X drag-and-drop protocol and sets
# $source_status to its exit status (0 accepted, 1 refused).
drag_from_source() {
  "$dragsource_bin" --timeout 20 "$@" >"$tmp/dragsource.log" 2>&1 &
  source_pid=$!
  find_titled 10 "$source_pid" "Tessaflow drag source" || fail "the drag source window did not appear"
  source_win=$found
  move_apart "$source_win" "drag source"
  read -r sx sy sw sh <<<"$apart"
  drag_from $((sx + sw / 2)) $((sy + sh / 2)) $((mx + 250)) $((my + 170)) hover
  source_done() { ! alive "$source_pid"; }
  wait_for 10 source_done || fail "the drag did not end: $(cat "$tmp/dragsource.log")"
  source_status=0
  wait "$source_pid" || source_status=$?
  source_pid=''
}

# --- 1. first start ------------------------------------------------------

begin 1 "first start without a profile"
[[ ! -e $ini ]] || fail "a profile exists before the first start"
(cd "$tmp/app" && exec ./tessaflow) >"$tmp/tessaflow.log" 2>&1 &
app_pid=$!
find_titled 10 "$app_pid" "$title" || fail "no window titled \"$title\" within 10 s"
win=$found
tray_icon=''
# The tray icon: a small window of the launcher inside trayer's panel.
find_tray_icon() {
  local panel w g px py pw ph x y iw ih
  for panel in $(xdotool search --onlyvisible --class '^trayer$' 2>/dev/null || true); do
    g=$(geom "$panel") || continue
    read -r px py pw ph _ <<<"$g"
    for w in $(xdotool search --onlyvisible --class '^tessaflow$' 2>/dev/null || true); do
      g=$(geom "$w") || continue
      read -r x y iw ih _ <<<"$g"
      if ((iw <= 32 && ih <= 32 && x >= px && y >= py && x + iw <= px + pw && y + ih <= py + ph)); then
        tray_icon=$w
        return 0
      fi
    done
  done
  return 1
}
wait_for 5 find_tray_icon || fail "no tray icon of class tessaflow inside trayer's panel"
read -r _ _ _ _ map _ <<<"$(geom "$win")"
[[ $map == IsViewable ]] || fail "the main window is not shown ($map)"
hint_written() { (($(hint_pixels) > 50)); }
wait_for 3 hint_written || fail "the empty list shows no hint in its middle ($(hint_pixels) dark pixels)"
shot start
ok "window \"$title\" shown with its hint, tray icon $tray_icon"

# --- 2. a drop of two files through the X drag-and-drop protocol ---------

begin 2 "drop two files from another program"
file1=$tmp/files/alpha.txt
file2="$tmp/files/beta notes.txt"
echo alpha >"$file1"
echo beta >"$file2"
drag_from_source "$file1" "$file2"
((source_status == 0)) || fail "the drop was not accepted (drag source: $(grep dragsource: "$tmp/dragsource.log" || echo "exit $source_status"))"
expected_after_drop=("0=$file1|alpha.txt" "1=$file2|beta notes.txt")
dropped() { [[ -f $ini ]] && entries_are "${expected_after_drop[@]}"; }
wait_for 5 dropped || fail "the profile does not hold the two dropped files: $(entries | tr '\n' ' ')"
# The full stored form starts with target|caption| and goes on with a position.
profile | grep -qF -- "0=$file1|alpha.txt|" || fail "entry 0 is not \"0=$file1|alpha.txt|…\""
profile | grep -qF -- "1=$file2|beta notes.txt|" || fail "entry 1 is not \"1=$file2|beta notes.txt|…\""
xdotool mousemove 0 0
hint_gone() { (($(hint_pixels) == 0)); }
wait_for 3 hint_gone || fail "the hint is still shown with two shortcuts ($(hint_pixels) dark pixels)"
shot drop
ok "two shortcuts added and saved: alpha.txt, beta notes.txt; the hint went"

# --- 3. a double-click opens the target through the desktop opener -------

begin 3 "double-click the first shortcut"
icon_point 0
xdotool mousemove --window "$win" "$point_x" "$point_y" click --repeat 2 --delay 80 1
opened() { [[ -s $open_log ]]; }
wait_for 5 opened || fail "xdg-open was not run within 5 s"
# A second run would show up within this time.
sleep 0.5
expected_open="argc=1 [$file1]"
if [[ $(cat "$open_log") != "$expected_open" ]]; then
  fail "xdg-open got \"$(tr '\n' '/' <"$open_log")\", expected \"$expected_open\" once"
fi
shot open
ok "xdg-open ran once with $file1"

# --- 4. adding a web address ---------------------------------------------

begin 4 "add a web address from the context menu"
open_popup "context menu" mousemove --window "$win" 250 180 click 3
shot menu
xdotool key a
find_titled 5 "$app_pid" "Tessaflow - Add URL" || fail "no prompt titled \"Tessaflow - Add URL\""
prompt=$found
xdotool windowactivate --sync "$prompt" 2>/dev/null || true
# Not an address: the prompt stays open with the text, saying why.
xdotool key ctrl+a
xdotool type --delay 20 'not a url at all'
xdotool key Return
sleep 0.5
[[ -n $(windows_titled "$app_pid" "Tessaflow - Add URL") ]] || fail "the prompt closed on text that is no address"
profile 2>/dev/null | grep -q 'not a url' && fail "text that is no address was saved"
shot refused
xdotool key ctrl+a
xdotool type --delay 20 example.org
shot prompt
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow - Add URL" || fail "the prompt did not close"
expected_after_url=("${expected_after_drop[@]}" "2=http://example.org|example.org")
url_added() { entries_are "${expected_after_url[@]}"; }
wait_for 5 url_added || fail "the profile does not end with 2=http://example.org|example.org: $(entries | tr '\n' ' ')"
profile | grep -qF -- "2=http://example.org|example.org|" || fail "entry 2 is not \"2=http://example.org|example.org|…\""
ok "\"not a url at all\" refused with the prompt left open; \"example.org\" saved as http://example.org"

# --- 5. deleting after the question --------------------------------------

begin 5 "delete the second shortcut"
icon_point 1
xdotool mousemove --window "$win" "$point_x" "$point_y" click 1
sleep 0.1
open_popup "context menu" click 3
xdotool key d
find_titled 5 "$app_pid" "Tessaflow" || fail "no question box titled \"Tessaflow\""
question=$found
owner=$(xprop -id "$question" WM_TRANSIENT_FOR 2>/dev/null | awk '{print $NF}')
[[ -n $owner && $((owner)) == "$win" ]] || fail "the question box does not belong to the main window (transient for '$owner')"
shot question
# Yes is the default button.
xdotool windowactivate --sync "$question" 2>/dev/null || true
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow" || fail "the question box did not close"
expected_after_delete=("0=$file1|alpha.txt" "1=http://example.org|example.org")
deleted() { entries_are "${expected_after_delete[@]}"; }
wait_for 5 deleted || fail "after Yes the profile holds: $(entries | tr '\n' ' ')"
shot deleted
ok "question box shown, \"beta notes.txt\" deleted and the rest renumbered"

# --- 6. the options dialog -----------------------------------------------

begin 6 "switch to small icons in the options dialog"
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

# --- 7. minimising hides to the tray -------------------------------------

begin 7 "minimise"
xdotool windowminimize "$win"
withdrawn() {
  [[ $(geom "$win") == *" IsUnMapped "* ]] && xprop -id "$win" WM_STATE 2>&1 | grep -q 'not found'
}
wait_for 5 withdrawn || fail "the window is not withdrawn: $(geom "$win"), $(xprop -id "$win" WM_STATE 2>&1 | tr '\n' ' ')"
shot hidden
ok "window withdrawn (unmapped, no WM_STATE)"

# --- 8. the tray icon brings it back -------------------------------------

begin 8 "click the tray icon"
read -r _ _ tw th _ <<<"$(geom "$tray_icon")"
xdotool mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 1
shown() {
  [[ $(geom "$win") == *" IsViewable "* ]] && xprop -id "$win" WM_STATE 2>/dev/null | grep -q 'Normal'
}
wait_for 5 shown || fail "the window was not restored: $(geom "$win")"
shot restored
ok "window mapped again in normal state"

# --- 9. a web link dropped from a browser -------------------------------

begin 9 "drop a web link with its title"
drag_from_source --link-title "Example page" "https://example.org/page.html"
((source_status == 0)) || fail "the link drop was not accepted ($(cat "$tmp/dragsource.log"))"
expected_at_exit=("${expected_after_delete[@]}" "2=https://example.org/page.html|Example page")
link_added() { entries_are "${expected_at_exit[@]}"; }
wait_for 5 link_added || fail "the profile does not end with the link: $(entries | tr '\n' ' ')"
xdotool mousemove 0 0
shot link
ok "https://example.org/page.html saved, captioned \"Example page\""

# --- 10. a drag with nothing to add is refused ---------------------------

begin 10 "drag plain text over the list"
before_refused=$(profile)
drag_from_source --text "just some words"
((source_status == 1)) || fail "a drag of plain text was not refused ($(cat "$tmp/dragsource.log"))"
grep -q refused "$tmp/dragsource.log" || fail "the drag source did not see a refusal: $(cat "$tmp/dragsource.log")"
sleep 0.3
[[ $(profile) == "$before_refused" ]] || fail "the profile changed after a refused drag"
ok "refused while hovering; nothing added or saved"

# --- 11. back from the tray where it was ---------------------------------

begin 11 "move and resize through the window manager, minimise, restore"
# The frame openbox put around the window: the top-level ancestor.
frame_of() {
  local w=$1 parent
  while parent=$(xwininfo -tree -id "$w" 2>/dev/null | awk '/Parent window id/ {print $4}'); do
    [[ -n $parent && $parent != "$(xwininfo -root | awk '/Window id/ {print $4}')" ]] || break
    w=$parent
  done
  geom "$w" | cut -d' ' -f1-4
}
xdotool windowsize "$win" 430 310
xdotool windowmove "$win" 80 120
# xdotool asks for the client's place; openbox puts the frame around it.
settled() { read -r cx cy cw ch _ <<<"$(geom "$win")" && ((cx == 80 && cy == 120 && cw == 430 && ch == 310)); }
wait_for 5 settled || fail "openbox did not move the window to 80,120 430x310: $(geom "$win")"
sleep 0.3
frame_before=$(frame_of "$win")
client_before=$(geom "$win" | cut -d' ' -f1-4)
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window did not go to the tray"
xdotool mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 1
wait_for 5 shown || fail "the window was not restored: $(geom "$win")"
same_place() { [[ $(frame_of "$win") == "$frame_before" && $(geom "$win" | cut -d' ' -f1-4) == "$client_before" ]]; }
wait_for 3 same_place || fail "restored at frame $(frame_of "$win") (client $(geom "$win" | cut -d' ' -f1-4)), was $frame_before (client $client_before)"
shot back
# Moved once more and left in the tray: Exit must save this frame.
xdotool windowmove "$win" 140 150
moved_again() { read -r cx cy _ <<<"$(geom "$win")" && ((cx == 140 && cy == 150)); }
wait_for 5 moved_again || fail "openbox did not move the window to 140,150: $(geom "$win")"
sleep 0.3
frame_at_exit=$(frame_of "$win")
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window did not go to the tray again"
ok "frame back at $frame_before, client $client_before; hidden again at $frame_at_exit"

# --- 12. a second start hands over to the running copy --------------------

begin 12 "a second start restores the first copy and adds its argument"
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window was not hidden before the second start"
file3=$tmp/files/gamma.txt
echo gamma >"$file3"
second_status=0
# A relative path, from the second start's own working folder.
(cd "$tmp/files" && exec timeout 20 "$tmp/app/tessaflow" gamma.txt) >"$tmp/second.log" 2>&1 || second_status=$?
((second_status == 0)) || fail "the second start ended with status $second_status: $(cat "$tmp/second.log")"
wait_for 5 shown || fail "the first copy's window did not come back: $(geom "$win")"
where_hidden() { [[ $(frame_of "$win") == "$frame_at_exit" ]]; }
wait_for 3 where_hidden || fail "back at frame $(frame_of "$win"), hidden at $frame_at_exit"
expected_at_exit+=("${#expected_at_exit[@]}=$file3|gamma.txt")
handed_over() { entries_are "${expected_at_exit[@]}"; }
wait_for 5 handed_over || fail "the profile does not end with gamma.txt: $(entries | tr '\n' ' ')"
(($(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | wc -l) == 1)) || fail "more than one launcher window"
shot second-start
ok "second start ended with status 0; the first copy came back and added gamma.txt"

# --- 13. moving an icon; Ctrl+V pastes what a file manager copied --------

begin 13 "move an icon by dragging, then paste a copied file with Ctrl+V"
# Small icons: a 16 px icon at the left of each 160 x 22 cell.
small_point() {
  local px
  px=$(entry_pixels "$1") || fail "no entry $1 in the profile"
  read -r left top <<<"$px"
  point_x=$((left + 10)) point_y=$((top + 12))
}
# First an icon moved by hand inside the window; the paste's save keeps its place.
read -r mx my mw mh _ <<<"$(geom "$win")"
gamma_key=$((${#expected_at_exit[@]} - 1))
small_point "$gamma_key"
drag_from $((mx + point_x)) $((my + point_y)) $((mx + 230)) $((my + 150))
sleep 0.3
command -v xclip >/dev/null 2>&1 || fail "xclip is missing (run scripts/deps.sh)"
file4="$tmp/files/delta file.txt"
echo delta >"$file4"
printf 'file://%s\r\n' "${tmp// /%20}/files/delta%20file.txt" |
  xclip -quiet -selection clipboard -t text/uri-list >/dev/null 2>&1 &
source_pid=$!
clipboard_ready() { xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -q text/uri-list; }
wait_for 5 clipboard_ready || fail "xclip did not take the clipboard"
# The options dialog opened and closed with Escape (nothing changes): back
# from the tray the window has the X focus without the program being told,
# and closing the dialog hands it over anew.
open_popup "context menu" mousemove --window "$win" 330 200 click 3
xdotool key Up Return
find_titled 5 "$app_pid" "Tessaflow - Options" || fail "no dialog titled \"Tessaflow - Options\""
xdotool windowactivate --sync "$found" 2>/dev/null || true
xdotool key Escape
wait_for 5 gone_titled "$app_pid" "Tessaflow - Options" || fail "Escape did not close the options dialog"
key_is SView 1 || fail "closing with Escape changed SView: $(profile | grep -i '^SView=')"
launcher_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$win" ]]; }
wait_for 3 launcher_active || fail "the launcher did not get the focus back"
# The list gets the focus, clicked where there is no icon.
xdotool mousemove --window "$win" 330 200 click 1
sleep 0.2
xdotool key ctrl+v
expected_at_exit+=("${#expected_at_exit[@]}=$file4|delta file.txt")
pasted() { entries_are "${expected_at_exit[@]}"; }
wait_for 5 pasted || fail "the profile does not end with \"delta file.txt\": $(entries | tr '\n' ' ')"
stop "$source_pid"
source_pid=''
read -r _ gamma_top <<<"$(entry_pixels "$gamma_key")"
((gamma_top >= 100)) || fail "gamma.txt was not moved by the drag inside the window (top ${gamma_top}px)"
shot paste
ok "\"delta file.txt\" added from the clipboard; gamma.txt dragged down to ${gamma_top}px; Escape closed the options"

# --- 14. starting at login ------------------------------------------------

begin 14 "Start at Login in the tray menu, on and off"
login_entry=$XDG_CONFIG_HOME/autostart/tessaflow.desktop
read -r _ _ tw th _ <<<"$(geom "$tray_icon")"
open_popup "tray menu (login on)" mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 3
xdotool key l
login_on() { [[ -f $login_entry ]]; }
wait_for 5 login_on || fail "no $login_entry"
# The menu's grab goes a moment after the menu itself.
sleep 0.5
grep -qxF "Exec=$tmp/app/tessaflow --minimized" "$login_entry" || fail "the entry's Exec: $(grep Exec "$login_entry")"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$login_entry" >"$tmp/validate.log" 2>&1 || fail "invalid entry: $(cat "$tmp/validate.log")"
fi
open_popup "tray menu (login off)" mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 3
shot login-checked
xdotool key l
login_off() { [[ ! -e $login_entry ]]; }
wait_for 5 login_off || fail "$login_entry is still there"
ok "the login entry appeared (Exec=$tmp/app/tessaflow --minimized) and went away"

# --- 15. dragging a shortcut out ------------------------------------------

begin 15 "drag a shortcut out onto another program"
droptarget_bin=$(find_built tessaflow_droptarget "$build/tests/e2e/tessaflow_droptarget")
[[ -n $droptarget_bin ]] || fail "no tessaflow_droptarget under $build"
"$droptarget_bin" --timeout 20 >"$tmp/droptarget.log" 2>&1 &
source_pid=$!
find_titled 10 "$source_pid" "Tessaflow drop target" || fail "the drop target window did not appear"
target_win=$found
move_apart "$target_win" "drop target"
read -r tx ty tw2 th2 <<<"$apart"
small_point 0
drag_from $((mx + point_x)) $((my + point_y)) $((tx + tw2 / 2)) $((ty + th2 / 2))
target_done() { ! alive "$source_pid"; }
wait_for 10 target_done || fail "nothing was dropped on the target: $(cat "$tmp/droptarget.log")"
target_status=0
wait "$source_pid" || target_status=$?
source_pid=''
((target_status == 0)) || fail "the drop target ended with status $target_status: $(cat "$tmp/droptarget.log")"
grep -qxF "uri: file://$file1" "$tmp/droptarget.log" || fail "the drop target got: $(tr '\n' ' ' <"$tmp/droptarget.log")"
grep -qxF "text: $file1" "$tmp/droptarget.log" || fail "the plain text of the drag is not the path: $(tr '\n' ' ' <"$tmp/droptarget.log")"
grep -qx "action: move" "$tmp/droptarget.log" && fail "the shortcut was offered as a move"
shot drag-out
# To the tray and back, so the window manager hands the focus over anew:
# after a drag onto another program that quits, Qt may not know it has it.
xdotool windowminimize "$win"
wait_for 5 withdrawn || fail "the window was not hidden after the drags"
read -r _ _ tw th _ <<<"$(geom "$tray_icon")"
xdotool mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 1
wait_for 5 shown || fail "the window did not come back from the tray"
entries_are "${expected_at_exit[@]}" || fail "the drags changed the entries: $(entries | tr '\n' ' ')"
ok "the drop target got file://$file1 ($(grep '^action' "$tmp/droptarget.log")); no shortcut added"

# --- 16. drops in every arrangement and view -----------------------------

begin 16 "drop a file in every arrangement and view"
for combo in "1 0" "2 1" "0 2" "1 2"; do
  read -r arrange view <<<"$combo"
  options "$arrange" "$view"
  dropped_file=$tmp/files/drop-$arrange-$view.txt
  echo x >"$dropped_file"
  drag_from_source "$dropped_file"
  ((source_status == 0)) || fail "a drop was refused with Arrange=$arrange SView=$view ($(cat "$tmp/dragsource.log"))"
  expected_at_exit+=("${#expected_at_exit[@]}=$dropped_file|drop-$arrange-$view.txt")
  wait_for 5 pasted || fail "the drop with Arrange=$arrange SView=$view was not saved: $(entries | tail -n 2 | tr '\n' ' ')"
  xdotool mousemove 0 0
  shot "drop-$arrange-$view"
done
ok "drops taken with Arrange/SView 1/0, 2/1, 0/2 and 1/2"

# --- 17. a paste of several lines of text --------------------------------

begin 17 "paste lines of text: what names something is added, the rest is said"
file5=$tmp/files/epsilon.txt
echo epsilon >"$file5"
printf 'https://example.net/wiki\n%s\nthis line is a sentence\nwww.example.com\n' "$file5" |
  xclip -quiet -selection clipboard >/dev/null 2>&1 &
source_pid=$!
text_ready() { xclip -o -selection clipboard 2>/dev/null | grep -q sentence; }
wait_for 5 text_ready || fail "xclip did not take the clipboard"
wait_for 3 launcher_active || xdotool windowactivate --sync "$win" 2>/dev/null || true
# The list gets the focus, clicked where there is no icon.
xdotool mousemove --window "$win" 330 200 click 1
sleep 0.2
xdotool key ctrl+v
n=${#expected_at_exit[@]}
expected_at_exit+=("$n=https://example.net/wiki|example.net › wiki" "$((n + 1))=$file5|epsilon.txt"
  "$((n + 2))=http://www.example.com|www.example.com")
wait_for 5 pasted || fail "the profile does not end with the three pasted lines: $(entries | tr '\n' ' ')"
find_titled 5 "$app_pid" "Tessaflow" || fail "no message titled \"Tessaflow\" about the line that was left out"
report=$found
shot paste-report
xdotool windowactivate --sync "$report" 2>/dev/null || true
xdotool key Return
wait_for 5 gone_titled "$app_pid" "Tessaflow" || fail "the message did not close"
stop "$source_pid"
source_pid=''
# What was pasted last is selected and has the focus: F2 renames it.
wait_for 3 launcher_active || fail "the launcher did not get the focus back after the message"
xdotool key F2
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 20 'Example'
xdotool key Return
expected_at_exit[n + 2]="$((n + 2))=http://www.example.com|Example"
wait_for 5 pasted || fail "F2 did not rename the last pasted shortcut: $(entries | tail -n 2 | tr '\n' ' ')"
ok "3 of 4 lines added (captioned \"example.net › wiki\", \"epsilon.txt\", \"www.example.com\"), the sentence reported; F2 renamed the last one"

# --- 18. round trips of views keep the user's layout ----------------------

begin 18 "change the view and back, icons placed by hand"
# The same picture of the list, and the same stored positions, as NAME.
same_as() {
  local name=$1 what=$2 differ
  [[ $(positions) == "$(cat "$tmp/$name.positions")" ]] ||
    fail "$what moved icons in the profile: $(diff "$tmp/$name.positions" <(positions) | grep '^[<>]' | head -n 4 | tr '\n' ' ')"
  wait_for 3 launcher_active || true
  sleep 0.2
  client_shot "$tmp/again.png"
  differ=$(compare -metric AE "$tmp/$name.png" "$tmp/again.png" null: 2>&1 || true)
  [[ $differ == 0 ]] || { cp "$tmp/again.png" "$shots/step$step-$name-after.png"; fail "$what: the window differs in $differ pixels"; }
}
remember() {
  positions >"$tmp/$1.positions"
  wait_for 3 launcher_active || true
  sleep 0.2
  client_shot "$tmp/$1.png"
  cp "$tmp/$1.png" "$shots/step$step-$1.png"
}
options 0 0
remember large
options 0 1
shot small
options 0 0
same_as large "Large -> Small -> Large"
options 0 2
options 0 0
same_as large "Large -> List -> Large"
options 0 1
remember small
options 0 0
options 0 1
same_as small "Small -> Large -> Small"
ok "Large -> Small -> Large, Large -> List -> Large and Small -> Large -> Small left $(positions | wc -l) positions and the window as they were"

# --- 19. Exit from the tray menu ------------------------------------------

begin 19 "Exit from the tray menu"
open_popup "tray menu" mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click 3
shot tray-menu
xdotool key e
app_done() { ! alive "$app_pid"; }
wait_for 10 app_done || fail "the launcher is still running 10 s after Exit"
app_status=0
wait "$app_pid" || app_status=$?
app_pid=''
entries_are "${expected_at_exit[@]}" ||
  fail "final entries: $(entries | tr '\n' ' '), expected: ${expected_at_exit[*]}"
key_is SView 1 || fail "final SView is not 1: $(profile | grep -i '^SView=' || echo none)"
key_is Arrange 0 || fail "final Arrange is not 0: $(profile | grep -i '^Arrange=' || echo none)"
key_is 100 '' || fail "the save did not write the empty keys up to 100"
if [[ -n ${frame_at_exit:-} ]]; then
  read -r fx fy fw fh <<<"$frame_at_exit"
  key_is Left $((fx * 15)) && key_is Top $((fy * 15)) && key_is Width $((fw * 15)) && key_is Height $((fh * 15)) ||
    fail "the window's frame before hiding ($frame_at_exit) was not saved: $(profile | grep -E '^(Top|Left|Width|Height)=' | tr '\n' ' ')"
fi
if ((app_status > 128)); then
  fail "the launcher was killed by SIG$(kill -l $((app_status - 128)) 2>/dev/null || echo $((app_status - 128))) on Exit (the profile itself was saved correctly)"
fi
((app_status == 0)) || fail "the launcher ended with status $app_status"
ok "process ended (status 0); profile holds alpha.txt, http://example.org and the dropped link, SView=1, Arrange=0"

finished=1
say "$passed passed, 0 failed"
