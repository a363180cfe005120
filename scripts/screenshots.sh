#!/usr/bin/env bash
# Screenshots of the launcher in one language, for reading a translation in
# the running program: the main window with shortcuts, its context menu, the
# options dialog, the delete question and the Add URL prompt.
#
#   bash scripts/screenshots.sh LANG [BUILD_DIR] [OUT_DIR]
#
# LANG is a language code (de, fr, en); the pictures go to
# OUT_DIR/LANG-*.png (default docs/screenshots).
set -euo pipefail

lang=${1:?usage: screenshots.sh LANG [BUILD_DIR] [OUT_DIR]}
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$repo/tests/e2e/session.sh"
session_start "screenshots-$lang" "${2:-build-tests}"
out=${3:-$repo/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

# The language as a user of it would have it set.
case $lang in
  en) export LANGUAGE=en LC_ALL=C.UTF-8 ;;
  *) export LANGUAGE=$lang LC_ALL=${lang}_$(tr '[:lower:]' '[:upper:]' <<<"$lang").UTF-8 ;;
esac

files=$tmp/files
mkdir -p "$files/Projects" "$files/Photos"
for f in notes.txt report.pdf budget.ods; do echo hi >"$files/$f"; done
cat >"$ini" <<INI
[Tessaflow]
Top=1200
Left=1500
Height=5400
Width=7800
SView=0
Arrange=1
0=$files/notes.txt|notes.txt||
1=$files/report.pdf|report.pdf||
2=$files/budget.ods|budget.ods||
3=$files/Projects|Projects||
4=$files/Photos|Photos||
5=http://example.org|example.org||
6=$files/gone.txt|gone.txt||
INI

# The main window with its frame and whatever opens over it.
shoot() {
  sleep 0.4
  local x y w h
  eval "$(xdotool getwindowgeometry --shell "$win" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=/&/p' |
    sed 's/^X=/x=/;s/^Y=/y=/;s/^WIDTH=/w=/;s/^HEIGHT=/h=/')"
  import -window root -crop "$((w + 20))x$((h + 50))+$((x - 10))+$((y - 40))" +repage "$out/$lang-$1.png"
  say "$out/$lang-$1.png"
}

launch
wait_for 10 started || die "the launcher did not start"
win=$(xdotool search --onlyvisible --pid "$app_pid" --name ' - v[0-9]' | head -n 1)
xdotool windowactivate --sync "$win" 2>/dev/null || true
# The first shortcut, selected.
xdotool mousemove --window "$win" 60 45 click 1
shoot main

xdotool mousemove --window "$win" 60 45 click 3
shoot menu
xdotool key Escape
sleep 0.3

xdotool mousemove --window "$win" 60 45 click 3
sleep 0.3
xdotool key Up Return
sleep 0.8
shoot options
xdotool key Escape
sleep 0.5

xdotool mousemove --window "$win" 60 45 click 1 key Delete
sleep 0.8
shoot delete
xdotool key Escape
sleep 0.5

xdotool mousemove --window "$win" 300 250 click 3
sleep 0.3
xdotool key Up Up Up Up Up Return
sleep 0.8
shoot addurl
xdotool key Escape
sleep 0.3
pass
session_end
