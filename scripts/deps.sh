#!/usr/bin/env bash
# The Debian packages Zorvanel needs, and an installer that fetches only those missing.
# Sourced by run.sh (building and running) and test.sh (that and the whole suite).
set -euo pipefail

# Building the program, its content tool and its package, and running it.
zorvanel_build_packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev
  # Reading aloud: Qt's speech, its plugin for the desktop's speech service, the service
  # and its voice (the speech CMake package asks for the declarative one's).
  qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin speech-dispatcher espeak-ng
  libuemf-dev
  # Worksheets in Braille: liblouis and its tables, and raw jobs for the embosser.
  liblouis-dev liblouis-data libcups2-dev
  fonts-wine fonts-liberation fonts-dejavu-core
  dpkg-dev file
)

# The suite: a virtual display, pictures of what it shows, a printing server, the fuzzing
# compiler, the package's validators, a screen reader to hear the program with, a
# school's file server (Samba and SSH, mounted with smbnetfs and sshfs), and the line
# coverage report of scripts/coverage.sh.
zorvanel_test_packages=(
  xvfb xauth openbox xdotool imagemagick poppler-utils
  cups cups-ipp-utils printer-driver-cups-pdf
  clang-14 libfuzzer-14-dev libclang-rt-14-dev clang-format-14
  lintian desktop-file-utils appstream
  dbus at-spi2-core python3-gi gir1.2-atspi-2.0 orca
  samba smbnetfs openssh-server openssh-client sshfs fuse3
  gcovr
  # liblouis's own tool, reading the Braille files back.
  liblouis-bin
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
