#!/usr/bin/env bash
# Starts the real program under Wine in Xvfb with a Shift-JIS poem on the
# command line, takes a screenshot, and checks the caption and that the right
# pane shows text in a column at its right edge (vertical writing).
#   screenshot-test.sh HANAROKU_EXE POEM_FILE OUT_PNG
set -euo pipefail
exe=$1 poem=$2 out=$3
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${HANAROKU_WINEPREFIX:-$PWD/wineprefix}" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LANG=ja_JP.UTF-8 LC_ALL=
work=$(mktemp -d "$PWD/screenshot.XXXXXX")
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$exe" "$work/hanaroku.exe"          # a fresh folder: no settings file, first run
cp "$poem" "$work/poem.txt"
winpoem=$(winepath -w "$work/poem.txt")

cat >"$work/shot.sh" <<'EOS'
#!/usr/bin/env bash
set -u
work=$1 winpoem=$2 out=$3
# No window manager runs here: let Wine draw the frame and caption itself.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
wine "$work/hanaroku.exe" "$winpoem" >/dev/null 2>&1 &
for _ in $(seq 1 90); do
  sleep 1
  if xwininfo -root -tree 2>/dev/null | grep -F -q "poem.txt\""; then break; fi
done
sleep 4
xwininfo -root -tree >"$work/tree.txt" 2>&1
import -window root "$out"
wineserver -k 2>/dev/null
exit 0
EOS
chmod +x "$work/shot.sh"
timeout -k 10 200 xvfb-run -a -s "-screen 0 1024x768x24" "$work/shot.sh" "$work" "$winpoem" "$out"

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
# The window alone, for the README.
convert "$out" -crop "${w}x${h}+${x}+${y}" +repage "$root/build/screenshot-latest.png" 2>/dev/null || true
echo "screenshot test passed: $out"
