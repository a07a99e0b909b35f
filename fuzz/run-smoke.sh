#!/bin/bash
# Runs one fuzz target for a few seconds, starting from its seed corpus, in a scratch folder.
set -euo pipefail
target=$1 corpus=$2 work=$3 seconds=$4
rm -rf "$work" && mkdir -p "$work/corpus"
cp -r "$corpus"/. "$work/corpus/"
cd "$work"
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 corpus
