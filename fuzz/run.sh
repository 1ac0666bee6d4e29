#!/usr/bin/env bash
# Runs the given fuzz targets one after the other, each for a bounded time, starting from the
# test fixtures, which are every target's seeds, and from what the fuzzer found before. Inputs are
# at most 4 KiB, as the hand-made seeds were: larger hostile fixtures enter cut to that size (the
# replay tests run them whole). New corpus entries stay in the build tree; an input that makes a
# target fail is kept there too and printed, to be added to fuzz/crashes/<target>/.
set -euo pipefail

build_dir=$1
seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")" && pwd)

status=0
for target in "$@"; do
    corpus="$build_dir/corpus/$target"
    artifacts="$build_dir/artifacts/$target"
    mkdir -p "$corpus" "$artifacts"
    echo "Fuzzing $target for $seconds seconds."
    if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
        "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
            -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$source_dir/../tests/data" \
            "$source_dir/corpus/$target" "$source_dir/crashes/$target" 2>"$build_dir/$target.log"; then
        echo "$target failed; its input is in $artifacts, its log in $build_dir/$target.log." >&2
        status=1
    fi
    grep -E '^stat::number_of_executed_units|^Done' "$build_dir/$target.log" || true
done
exit $status
