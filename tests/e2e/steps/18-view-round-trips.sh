#!/usr/bin/env bash
# With icons placed by hand, Large -> Small -> Large, Large -> List -> Large
# and Small -> Large -> Small each leave the stored positions and the
# window's picture exactly as they were.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 18 "change the view and back, icons placed by hand" "${1:-build-tests}"

names=(alpha.txt gamma.txt "delta file.txt" drop-1-0.txt drop-2-1.txt drop-0-2.txt drop-1-2.txt epsilon.txt)
for n in "${names[@]}"; do make_file "$n"; done
f=$tmp/files
# Twelve shortcuts as an arranged list left them; Large icons without
# arranging then keeps them where they are, as placed by hand.
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=1 SView=2 \
  "0=$f/alpha.txt|alpha.txt|15|15" "1=http://example.org|example.org|15|315" \
  "2=https://example.org/page.html|Example page|15|615" "3=$f/gamma.txt|gamma.txt|15|915" \
  "4=$f/delta file.txt|delta file.txt|15|1215" "5=$f/drop-1-0.txt|drop-1-0.txt|15|1515" \
  "6=$f/drop-2-1.txt|drop-2-1.txt|15|1815" "7=$f/drop-0-2.txt|drop-0-2.txt|15|2115" \
  "8=$f/drop-1-2.txt|drop-1-2.txt|15|2415" "9=https://example.net/wiki|example.net › wiki|15|2715" \
  "10=$f/epsilon.txt|epsilon.txt|15|3015" "11=http://www.example.com|Example|15|3315"
start_window

# The same picture of the list, and the same stored positions, as NAME.
same_as() {
  local name=$1 what=$2 differ
  [[ $(positions) == "$(cat "$tmp/$name.positions")" ]] ||
    fail "$what moved icons in the profile: $(diff "$tmp/$name.positions" <(positions) | grep '^[<>]' | head -n 4 | tr '\n' ' ')"
  wait_for 3 launcher_active || true
  # Qt paints after the view has changed; X tells no other client when.
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
step_end
