#!/usr/bin/env bash
# Builds Vitachron (the programs only: no tests, fuzzers or benchmarks, and
# only the packages they need) and starts it on a document (the bundled
# sample by default). Without a display it runs the program under Xvfb,
# saves a screenshot of its window to build/screenshot.png and says where.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh" --program
doc=${1:-"$root/data/sample.vtc"}
program="$root/build/bin/vitachron"

if [ -n "${DISPLAY:-}" ]; then
  exec "$program" "$doc"
fi

shot="$root/build/screenshot.png"
rm -f "$shot"
export NO_AT_BRIDGE=1 GTK_THEME=${GTK_THEME:-Adwaita}
xvfb-run -a -s "-screen 0 1600x1200x24" dbus-run-session -- \
  "$program" --screenshot "$shot" "$doc" 2>/dev/null
if [ -s "$shot" ]; then
  echo "No display: ran Vitachron under Xvfb; screenshot of its window: $shot"
else
  echo "No display: ran Vitachron under Xvfb, but no screenshot was saved" >&2
  exit 1
fi
