#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs them.
#   scripts/fuzz.sh [SECONDS]     fuzz each target for SECONDS (default 60),
#                                 two at a time, growing build-fuzz/corpus/
#                                 (FUZZ_TARGETS="chunk png" picks targets)
#   scripts/fuzz.sh --corpus-only run each target once over its committed
#                                 corpus (fuzz/corpus/), for the test command
# Exits non-zero when a target crashed; crashing inputs land in
# build-fuzz/artifacts/. Extra libFuzzer flags can be given in FUZZ_FLAGS.
set -euo pipefail
cd "$(dirname "$0")/.."
all_targets=(chunk format dispatcher preset png state control)
targets=("${all_targets[@]}")
# FUZZ_TARGETS="chunk format" limits a run to some of them.
[ -n "${FUZZ_TARGETS:-}" ] && read -r -a targets <<<"$FUZZ_TARGETS"
build=build-fuzz

cmake -S fuzz -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGRAVELO_WERROR="${GRAVELO_WERROR:-OFF}" >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" >/dev/null

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
mkdir -p "$build/artifacts" "$build/logs"

if [ "${1:-}" = "--corpus-only" ]; then
    failed=0
    for t in "${targets[@]}"; do
        if "$build/fuzz_$t" -runs=0 -artifact_prefix="$build/artifacts/$t-" "fuzz/corpus/$t" \
            >"$build/logs/$t-corpus.log" 2>&1; then
            echo "fuzz_$t: corpus of $(ls "fuzz/corpus/$t" | wc -l) inputs ok"
        else
            echo "fuzz_$t: FAILED on its corpus"; tail -n 30 "$build/logs/$t-corpus.log"; failed=1
        fi
    done
    exit $failed
fi

seconds=${1:-60}
run_one() {
    local t=$1
    mkdir -p "$build/corpus/$t"
    "$build/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$build/artifacts/$t-" ${FUZZ_FLAGS:-} \
        "$build/corpus/$t" "fuzz/corpus/$t" >"$build/logs/$t.log" 2>&1
}
failed=0
pids=()
for t in "${targets[@]}"; do
    run_one "$t" & pids+=($!)
    # Two at a time: the machine has two cores.
    if [ ${#pids[@]} -ge 2 ]; then wait "${pids[0]}" || failed=1; pids=("${pids[@]:1}"); fi
done
for p in "${pids[@]}"; do wait "$p" || failed=1; done
for t in "${targets[@]}"; do
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$t.log" | grep -o '[0-9]*$' | head -n 1)
    if grep -q 'Test unit written to' "$build/logs/$t.log"; then
        echo "fuzz_$t: CRASHED after ${runs:-?} executions: $(grep -o 'Test unit written to .*' "$build/logs/$t.log" | head -n 1)"
    else
        echo "fuzz_$t: ${seconds}s, ${runs:-?} executions, no crash"
    fi
done
exit $failed
