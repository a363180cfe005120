#!/usr/bin/env bash
# Small icons placed by hand in tight rows (some a few pixels off the grid,
# one half a row lower): Small -> Large keeps every row a row, in its order,
# and stores no two places that overlap in large icons; Large -> Small gives
# back the stored places exactly.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/step.sh"
step_start 22 "a hand-made small-icon layout through large icons and back" "${1:-build-tests}"

names=(alpha.txt beta.txt gamma.txt delta.txt epsilon.txt zeta.txt)
for n in "${names[@]}"; do make_file "$n"; done
f=$tmp/files
# In pixels (15 twips each): (1,0) (161,0) (321,0) / (3,23) (161,22) (320,24)
# / (480,33) / (1,66) (330,66).
placed=("0=$f/alpha.txt|alpha.txt|15|0" "1=$f/beta.txt|beta.txt|2415|0" "2=$f/gamma.txt|gamma.txt|4815|0"
  "3=http://example.org|example.org|45|345" "4=$f/delta.txt|delta.txt|2415|330"
  "5=https://example.org/page.html|Example page|4800|360" "6=$f/epsilon.txt|epsilon.txt|7200|495"
  "7=$f/zeta.txt|zeta.txt|15|990" "8=http://www.example.com|Example|4950|990")
write_profile Top=1950 Left=2085 Height=5025 Width=6480 Arrange=0 SView=1 "${placed[@]}"
start_window
stored=$(for p in "${placed[@]}"; do awk -F'|' '{ split($1, k, "="); print k[1] "=" $3 "|" $4 }' <<<"$p"; done)

options 0 1
[[ $(positions) == "$stored" ]] ||
  fail "the first save moved icons: $(diff <(echo "$stored") <(positions) | grep '^[<>]' | head -n 4 | tr '\n' ' ')"
shot small

options 0 0
shot large
# The places as stored, in pixels: "N left top" per line.
large=$(positions | awk -F'[=|]' '{ printf "%d %d %d\n", $1, $2 / 15, $3 / 15 }')
# No two large icons (78 x 68 px) overlap.
overlaps=$(awk '{ n[NR] = $1; x[NR] = $2; y[NR] = $3 }
  END { for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++)
          if (x[i] < x[j] + 78 && x[j] < x[i] + 78 && y[i] < y[j] + 68 && y[j] < y[i] + 68)
            printf "%d and %d; ", n[i], n[j] }' <<<"$large")
[[ -z $overlaps ]] || fail "Small -> Large stored overlapping places: $overlaps($(echo $large))"
# Each row of the small layout is one row, left to right as before, and the
# rows are in their order top to bottom.
at() { awk -v n="$1" -v c="$2" '$1 == n { print $c }' <<<"$large"; }
for row in "0 1 2" "3 4 5" "7 8"; do
  read -r -a r <<<"$row"
  for ((i = 1; i < ${#r[@]}; i++)); do
    [[ $(at "${r[i]}" 3) == "$(at "${r[0]}" 3)" ]] || fail "entry ${r[i]} left the row of entry ${r[0]}: $(echo $large)"
    (($(at "${r[i - 1]}" 2) < $(at "${r[i]}" 2))) || fail "entries ${r[i - 1]} and ${r[i]} changed order: $(echo $large)"
  done
done
(($(at 0 3) < $(at 3 3) && $(at 3 3) < $(at 6 3) && $(at 6 3) < $(at 7 3))) ||
  fail "the rows changed order: $(echo $large)"

options 0 1
[[ $(positions) == "$stored" ]] ||
  fail "Small -> Large -> Small did not give back the places: $(diff <(echo "$stored") <(positions) | grep '^[<>]' | head -n 4 | tr '\n' ' ')"
ok "Small -> Large kept $(wc -l <<<"$large") icons in their rows and order without overlap, and Small again gave back every place"
step_end
