#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and sanitizers in build-fuzz/ and
# runs each for the given number of seconds on a copy of its seed corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVITACHRON_FUZZ=ON -DVITACHRON_BUILD_UI=OFF -DVITACHRON_BUILD_TESTS=OFF -DVITACHRON_BUILD_BENCH=OFF >/dev/null
cmake --build "$root/build-fuzz" -j "$(nproc)"

status=0
for seeds in "$root"/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  target="$root/build-fuzz/fuzz/$name"
  [ -x "$target" ] || { echo "no fuzz target for corpus $name"; status=1; continue; }
  work=$(mktemp -d)
  cp -r "$seeds"/. "$work"/
  echo "-- $name"
  if ! "$target" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="$root/build-fuzz/$name-" "$work" 2>"$root/build-fuzz/$name.log"; then
    tail -40 "$root/build-fuzz/$name.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|Done" "$root/build-fuzz/$name.log" | tail -2
  fi
  rm -rf "$work"
done
exit $status
