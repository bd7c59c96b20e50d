#!/usr/bin/env bash
# Sets up and starts the editor on the bundled harbour sample. The sample is
# also rendered to sample-harbour.pdf in the project folder. Without a
# display the editor runs for a few seconds on a virtual one and its window
# is saved to sample-window.png. Usage: tools/run-sample.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
sample=share/samples/harbour.vla
build/cli/kolv-cli dump "$sample" > /dev/null
build/cli/kolv-cli render "$sample" -o sample-harbour.pdf
echo "The sample log is in $(pwd)/sample-harbour.pdf"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/app/kolv "$sample"
fi

echo "There is no display: the editor runs on a virtual one for a few seconds instead."
# A session without a display often has no per-user runtime folder either.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
xvfb-run -a -s "-screen 0 1600x1000x24" bash -c '
    build/app/kolv "$1" &
    editor=$!
    sleep 6
    import -window root sample-window.png
    kill "$editor"
' run-sample "$sample"
echo "The editor window is in $(pwd)/sample-window.png"
