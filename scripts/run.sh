#!/usr/bin/env bash
# Builds hanaroku.exe and starts it (under Wine on Linux), opening an
# optional file: scripts/run.sh [file]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" win32
export HANAROKU_WINEPREFIX="${HANAROKU_WINEPREFIX:-$HOME/.local/share/hanaroku/wineprefix}"
"$root/scripts/wine-env.sh" setup >/dev/null
args=()
if [ $# -gt 0 ]; then
  args+=("$(WINEPREFIX="$HANAROKU_WINEPREFIX" winepath -w "$1" 2>/dev/null)")
fi
exec "$root/scripts/wine-env.sh" start "$root/build/win32/hanaroku.exe" "${args[@]}"
