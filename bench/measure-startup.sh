#!/usr/bin/env bash
# bench/measure-startup.sh [RUNS] [RECORDS]: start-up time to the first visible name selection
# screen (on the demo classroom with RECORDS attempts, 20000 unless given, in its shared result file)
# and peak memory during a level 3 drill, as medians of RUNS runs (7 unless given), beside a bare
# Qt Widgets window measured the same way in the same run, all under one virtual X server.
# A measurement, not a test: it prints a table and never fails because of the figures.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
runs=${1:-7} records=${2:-20000}
export LC_ALL=C.UTF-8
cmake --build build -j2 --target pekuru bench-bare-window bench-bare-window-linked bench-drill-memory bench-make-results >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/start"
cp -R data/sample/. "$work/start/"
build/bench/bench-make-results "$work/start/教室/ペクル/成績累積データ.dat" "$records"
# The drill runs on a copy of its own, so that nothing it might write touches the start-up runs.
cp -R "$work/start" "$work/drill"
echo "classroom: demo classroom with $records records ($(stat -c %s "$work/start/教室/ペクル/成績累積データ.dat") bytes) in its shared result file"
tests/e2e/with-xvfb.sh python3 bench/measure.py "$PWD/build" "$work/start/教室/ペクル" "$work/drill/教室/ペクル" "$runs"
