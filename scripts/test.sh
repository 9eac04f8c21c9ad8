#!/usr/bin/env bash
# Builds Vitachron and runs every test: the unit and program tests through
# ctest, then each fuzz target for a bounded time on its seed corpus.
#   FUZZ_SECONDS=N   seconds per fuzz target (default 30; 0 skips fuzzing)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"

echo "== unit and program tests"
# Window tests need a display and a session bus; both are private to this run.
export LC_ALL=C.UTF-8 NO_AT_BRIDGE=1 GTK_THEME=Adwaita
xvfb-run -a -s "-screen 0 1600x1200x24" dbus-run-session -- \
  ctest --test-dir "$root/build" --output-on-failure --timeout 300 -j "$(nproc)"

fuzz_seconds=${FUZZ_SECONDS:-30}
if [ "$fuzz_seconds" -gt 0 ]; then
  echo "== fuzzing (${fuzz_seconds}s per target)"
  "$root/scripts/fuzz.sh" "$fuzz_seconds"
fi
echo "== all tests passed"
