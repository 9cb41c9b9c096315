#!/usr/bin/env bash
# Starts the real program under Wine in Xvfb with a poem, opens the right
# pane's open dialog with Ctrl+O, selects the poem in the dialog's list and
# takes a screenshot. Checks that the dialog came with its preview memo
# below the standard controls, empty while no file is selected, and that
# the memo shows the poem's text once it is.
#   screenshot-open.sh HANAROKU_EXE POEM_FILE OUT_PNG
set -euo pipefail
exe=$1 poem=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
command -v xdotool >/dev/null || { echo "FAIL: xdotool is missing (scripts/deps.sh installs it)"; exit 1; }
. "$root/scripts/screenshot-lib.sh" "$exe" "$poem" screenshot-open

cat >"$work/shot.sh" <<'EOS'
#!/usr/bin/env bash
set -u
work=$1 winpoem=$2 out=$3
# The dialog lists the folder's text files: log.txt, then poem.txt.
: >"$work/log.txt"
xdotool mousemove 1010 10                 # out of the way while the window opens
. "$work/start.sh"
sleep 3
main_window_geometry
# Into the right pane, then Ctrl+O.
xdotool mousemove "$((wx + w / 2))" "$((wy + h / 2))" click 1
sleep 1
xdotool key ctrl+o
id=""
for _ in $(seq 1 30); do
  sleep 1
  id=$(xwininfo -root -tree | grep -F '"開く"' | grep -o -E '^\s+0x[0-9a-f]+' | head -n 1 || true)
  [ -n "$id" ] && break
done
log "dialog window: ${id:-none}"
[ -n "$id" ] || { import -window root "$out"; exit 0; }
sleep 2                                    # the dialog grows by the template
info=$(xwininfo -id $id)
dx=$(awk '/Absolute upper-left X/ { print $NF }' <<<"$info"); dy=$(awk '/Absolute upper-left Y/ { print $NF }' <<<"$info")
dw=$(awk '/Width:/ { print $NF }' <<<"$info"); dh=$(awk '/Height:/ { print $NF }' <<<"$info")
echo "$dw $dh $dx $dy" >"$work/dialog.txt"
import -window root "$work/before.png"
# poem.txt, the second entry of the list.
xdotool mousemove "$((dx + 160))" "$((dy + 84))" click 1
sleep 2
import -window root "$out"
wineserver -k 2>/dev/null
exit 0
EOS
run_shot "$out"

[ -f "$work/dialog.txt" ] || { echo "FAIL: Ctrl+O opened no dialog captioned 開く"; exit 1; }
read -r dw dh dx dy <"$work/dialog.txt"
echo "dialog: ${dw}x${dh}+${dx}+${dy}"
# The memo: the lowest strip of the dialog, inside its frame and clear of
# the scroll bar and the size grip.
memo="$((dw - 60))x50+$((dx + 20))+$((dy + dh - 80))"
ink() { convert "$1" -crop "$memo" +repage -alpha off -colorspace Gray -threshold 55% -negate -format '%[fx:mean]' info:; }
empty=$(ink "$work/before.png") shown=$(ink "$out")
echo "ink in the preview memo: $empty before the selection, $shown after it"
awk -v e="$empty" 'BEGIN { exit !(e < 0.002) }' || { echo "FAIL: the preview is not an empty memo before the selection"; exit 1; }
awk -v s="$shown" 'BEGIN { exit !(s > 0.01) }' || { echo "FAIL: the preview shows no text for the selected poem"; exit 1; }
# The dialog alone, for the README.
convert "$out" -crop "${dw}x${dh}+${dx}+${dy}" +repage "$root/build/screenshot-open-latest.png" 2>/dev/null || true
echo "open dialog screenshot test passed: $out"
