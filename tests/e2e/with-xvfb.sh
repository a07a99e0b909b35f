#!/usr/bin/env bash
# with-xvfb.sh COMMAND...: runs COMMAND on a fresh virtual X server of 1280 × 1024 pixels.
# The server picks a free display itself (-displayfd), so several of these can start at the same
# moment on one machine without racing for a display number; it ends when the command ends.
set -euo pipefail
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo_dir/display" 2>"$fifo_dir/xvfb.log" &
server=$!
cleanup() {
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
    rm -rf "$fifo_dir"
}
trap cleanup EXIT
# Reading the pipe blocks until the server has written its display number, i.e. it is ready;
# an empty read means the server failed to start.
read -r display <"$fifo_dir/display" || true
if [[ -z ${display:-} ]]; then
    echo "with-xvfb: Xvfb did not start: $(cat "$fifo_dir/xvfb.log")" >&2
    exit 1
fi
export DISPLAY=:$display QT_QPA_PLATFORM=xcb
"$@"
