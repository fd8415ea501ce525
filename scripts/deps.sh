#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# and only those that are missing. Sourced by run.sh and test.sh.
set -euo pipefail

zorvanel_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  libuemf-dev
  fonts-wine fonts-liberation
  xvfb xauth openbox xdotool imagemagick poppler-utils
  cups cups-ipp-utils printer-driver-cups-pdf
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
)

zorvanel_install_deps() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

zorvanel_install_deps "${zorvanel_packages[@]}"
