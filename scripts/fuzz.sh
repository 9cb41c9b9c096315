#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each one on
# its committed seeds for a few seconds (ctest, so the run is bounded).
#   scripts/fuzz.sh                 build and run each target 5 s
#   scripts/fuzz.sh build           build only
#   HANAROKU_FUZZ_SECONDS=300 HANAROKU_FUZZ_SEED=0 scripts/fuzz.sh   longer runs, a new seed each
#   (the test command uses seed 1, so its runs can be replayed)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)
dir="$root/build/fuzz"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DHANAROKU_FUZZ=ON \
  -DHANAROKU_FUZZ_SECONDS="${HANAROKU_FUZZ_SECONDS:-5}" -DHANAROKU_FUZZ_SEED="${HANAROKU_FUZZ_SEED:-1}" >/dev/null
cmake --build "$dir" -j"$jobs"
[ "${1:-}" = "build" ] && exit 0
cd "$dir"
ctest --output-on-failure -j"$jobs"
