# Helpers that drive and read the launcher's windows with xdotool, xwininfo,
# xprop and ImageMagick, and read its profile. Sourced (after session.sh) by
# the steps; they use $win (the main window), $app_pid, $ini and $tmp, and
# call fail, which the step defines.

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
profile() { tr -d '\r' <"$ini" 2>/dev/null; }

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

# The same in small-icon view: a 16 px icon at the left of each 160 x 22 cell.
small_point() {
  local px
  px=$(entry_pixels "$1") || fail "no entry $1 in the profile"
  read -r left top <<<"$px"
  point_x=$((left + 10)) point_y=$((top + 12))
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
  open_options
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

# The tray icon: a small window of the launcher inside trayer's panel; sets $tray_icon.
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

# A click on the middle of the tray icon with BUTTON.
tray_click() { xdotool mousemove --window "$tray_icon" $((tw / 2)) $((th / 2)) click "$1"; }

# The main window in the tray: unmapped, without WM_STATE.
withdrawn() {
  [[ $(geom "$win") == *" IsUnMapped "* ]] && xprop -id "$win" WM_STATE 2>&1 | grep -q 'not found'
}
# The main window mapped, in normal state.
shown() {
  [[ $(geom "$win") == *" IsViewable "* ]] && xprop -id "$win" WM_STATE 2>/dev/null | grep -q 'Normal'
}
launcher_active() { [[ $(xdotool getactivewindow 2>/dev/null) == "$win" ]]; }

# place_window X Y [W H]: openbox moves (and sizes) the launcher's window so
# that its client stands there; fails the step when it does not.
place_window() {
  local x=$1 y=$2 w=${3:-} h=${4:-}
  # xdotool asks for the client's place; openbox puts the frame around it.
  # Asked again until it holds: a window still settling after being brought
  # forward may set its own size over the first request.
  placed_at() {
    local cx cy cw ch
    read -r cx cy cw ch _ <<<"$(geom "$win")"
    ((cx == x && cy == y)) && { [[ -z $w ]] || ((cw == w && ch == h)); } && return 0
    [[ -n $w ]] && xdotool windowsize "$win" "$w" "$h"
    xdotool windowmove "$win" "$x" "$y"
    return 1
  }
  wait_for 5 placed_at || fail "openbox did not put the window at $x,$y ${w:+${w}x$h}: $(geom "$win")"
}

# The frame openbox put around window W (its top-level ancestor): "x y width height".
frame_of() {
  local w=$1 parent
  while parent=$(xwininfo -tree -id "$w" 2>/dev/null | awk '/Parent window id/ {print $4}'); do
    [[ -n $parent && $parent != "$(xwininfo -root | awk '/Window id/ {print $4}')" ]] || break
    w=$parent
  done
  geom "$w" | cut -d' ' -f1-4
}

# open_options: the options dialog from the context menu; sets $found to it.
open_options() {
  # Up from the top of the menu wraps to its last item, Options ("O" is shared).
  open_popup "context menu" mousemove --window "$win" 330 200 click 3
  xdotool key Up Return
  find_titled 5 "$app_pid" "Tessaflow - Options" || fail "no dialog titled \"Tessaflow - Options\""
}

hint_written() { (($(hint_pixels) > 50)); }

# Returns once the launcher has handled the input sent before: X events reach
# it in order, so a context menu opened after that input is up only once the
# input has been dealt with. The menu is closed again.
handled_input() {
  open_popup "context menu" mousemove --window "$win" 330 200 click 3
  xdotool key Escape
  wait_for 3 no_popup || fail "the context menu did not close on Escape"
}
