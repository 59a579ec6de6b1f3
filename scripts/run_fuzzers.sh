#!/usr/bin/env bash
# Runs each libFuzzer target for the given seconds, FUZZ_JOBS of them at a time, starting from
# its kept corpus in tests/corpus/<target>/. New inputs go to the build folder; an input that
# fails is written into tests/corpus/<target>/ so it is kept and replayed by every test run.
set -u
build=$1
seconds=${2:-60}
jobs=${FUZZ_JOBS:-1}
cd "$(dirname "$0")/.."
targets=(line_parser load_redraw macro_library qt_canvas)
run() {
    local target=$1 work="$build/fuzz-corpus/$1"
    mkdir -p "$work"
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$build/bin/${target}_fuzz" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="tests/corpus/$target/failed-" "$work" "tests/corpus/$target" \
        > "$build/fuzz-$target.log" 2>&1
    local status=$?
    local runs
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz-$target.log" | grep -o '[0-9]*$')
    if [ "$status" -eq 0 ]; then
        echo "$target: ${runs:-?} runs in ${seconds} s, no finding"
    else
        echo "$target: FINDING after ${runs:-?} runs (see $build/fuzz-$target.log)"
    fi
    return "$status"
}
failures=0
pids=()
for target in "${targets[@]}"; do
    run "$target" &
    pids+=($!)
    if [ "${#pids[@]}" -ge "$jobs" ]; then
        wait "${pids[0]}" || failures=$((failures + 1))
        pids=("${pids[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    wait "$pid" || failures=$((failures + 1))
done
echo "$(( ${#targets[@]} - failures )) passed, $failures failed"
[ "$failures" -eq 0 ]
