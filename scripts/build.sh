#!/usr/bin/env bash
# Configures and builds Vitachron in build/ (Release with debug info).
#   build.sh            everything: the programs, tests and benchmarks
#   build.sh --program  only what a user runs: vitachron, vitachron-cli,
#                       vitachron-render and their data (no test packages needed)
# Further arguments go to cmake's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ "${1:-}" = --program ]; then
  shift
  "$root/scripts/setup-debian.sh" run
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVITACHRON_BUILD_TESTS=OFF -DVITACHRON_BUILD_BENCH=OFF "$@" >/dev/null
  cmake --build "$root/build" -j "$(nproc)" --target programs
else
  "$root/scripts/setup-debian.sh" test
  cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVITACHRON_BUILD_TESTS=ON -DVITACHRON_BUILD_BENCH=ON "$@" >/dev/null
  cmake --build "$root/build" -j "$(nproc)"
fi
