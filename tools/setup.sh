#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (as root) and builds the project
# into build/. Usage: tools/setup.sh
set -euo pipefail
cd "$(dirname "$0")/.."
packages=(cmake g++ make pkg-config qt6-base-dev qt6-svg-dev libgl-dev libpng-dev fonts-ipafont-mincho
          fonts-ipafont-gothic qt6-translations-l10n libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth imagemagick poppler-utils libxml2-utils libxml2-dev clang-14 libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update
    DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
