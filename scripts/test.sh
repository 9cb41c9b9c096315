#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (with
# AddressSanitizer and UBSan), the Wine suite with its screenshot, and the
# check of the zip for Windows users that the build makes. Before them the
# fuzz targets (clang, build/fuzz) each run a few seconds on their seeds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
"$root/scripts/build.sh" all
"$root/scripts/fuzz.sh"
cd "$root/build/native"
ctest --output-on-failure --timeout 600 -j2
