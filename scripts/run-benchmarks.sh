#!/usr/bin/env bash
# Runs every benchmark of a build tree, headless, with a throw-away data directory.
set -euo pipefail
build_dir=$1
data_home=$(mktemp -d)
trap 'rm -rf "$data_home"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_DATA_HOME="$data_home"
for benchmark in "$build_dir"/bench/bench_*; do
    [ -f "$benchmark" ] && [ -x "$benchmark" ] || continue
    echo "== $(basename "$benchmark")"
    "$benchmark" 2>&1 | grep -v -E '^(\*\*\*|Config:|PASS|Totals|Testing|QStandardPaths)' || true
done
echo "== start-up"
env -u QT_QPA_PLATFORM "$build_dir/bench_startup"
