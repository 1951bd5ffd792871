#!/bin/bash
# Runs every fuzz target of the fuzz build for FUZZ_SECONDS seconds each
# (20 unless set), starting from the seed corpus and the regression inputs.
# Fails when any target finds a crash; its input is kept in
# <build>/artifacts/<target>/ and the end of its log is shown.
set -uo pipefail
cd "$(dirname "$0")/.."
build=${FUZZ_BUILD:-build-fuzz}
seconds=${FUZZ_SECONDS:-20}
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp:print_suppressions=0}

failed=()
for exe in "$build"/fuzz/fuzz_*; do
    [ -f "$exe" ] && [ -x "$exe" ] || continue
    target=${exe##*/fuzz_}
    corpus=(fuzz/corpus/"$target")
    [ -d fuzz/regressions/"$target" ] && corpus+=(fuzz/regressions/"$target")
    mkdir -p "$build/corpus/$target" "$build/artifacts/$target"
    log="$build/fuzz_$target.log"
    echo "fuzz_$target: $seconds s"
    if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
            -artifact_prefix="$build/artifacts/$target/" "$build/corpus/$target" "${corpus[@]}" >"$log" 2>&1; then
        failed+=("$target")
        tail -n 40 "$log"
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "fuzzing found faults in: ${failed[*]} (inputs in $build/artifacts/)"
    exit 1
fi
echo "fuzzing found no faults"
