#!/usr/bin/env bash
# The pages in a real browser: writes the sample pages with the symbol
# images beside them and checks them in headless Chromium (Debian's
# chromium with chromium-driver and python3-selenium), bounded in time.
#   browser-test.sh SAMPLES_EXE FOLDER [SCREENSHOT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=$1 folder=$2 shot=${3:-}
for need in /usr/bin/chromium /usr/bin/chromedriver; do
  [ -x "$need" ] || { echo "missing $need: run scripts/deps.sh as root" >&2; exit 1; }
done
rm -rf "$folder"
mkdir -p "$folder"
"$exe" "$folder"
cp -r "$root/kigou" "$folder/kigou"
export HOME="$folder"  # Chromium and its driver keep nothing of the user's
timeout -k 10 150 /usr/bin/python3 "$root/tests/browser/check_pages.py" "$folder" ${shot:+"$shot"}
