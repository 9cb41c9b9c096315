#!/usr/bin/env bash
# Draws the symbol images of the HTML pages into kigou/ (committed; run again
# only to change them): the vertical forms of punctuation and brackets in IPA
# Mincho, black on a transparent ground, 19 pixels wide and high ("sen2.gif"
# 40 high, "zero.gif" blank). Needs ImageMagick and fonts-ipafont-mincho.
#
# The font has no vertical presentation forms of its own, so they are made
# as vertical writing sets them: the full stop and comma move to the upper
# right of their cell, brackets, the wave dash, the ellipsis and the colon
# turn a quarter to the right, the long-vowel mark turns and is mirrored.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/kigou"
font=${KIGOU_FONT:-/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf}
[ -f "$font" ] || { echo "IPA Mincho not found: $font (apt-get install fonts-ipafont-mincho)" >&2; exit 1; }
mkdir -p "$out"

# glyph FILE CHARACTER SIZE OFFSET [OPERATIONS...]
glyph() {
  local file=$1 char=$2 size=$3 offset=$4
  shift 4
  convert -size "$size" xc:none -font "$font" -pointsize 18 -fill black -gravity center \
    -annotate "$offset" "$char" "$@" -channel A -threshold 15% +channel "$out/$file"
}

glyph kuten.gif "。" 19x19 +9-10
glyph touten.gif "、" 19x19 +9-10
n=0
for c in "「" "」" "『" "』" "（" "）" "＜" "＞" "《" "》" "［" "］" "〔" "〕"; do
  n=$((n + 1))
  glyph "kakko$n.gif" "$c" 19x19 +0+0 -rotate 90
done
glyph kara.gif "～" 19x19 +0+0 -rotate 90
glyph mmm.gif "…" 19x19 +0+0 -rotate 90
glyph tenten.gif "：" 19x19 +0+0 -rotate 90
glyph sen.gif "ー" 19x19 +0+0 -rotate 90 -flop
# A doubled dash: one stroke through two cells.
convert -size 19x40 xc:none -fill black -draw "rectangle 9,1 9,38" "$out/sen2.gif"
convert -size 19x19 xc:none "$out/zero.gif"
ls "$out" | wc -l
