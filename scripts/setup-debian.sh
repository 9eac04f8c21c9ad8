#!/usr/bin/env bash
# Installs the Debian packages Vitachron needs. Safe to run again: it
# installs only what is missing. Uses sudo when not run as root.
#   setup-debian.sh run    building and running the program (the default)
#   setup-debian.sh test   and the tests, fuzzers, packaging and its checks
set -euo pipefail

purpose=${1:-run}
packages=(
  build-essential cmake ninja-build pkg-config gettext nlohmann-json3-dev
  libwxgtk3.2-dev libwxgtk-webview3.2-dev libgtk-3-dev libglib2.0-dev libfontconfig-dev
  libcairo2-dev libpng-dev wx3.2-i18n fonts-ipafont-gothic fonts-ipafont-mincho
  xvfb xauth dbus-daemon
)
if [ "$purpose" = test ]; then
  packages+=(
    libgtest-dev libgmock-dev clang libclang-rt-14-dev locales libxtst-dev
    dbus-x11 imagemagick poppler-utils xdotool
    desktop-file-utils shared-mime-info appstream lintian libglib2.0-bin
  )
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
