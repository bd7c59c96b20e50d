#!/usr/bin/env bash
# Sets up and renders the bundled harbour sample to sample-harbour.pdf in the
# project folder. Usage: tools/run-sample.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
build/cli/kolv-cli dump share/samples/harbour.vla > /dev/null
build/cli/kolv-cli render share/samples/harbour.vla -o sample-harbour.pdf
echo "The sample log is in $(pwd)/sample-harbour.pdf"
