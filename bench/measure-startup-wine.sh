#!/usr/bin/env bash
# bench/measure-startup-wine.sh [RUNS]: start-up of the Windows program under Wine to its first
# visible name selection (on the demo classroom laid out beside it), beside a bare Qt Widgets window
# (bench-bare-window.exe) with the same DLLs, as medians of RUNS runs (7 unless given), each program
# started alternately in one Wine prefix on one virtual X server. Needs build-windows/ with its
# portable folder (scripts/build-windows.sh). A measurement, not a test: it prints the figures and
# never fails because of them.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
runs=${1:-7}
export LC_ALL=C.UTF-8
portable=$(ls -d build-windows/pekuru-*-portable | tail -n 1)
[[ -f $portable/pekuru.exe && -f build-windows/bench/bench-bare-window.exe ]] ||
    { echo "measure-startup-wine: run scripts/build-windows.sh first" >&2; exit 1; }

work=$(mktemp -d /tmp/pekuru-startup-wine.XXXXXX)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
cp -R "$portable" "$work/program"
cp build-windows/bench/bench-bare-window.exe "$work/program/"
# The program on the demo classroom, as a classroom's program folder holds it.
cp -R data/sample/教室 "$work/教室"
cp -R "$work/program/." "$work/教室/ペクル/"

tests/e2e/with-xvfb.sh bash -c '
    set -euo pipefail
    work=$1 runs=$2
    export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml=;winemenubuilder.exe=d"
    tests/windows/wine-prefix.sh "$WINEPREFIX" >/dev/null
    export PEKURU_REPORT_SHOWN=1 PEKURU_UNATTENDED=1
    unset QT_QPA_PLATFORM
    once() {  # program: starts it, waits for its PEKURU_SHOWN line, ends it
        local log=$work/run.log
        : >"$log"
        wine "$1" 2>"$log" >/dev/null &
        local pid=$!
        for _ in $(seq 600); do
            grep -q "^PEKURU_SHOWN" "$log" && break
            sleep 0.05
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        wineserver -w 2>/dev/null || true
        # The copy was killed: its single-instance lock stays behind, and Wine may give the next
        # process the same id, which would make the lock look held.
        rm -f "$WINEPREFIX"/drive_c/users/*/Temp/pekuru-*.lock
        sed -n "s/^PEKURU_SHOWN \([0-9.]*\) .*/\1/p" "$log" | head -n 1
    }
    median() { sort -n | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)]}"; }
    # One start of each first, so that neither pays for Wine loading its own DLLs the first time.
    once "$work/program/bench-bare-window.exe" >/dev/null
    once "$work/教室/ペクル/pekuru.exe" >/dev/null
    bare=() program=()
    for _ in $(seq "$runs"); do
        bare+=("$(once "$work/program/bench-bare-window.exe")")
        program+=("$(once "$work/教室/ペクル/pekuru.exe")")
    done
    b=$(printf "%s\n" "${bare[@]}" | median)
    p=$(printf "%s\n" "${program[@]}" | median)
    echo "bare Qt window under Wine:      ${b} ms (runs: ${bare[*]})"
    echo "ペクル under Wine (name list): ${p} ms (runs: ${program[*]})"
    awk -v p="$p" -v b="$b" "BEGIN { if (b > 0) printf \"ratio: %.2f×\n\", p / b }"
' _ "$work" "$runs"
