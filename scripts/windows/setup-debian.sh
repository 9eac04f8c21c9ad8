#!/usr/bin/env bash
# Installs what cross-building Vitachron for Windows x64 and testing it under
# Wine need, and the bookworm source entries the pinned dependency sources
# come from. Safe to run again: it installs only what is missing. Uses sudo
# when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build pkg-config make dpkg-dev ca-certificates
  mingw-w64 gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix
  libz-mingw-w64-dev
  wine wine64 fonts-ipafont-gothic fonts-ipafont-mincho
  nsis
)

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi

sources=/etc/apt/sources.list.d/vitachron-deb-src.sources
need_update=0
if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  $sudo tee "$sources" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
  need_update=1
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ] || [ $need_update -eq 1 ]; then
  $sudo apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi
