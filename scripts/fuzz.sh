#!/usr/bin/env bash
# Builds the libFuzzer programs with clang in build-fuzz/ (AddressSanitizer
# and UndefinedBehaviorSanitizer, no Qt) and runs each for SECONDS (default
# 60) on a scratch copy of its seed corpus, two at a time. Exits non-zero on
# any crash, leak, timeout or sanitizer report; the input that caused it is
# kept under build-fuzz/findings/<target>/ (copy it to fuzz/regressions/<target>/
# once the fault is fixed, so that the replay test keeps running it).
#
#   scripts/fuzz.sh [SECONDS]
#   FUZZ_TARGETS="parameter_file file_run" scripts/fuzz.sh 300   # only these
set -uo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=${FUZZ_BUILD:-build-fuzz}
targets=${FUZZ_TARGETS:-"parameter_file ellipsoid_file line_fields angle_readers file_run"}
parallel=${FUZZ_PARALLEL:-2}

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

echo "== configure $build (clang, libFuzzer, address + undefined)"
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARA_FUZZ=ON -DTESSARA_SANITIZE=ON -DTESSARA_BUILD_UI=OFF -DTESSARA_BUILD_BENCH=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=TRUE "${launcher[@]}" >"$build.configure.log" 2>&1 || {
    cat "$build.configure.log"
    exit 1
}
rm -f "$build.configure.log"

echo "== build the fuzz programs"
start=$(date +%s)
fuzz_programs=()
for t in $targets; do fuzz_programs+=("fuzz_$t"); done
cmake --build "$build" -j 2 --target "${fuzz_programs[@]}" || exit 1
echo "build took $(( $(date +%s) - start )) s"

work="$build/fuzz-work"
rm -rf "$work"
mkdir -p "$work" "$build/findings"

# One target: a scratch corpus (seeds, reproducers, and what earlier runs in
# this build folder found), then libFuzzer for the given time.
run_target() {
    local t=$1
    local corpus="$work/$t/corpus" findings="$build/findings/$t"
    mkdir -p "$corpus" "$findings"
    cp fuzz/corpus/"$t"/* "$corpus"/ 2>/dev/null
    cp fuzz/regressions/"$t"/* "$corpus"/ 2>/dev/null
    [ -d "$build/kept/$t" ] && cp "$build/kept/$t"/* "$corpus"/ 2>/dev/null
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:allocator_may_return_null=0 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/fuzz/fuzz_$t" "$corpus" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
        -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
        >"$work/$t.log" 2>&1
    local status=$?
    # Keep the grown corpus for the next run in this folder (never the checked-in one).
    mkdir -p "$build/kept/$t"
    cp "$corpus"/* "$build/kept/$t"/ 2>/dev/null
    echo "$status" >"$work/$t.status"
}

running=0
for t in $targets; do
    run_target "$t" &
    running=$((running + 1))
    if [ "$running" -ge "$parallel" ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait

failed=0
echo "== results ($seconds s each)"
for t in $targets; do
    status=$(cat "$work/$t.status" 2>/dev/null || echo 1)
    stats=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$t.log" | tail -1)
    execs=$(grep -E '^stat::number_of_executed_units' "$work/$t.log" | awk '{print $2}')
    persec=$(grep -E '^stat::average_exec_per_sec' "$work/$t.log" | awk '{print $2}')
    printf '%-15s %s | execs %s, %s exec/s\n' "$t" "${stats:-no final statistics}" \
        "${execs:-?}" "${persec:-?}"
    if [ "$status" != 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|fuzz invariant failed' "$work/$t.log"; then
        failed=1
        echo "---- $t FAILED (exit $status); log $work/$t.log; input in $build/findings/$t/"
        grep -E 'ERROR:|runtime error:|SUMMARY:|fuzz invariant failed|Test unit written' "$work/$t.log" | head -20
    fi
done
exit "$failed"
