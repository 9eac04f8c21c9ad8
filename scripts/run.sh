#!/usr/bin/env bash
# Builds Vitachron and runs it on a document (the bundled sample by default).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
doc=${1:-"$root/data/sample.vtc"}
exec "$root/build/src/cli/vitachron-cli" dump "$doc"
