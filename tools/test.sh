#!/usr/bin/env bash
# Sets up (packages, build) and runs every test. Usage: tools/test.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
