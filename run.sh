#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zorvanel on its own content.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
zorvanel_install_deps "${zorvanel_build_packages[@]}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target zorvanel
cd content
exec ../build/zorvanel
