#!/usr/bin/env bash
# Makes the pictures of the picture buttons (res/pictures/*.bmp) from the
# Tango icon library (Debian's tango-icon-theme, public domain): each 16x16
# icon becomes a 32-bit bottom-up BMP whose fourth byte is the icon's alpha.
# The pictures are committed; run this only to change them.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
tango=/usr/share/icons/Tango/16x16
[ -d "$tango" ] || { echo "needs tango-icon-theme (apt-get install tango-icon-theme)" >&2; exit 1; }
out="$root/res/pictures"
mkdir -p "$out"

# picture name = Tango icon (the names the tool bar table uses)
icons=(
  actions/document-new actions/document-open actions/document-save actions/document-save-as
  actions/edit-cut actions/edit-copy actions/edit-paste actions/edit-undo actions/edit-redo
  actions/edit-find actions/go-next actions/go-previous actions/edit-find-replace
  apps/preferences-desktop-font categories/applications-graphics actions/format-justify-fill
)

rc="$out/pictures.rc"
echo "// The picture buttons' pictures, made by scripts/make-pictures.sh." >"$rc"
for icon in "${icons[@]}"; do
  name=$(basename "$icon")
  convert "$tango/$icon.png" -depth 8 rgba:- | python3 -c '
import struct, sys
w = h = 16
rgba = sys.stdin.buffer.read()
assert len(rgba) == w * h * 4
rows = []
for y in range(h - 1, -1, -1):  # bottom-up
    row = bytearray()
    for x in range(w):
        r, g, b, a = rgba[(y * w + x) * 4:(y * w + x) * 4 + 4]
        row += bytes((b, g, r, a))
    rows.append(bytes(row))
pixels = b"".join(rows)
info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
sys.stdout.buffer.write(head + info + pixels)
' >"$out/$name.bmp"
  res=$(echo "$name" | tr 'a-z-' 'A-Z_')
  echo "$res BITMAP \"$name.bmp\"" >>"$rc"
done
echo "made ${#icons[@]} pictures in $out"
