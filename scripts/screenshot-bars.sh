#!/usr/bin/env bash
# Starts the real program under Wine in Xvfb with a poem, works its tool bars
# with the mouse (xdotool) and takes a screenshot: all four bars expanded,
# the left pane shown, the mouse resting on the gradient button "萬" (its
# caption red) with its balloon hint showing. Checks that the bars stacked,
# the left pane came, the caption under the mouse turned red and a hint
# window opened by the mouse.
#   screenshot-bars.sh HANAROKU_EXE POEM_FILE OUT_PNG
set -euo pipefail
exe=$1 poem=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
command -v xdotool >/dev/null || { echo "FAIL: xdotool is missing (scripts/deps.sh installs it)"; exit 1; }
. "$root/scripts/screenshot-lib.sh" "$exe" "$poem" screenshot-bars

cat >"$work/shot.sh" <<'EOS'
#!/usr/bin/env bash
set -u
work=$1 winpoem=$2 out=$3
xdotool mousemove 1010 10                 # out of the way while the window opens
. "$work/start.sh"
window_origin || { import -window root "$out"; exit 0; }
# NNBar1 (33) and NNBar3 (32) are open, the tab strip under them: its first
# tab is the colour-string bar's; once that is open, the HTML bar's tab is
# first on the strip, now 32 pixels lower.
click 20 $((33 + 32 + 6))
click 20 $((33 + 32 + 32 + 6))
# "左" (ShineSpeedButton2) on NNBar1: after the grip (9 + 2) and 17 buttons of 23.
click $((11 + 17 * 23 + 11)) 16
# Rest on "萬" (ShineSpeedButton21) of NNBar3: after the grip and 8 buttons.
xdotool mousemove "$((ox + 11 + 8 * 23 + 11))" "$((oy + 33 + 16))"
sleep 0.3
xdotool mousemove "$((ox + 11 + 8 * 23 + 12))" "$((oy + 33 + 16))"
sleep 1.5
xwininfo -root -tree >"$work/tree.txt" 2>&1
import -window root "$out"
wineserver -k 2>/dev/null
exit 0
EOS
run_shot "$out"

read_window || { echo "FAIL: the tool bar's grip was not found"; exit 1; }
px() { convert "$out" -format "%[hex:u.p{$1,$2}]" info:; }
# Four bars of 33 + 32 + 32 + 32 pixels, no tab strip: the right pane's
# background starts right below them.
pane_top=$((oy + 129))
right=$(px $((x + w - 60)) $((pane_top + 4)))
above=$(px $((x + w - 60)) $((pane_top - 3)))
echo "right pane at its top: #$right; just above it: #$above"
[ "$right" = "F4F5E9" ] || { echo "FAIL: the right pane does not start below four bars"; exit 1; }
[ "$above" != "F4F5E9" ] || { echo "FAIL: the bars do not reach down to the right pane"; exit 1; }
# The left pane, on its own background colour.
left=$(px $((ox + 40)) $((pane_top + 100)))
echo "left pane: #$left"
[ "$left" = "D5E3DD" ] || { echo "FAIL: the left pane is not shown"; exit 1; }
# A hint window near the mouse: a small top-level window under the button.
mx=$((ox + 11 + 8 * 23 + 12)) my=$((oy + 33 + 16))
hint=$(grep -E '^\s+0x[0-9a-f]+ ' "$work/tree.txt" | grep -v -F 'poem.txt"' |
  grep -o -E '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+  \+' | awk -v mx="$mx" -v my="$my" -F'[x+ ]+' '
  $1 > 10 && $1 < 600 && $2 > 8 && $2 < 200 && $3 > mx - 200 && $3 < mx + 200 && $4 > my && $4 < my + 120 {
    print; exit }')
echo "hint window: ${hint:-none}"
[ -n "$hint" ] || { echo "FAIL: no hint window under the mouse"; exit 1; }
# Under the mouse the gradient button's caption turns red.
red=$(convert "$out" -crop "23x23+$((ox + 11 + 8 * 23))+$((oy + 33 + 4))" +repage -depth 8 txt:- | awk '
  NR > 1 { split($0, a, "[()]"); split(a[2], c, ","); if (c[1] > 190 && c[2] < 70 && c[3] < 70) n++ }
  END { print n + 0 }')
echo "red caption pixels under the mouse: $red"
[ "$red" -ge 4 ] || { echo "FAIL: the caption of the button under the mouse is not red"; exit 1; }
# The window with the hint below it, for the README.
convert "$out" -crop "${w}x$((h + 0))+${x}+${y}" +repage "$root/build/screenshot-bars-latest.png" 2>/dev/null || true
echo "bars screenshot test passed: $out"
