#!/usr/bin/env bash
# Checks the Windows package: scripts/check-package.sh ZIP BUILD_DIR SOURCE_DIR
# The zip must be sound, hold its one top folder with the program, the two
# verse collections, the licence, the README and the kigou images (when the
# repository has them), and its program and collections must be the ones
# just built (a stale zip fails).
set -euo pipefail
zip=$1 build=$2 src=$3
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v unzip >/dev/null || fail "unzip is missing (scripts/deps.sh installs it)"
[ -f "$zip" ] || fail "$zip is missing (scripts/build.sh all makes it)"
unzip -tqq "$zip" >/dev/null || fail "$zip is damaged"
top=$(basename "$zip" .zip)
listing=$(unzip -Z1 "$zip")
others=$(grep -v "^$top/" <<<"$listing" || true)
[ -z "$others" ] || fail "entries outside $top/: $others"
want=(hanaroku.exe hyakunin.txt haiku.txt LICENSE README.md)
if [ -d "$src/kigou" ]; then
  while IFS= read -r f; do want+=("kigou/$f"); done < <(cd "$src/kigou" && find . -type f | sed 's|^\./||' | sort)
fi
for f in "${want[@]}"; do
  grep -qxF "$top/$f" <<<"$listing" || fail "$top/$f is not in the package"
done
for f in hanaroku.exe hyakunin.txt haiku.txt; do
  unzip -p "$zip" "$top/$f" | cmp -s - "$build/$f" || fail "$top/$f differs from $build/$f: the package is stale"
done
unzip -p "$zip" "$top/LICENSE" | cmp -s - "$src/LICENSE" || fail "$top/LICENSE differs from the repository's"
echo "ok: $zip holds ${#want[@]} files"
