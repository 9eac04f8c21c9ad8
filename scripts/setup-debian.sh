#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Vitachron
# need. Safe to run again: it installs only what is missing. Uses sudo when
# not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libgtest-dev libgmock-dev nlohmann-json3-dev
  clang libclang-rt-14-dev
  libwxgtk3.2-dev libwxgtk-webview3.2-dev libgtk-3-dev libglib2.0-dev libfontconfig-dev
  libcairo2-dev libpng-dev
  xvfb xauth dbus dbus-x11 fonts-ipafont-gothic fonts-ipafont-mincho
  imagemagick poppler-utils desktop-file-utils shared-mime-info xdotool
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
