#!/usr/bin/env bash
# Builds the programs and makes the Debian package build/vitachron_<version>_<arch>.deb
# (cpack; the dependencies come from the binaries through dpkg-shlibdeps).
# Install it with: sudo apt install ./build/vitachron_*.deb
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ ! -f "$root/build/CMakeCache.txt" ]; then
  "$root/scripts/build.sh" --program
else
  cmake --build "$root/build" -j "$(nproc)" --target programs
fi
# Files and folders with the modes Debian expects, whatever the user's umask.
umask 022
rm -f "$root"/build/vitachron_*.deb
(cd "$root/build" && cpack -G DEB >/dev/null)
ls "$root"/build/vitachron_*.deb
