#!/usr/bin/env bash
# Runs the Wine test that colours a poem in vertical writing through the
# right pane's popup menu, keeps a picture of the main window from it, and
# checks that the picture shows coloured characters.
#   colour-screenshot-test.sh WIN32_TESTS_EXE OUT_PNG
set -euo pipefail
exe=$1 out=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d "$PWD/colours.XXXXXX")
trap 'rm -rf "$work"' EXIT
export HANAROKU_WINEPREFIX="${HANAROKU_WINEPREFIX:-$PWD/wineprefix}"
# No window manager runs here: let Wine draw the frame and caption itself.
"$root/scripts/wine-env.sh" start reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
# The test runs with the working folder as its current folder and writes the
# picture there (a relative path).
(cd "$work" && HANAROKU_PICTURE=colours.bmp "$root/scripts/wine-env.sh" run-tests "$exe" --gtest_filter=Editing.AColourFromThePopupMenuColoursTheRightPane)
[ -s "$work/colours.bmp" ] || { echo "FAIL: no picture was written"; exit 1; }
convert "$work/colours.bmp" "$out"
# Pixels near the colour of "えんじ" (#C24825): the coloured characters.
share=$(convert "$out" -alpha off -fuzz 12% -fill '#FF00FF' -opaque '#C24825' -fuzz 0 -fill black +opaque '#FF00FF' \
  -fill white -opaque '#FF00FF' -colorspace Gray -format '%[fx:mean]' info:)
echo "share of coloured pixels: $share"
awk -v s="$share" 'BEGIN { exit !(s > 0.00005 && s < 0.05) }' || {
  echo "FAIL: the picture shows no coloured characters"; exit 1; }
cp "$out" "$root/build/screenshot-colours-latest.png" 2>/dev/null || true
echo "colour screenshot test passed: $out"
