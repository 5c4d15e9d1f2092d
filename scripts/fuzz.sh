#!/bin/sh
# Builds the libFuzzer targets of tests/fuzz (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# in build/fuzz and runs each for SECONDS seconds (default 15), two at a time.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]   (targets: formula markup_rtf painter elements numbers settings reactions batch_file)
# New inputs go to build/fuzz/corpus/<target>; the seeds in tests/fuzz/corpus/<target> stay as they are.
# A crash leaves its input as build/fuzz/crash-<target>-*; the script then fails.
set -eu
cd "$(dirname "$0")/.."
. scripts/deps.sh
. scripts/env.sh
need_packages clang libclang-rt-dev python3 cmake make

seconds=${1:-15}
[ $# -gt 0 ] && shift
targets=${*:-formula markup_rtf painter elements numbers settings reactions batch_file}

cmake --preset fuzz >/dev/null
fuzzers=""
for target in $targets; do fuzzers="$fuzzers fuzz_$target"; done
# shellcheck disable=SC2086
if ! cmake --build --preset fuzz -j "$ZORVI_JOBS" --target $fuzzers >build/fuzz/build.log 2>&1; then
    cat build/fuzz/build.log >&2
    exit 1
fi

run_one() {
    target=$1
    corpus=build/fuzz/corpus/$target
    mkdir -p "$corpus"
    echo "== fuzz_$target for ${seconds}s"
    # Leaks are checked, and every finding stops the run; the seeds are read, not written.
    # Absolute paths: fuzz_elements works in a folder of its own.
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$PWD/build/fuzz/crash-$target-" \
        "$PWD/$corpus" "$PWD/tests/fuzz/corpus/$target" >"build/fuzz/fuzz_$target.log" 2>&1
}

# Two at a time: each fuzzer keeps one core busy.
status=0
set -- $targets
while [ $# -gt 0 ]; do
    first=$1
    shift
    run_one "$first" &
    first_pid=$!
    second=""
    if [ $# -gt 0 ]; then
        second=$1
        shift
        run_one "$second" &
        second_pid=$!
    fi
    for t in $first $second; do
        if [ "$t" = "$first" ]; then pid=$first_pid; else pid=$second_pid; fi
        if wait "$pid"; then
            grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)' \
                "build/fuzz/fuzz_$t.log" | sed "s/^/   fuzz_$t: /" || true
        else
            echo "fuzz_$t FAILED; see build/fuzz/fuzz_$t.log" >&2
            tail -n 40 "build/fuzz/fuzz_$t.log" >&2
            status=1
        fi
    done
done
[ $status -eq 0 ] && echo "== fuzzing clean"
exit $status
