#!/usr/bin/env bash
# Fuzzes the given targets one after the other for a bounded time each, from the test fixtures
# (every target's seeds) and what the fuzzer found before, with inputs of at most 4 KiB (the
# replay tests run larger fixtures whole). New corpus entries and failing inputs stay in the build
# tree; a failing input, printed, belongs in fuzz/crashes/<target>/.
set -euo pipefail

build_dir=$1
seconds=$2
shift 2
source_dir=$(cd "$(dirname "$0")" && pwd)

status=0
for target in "$@"; do
    artifacts="$build_dir/artifacts/$target"
    mkdir -p "$build_dir/corpus/$target" "$artifacts"
    echo "Fuzzing $target for $seconds seconds."
    UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QT_QPA_PLATFORM=offscreen \
        "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$build_dir/corpus/$target" \
        "$source_dir/../tests/data" "$source_dir/corpus/$target" "$source_dir/crashes/$target" \
        2>"$build_dir/$target.log" || {
        echo "$target failed; its input is in $artifacts, its log in $build_dir/$target.log." >&2
        status=1
    }
    grep -E '^stat::number_of_executed_units|^Done' "$build_dir/$target.log" || true
done
exit $status
