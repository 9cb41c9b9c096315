#!/usr/bin/env bash
# Starts the real program under Wine in Xvfb with a Shift-JIS poem on the
# command line, takes a screenshot, and checks the caption and that the right
# pane shows text in a column at its right edge (vertical writing).
#   screenshot-test.sh HANAROKU_EXE POEM_FILE OUT_PNG
set -euo pipefail
exe=$1 poem=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/screenshot-lib.sh" "$exe" "$poem" screenshot

cat >"$work/shot.sh" <<'EOS'
#!/usr/bin/env bash
set -u
work=$1 winpoem=$2 out=$3
. "$work/start.sh"
sleep 4
xwininfo -root -tree >"$work/tree.txt" 2>&1
import -window root "$out"
wineserver -k 2>/dev/null
exit 0
EOS
run_shot "$out"

line=$(grep -F "poem.txt\"" "$work/tree.txt" | head -n 1 || true)
if [ -z "$line" ]; then
  echo "FAIL: no window captioned with the poem's path"; cat "$work/tree.txt"; exit 1
fi
echo "window: $line"
caption=$(sed -n 's/^[^"]*"\([^"]*\)".*/\1/p' <<<"$line")
[ "$caption" = "$winpoem" ] || { echo "FAIL: caption '$caption' is not '$winpoem'"; exit 1; }
geom=$(grep -o -E '[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+' <<<"$line" | head -n 1)
w=${geom%%x*}; rest=${geom#*x}; h=${rest%%+*}; rest=${rest#*+}; x=${rest%%+*}; y=${rest#*+}
# The right pane fills the window below the menu and tool bars: look at a band
# at its right edge, where vertical writing puts the first column, and at the
# pane as a whole.
band="$((w / 4))x$((h / 2))+$((x + w - w / 4 - 24))+$((y + h / 4))"
pane="$((w - 40))x$((h / 2))+$((x + 10))+$((y + h / 4))"
measure() { convert "$out" -crop "$1" +repage -alpha off "${@:2}" -format '%[fx:mean]' info:; }
dark=$(measure "$band" -colorspace Gray -threshold 55% -negate)
bg=$(measure "$pane" -fuzz 6% -fill '#FF0000' -opaque '#F4F5E9' -fill black +opaque '#FF0000' -channel R -separate)
echo "dark pixels at the right edge: $dark; pane background share: $bg"
awk -v d="$dark" -v b="$bg" 'BEGIN { exit !(d > 0.004 && b > 0.5) }' || {
  echo "FAIL: the right pane looks blank or not painted"; exit 1; }

# The vertical pane must draw a Mincho face ("ＭＳ 明朝", IPAMincho here), not
# the Gothic that Wine falls back to when a vertical "@" face has no
# substitute. At the pane's 18 pixels a Mincho face lays down much less ink
# than a Gothic one: measured on this program, the ink of the poem over the
# area of its characters (a half-width one counting half) is 0.106 for
# IPAMincho and 0.143 for the IPA Gothic faces (in either case the same
# whatever the layout, as the characters are the same).
gray_at() { convert "$out" -crop "$1" +repage -alpha off -colorspace Gray -compress none pgm:- |
  awk 'NR > 1 { for (i = 1; i <= NF; i++) v[n++] = $i } END { for (i = 3; i < n; i++) printf "%.4f\n", v[i] / v[2] }'; }
pane_bg=$(convert xc:'#F4F5E9' -colorspace Gray -format '%[fx:mean]' info:)
pane_fg=$(convert xc:'#394255' -colorspace Gray -format '%[fx:mean]' info:)
# The pane's extent: up and down from the middle of the window along an empty
# column, then right along an empty row near its bottom up to the scroll bar.
edge() { awk -v bg="$pane_bg" -v from="$1" -v step="$2" '{ g[NR - 1] = $1 } END {
  i = from; while (i + step >= 0 && (i + step) in g && (g[i + step] - bg) ^ 2 < 1e-6) i += step; print i }'; }
mid=$((h / 2))
column=$(gray_at "1x${h}+$((x + w / 2))+${y}")
top=$(edge "$mid" -1 <<<"$column"); bottom=$(edge "$mid" 1 <<<"$column")
right=$(gray_at "${w}x1+${x}+$((y + bottom - 4))" | edge $((w / 2)) 1)
left=$(gray_at "${w}x1+${x}+$((y + bottom - 4))" | edge $((w / 2)) -1)
region="$((right - left + 1))x$((bottom - top + 1))+$((x + left))+$((y + top))"
cells=$(iconv -f SHIFT-JIS -t UTF-8 "$poem" | LC_ALL=C awk '{ for (i = 1; i <= length($0); i++) {
  c = substr($0, i, 1); if (c >= "\300") n += 1; else if (c > " " && c < "\177") n += 0.5 } } END { print n }')
mean=$(convert "$out" -crop "$region" +repage -alpha off -colorspace Gray -format '%[fx:mean]' info:)
weight=$(awk -v m="$mean" -v b="$pane_bg" -v f="$pane_fg" -v r="$region" -v c="$cells" 'BEGIN {
  split(r, a, /[x+]/); printf "%.3f", a[1] * a[2] * (b - m) / (b - f) / (c * 18 * 18) }')
echo "pane $region: ink per character area $weight (IPAMincho 0.106, Gothic 0.143)"
awk -v k="$weight" 'BEGIN { exit !(k > 0.06 && k < 0.125) }' || {
  echo "FAIL: the vertical pane does not draw a Mincho face"; exit 1; }
# The window alone, for the README.
convert "$out" -crop "${w}x${h}+${x}+${y}" +repage "$root/build/screenshot-latest.png" 2>/dev/null || true
echo "screenshot test passed: $out"
