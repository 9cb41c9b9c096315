#!/usr/bin/env bash
# Builds the native core with its unit tests (build/native) and the Windows
# program with its Wine test suite (build/win32), and the zip for Windows
# users (build/win32/hanaroku-<version>-win32.zip).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

build_win32() {
  cmake -S "$root" -B "$root/build/win32" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$root/build/win32" -j"$jobs" "$@"
}
build_native() {
  # The Wine suite is registered once the program itself has been built.
  local win32dir=""
  [ -f "$root/build/win32/hanaroku.exe" ] && win32dir="$root/build/win32"
  cmake -S "$root" -B "$root/build/native" -DHANAROKU_SANITIZE=ON \
    -DHANAROKU_WIN32_BUILD_DIR="$win32dir" >/dev/null
  cmake --build "$root/build/native" -j"$jobs"
}

case "${1:-all}" in
  win32) build_win32 --target hanaroku ;;
  native) build_native ;;
  package) build_win32 --target package ;;
  all) build_win32 --target hanaroku --target hanaroku_win32_tests && build_win32 --target package && build_native ;;
  *) echo "usage: $0 [all|win32|native|package]" >&2; exit 2 ;;
esac
