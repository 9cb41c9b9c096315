#!/usr/bin/env bash
# Starts the real program under Wine in Xvfb with a tanka in the right pane,
# shows the left pane ("左"), copies the tanka into it (編集 → 右～左 全コピー,
# from the keyboard), counts its sounds with "音" on the left pane's tool bar
# and takes a screenshot with the mouse resting on that button. Checks that
# the left pane came with the tanka in it and that status panel 2 took the
# count.
#   screenshot-sound-count.sh HANAROKU_EXE TANKA_FILE OUT_PNG
set -euo pipefail
exe=$1 poem=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
command -v xdotool >/dev/null || { echo "FAIL: xdotool is missing (scripts/deps.sh installs it)"; exit 1; }
. "$root/scripts/screenshot-lib.sh" "$exe" "$poem" screenshot-sound-count

cat >"$work/shot.sh" <<'EOS'
#!/usr/bin/env bash
set -u
work=$1 winpoem=$2 out=$3
xdotool mousemove 1010 10                 # out of the way while the window opens
. "$work/start.sh"
window_origin || { import -window root "$out"; exit 0; }
# "左" (ShineSpeedButton2) on NNBar1: after the grip (9 + 2) and 17 buttons of 23.
click $((11 + 17 * 23 + 11)) 16
# 編集(&E) → 右～左　全コピー(&I).
xdotool key alt+e
sleep 1
xdotool key i
sleep 1
import -window root "$work/before.png"
# "音" (SoundCountButton) of NNBar3: after the grip and 19 buttons; the
# mouse stays on it, so its caption is red and its hint shows.
click $((11 + 19 * 23 + 11)) $((33 + 16))
xdotool mousemove "$((ox + 11 + 19 * 23 + 12))" "$((oy + 33 + 16))"
sleep 1.5
import -window root "$out"
wineserver -k 2>/dev/null
exit 0
EOS
run_shot "$out"

read_window || { echo "FAIL: the tool bar's grip was not found"; exit 1; }
# The left pane: its own background colour, with the tanka's ink on it.
share() { convert "$1" -crop "$2" +repage -alpha off -fuzz 4% -fill '#FF00FF' -opaque "$3" -fuzz 0 -fill black \
  +opaque '#FF00FF' -fill white -opaque '#FF00FF' -colorspace Gray -format '%[fx:mean]' info:; }
left="110x150+$((ox + 8))+$((oy + 140))"
bg=$(share "$out" "$left" '#D5E3DD')
ink=$(convert "$out" -crop "$left" +repage -alpha off -colorspace Gray -threshold 55% -negate -format '%[fx:mean]' info:)
echo "left pane: background share $bg, ink $ink"
awk -v b="$bg" 'BEGIN { exit !(b > 0.5) }' || { echo "FAIL: the left pane is not shown"; exit 1; }
awk -v k="$ink" 'BEGIN { exit !(k > 0.005) }' || { echo "FAIL: the tanka was not copied into the left pane"; exit 1; }
# Status panel 2 ("Count" until the count) is the third panel, 260 to 360
# pixels from the client area's left, in the status bar at the window's
# bottom.
panel="96x30+$((ox + 262))+$((y + h - 34))"
convert "$work/before.png" -crop "$panel" +repage "$work/panel-before.png"
convert "$out" -crop "$panel" +repage "$work/panel-after.png"
changed=$(compare -metric AE -fuzz 10% "$work/panel-before.png" "$work/panel-after.png" null: 2>&1 || true)
echo "pixels of status panel 2 changed by the count: $changed"
[ "${changed%%.*}" -ge 20 ] 2>/dev/null || { echo "FAIL: status panel 2 did not change when 音 was clicked"; exit 1; }
# The window, for the README.
convert "$out" -crop "${w}x${h}+${x}+${y}" +repage "$root/build/screenshot-sound-count-latest.png" 2>/dev/null || true
echo "sound count screenshot test passed: $out"
