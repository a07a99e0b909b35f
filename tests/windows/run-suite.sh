#!/usr/bin/env bash
# run-suite.sh BUILD_DIR [CTEST_ARGUMENTS...]: runs the Windows build's tests (ctest in BUILD_DIR, every test program
# under Wine through wine-run.sh) on servers of the suite's own: a virtual X server (Wine's user
# interface needs one even for the offscreen platform: its message windows are X-less, but its
# driver must load), a PulseAudio server with a null sink for winmm's sounds, and a Wine prefix in
# BUILD_DIR, and a bridge that runs the Linux tools the tests check their output with. Prints
# ctest's summary; exits with ctest's status.
set -euo pipefail
build=$(readlink -f "${1:?usage: run-suite.sh BUILD_DIR [CTEST_ARGUMENTS...]}")
shift
here=$(dirname "$(readlink -f "$0")")

# The Windows Qt the build was made with, from its cache (scripts/build-windows.sh knows where).
export PEKURU_WINDOWS_QT=${PEKURU_WINDOWS_QT:-$("$here/../../scripts/build-windows.sh" qt-path)}
[[ -f $PEKURU_WINDOWS_QT/.complete ]] ||
    { echo "run-suite: no Windows Qt at $PEKURU_WINDOWS_QT: run scripts/build-windows.sh first" >&2; exit 1; }

base=$(mktemp -d /tmp/pekuru-winsuite.XXXXXXXXXX)
pids=()
cleanup() {
    local p
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
    if [[ -n ${WINEPREFIX:-} ]]; then WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true; fi
    rm -rf "$base"
}
trap cleanup EXIT

# X: a display picked by the server itself, ready once it has written its number.
mkfifo "$base/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$base/display" 2>"$base/xvfb.log" &
pids+=($!)
read -r display <"$base/display" || true
[[ -n ${display:-} ]] || { echo "run-suite: Xvfb did not start: $(cat "$base/xvfb.log")" >&2; exit 1; }
export DISPLAY=:$display

# Sound: PulseAudio on a socket of its own, playing into a null sink.
mkdir -m 700 "$base/pulse"
HOME=$base/pulse XDG_RUNTIME_DIR=$base/pulse pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --use-pid-file=no --disallow-exit --log-target=stderr --load=module-null-sink \
    --load="module-native-protocol-unix socket=$base/pulse/pulse.sock auth-anonymous=1" \
    2>"$base/pulse.log" &
pids+=($!)
export PULSE_SERVER=unix:$base/pulse/pulse.sock
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || { echo "run-suite: PulseAudio did not start: $(cat "$base/pulse.log")" >&2; exit 1; }

export PEKURU_WINEPREFIX=${PEKURU_WINEPREFIX:-$build/wineprefix}
export WINEPREFIX=$PEKURU_WINEPREFIX
"$here/wine-prefix.sh" "$PEKURU_WINEPREFIX"

# The Linux tools the tests check printed pages with, run for them (host-bridge.py).
mkdir "$base/bridge"
"$here/host-bridge.py" "$base/bridge" &
pids+=($!)
export PEKURU_HOST_BRIDGE=Z:$base/bridge

ctest --test-dir "$build" --output-on-failure -j "$(nproc)" --timeout 900 --no-tests=error "$@"
