#!/usr/bin/env bash
# Throughput and peak memory of whole file runs on generated point files.
#
#   bench/filerun_bench.sh [BUILD_FOLDER] [LINES]
#
# BUILD_FOLDER is a Release build (default: build); LINES the size
# of each generated file (default 1000000; 10000000 for the large run).
# The files go to a temporary folder that is removed afterwards. The machine
# should be otherwise idle: a busy second core slows the runs by half.
set -euo pipefail

build=${1:-build}
lines=${2:-1000000}
make_points="$build/bench/tessara_make_points"
bench="$build/bench/tessara_filerun_bench"
for program in "$make_points" "$bench"; do
    [[ -x $program ]] || { echo "missing $program: build the bench targets first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# scenario: layout, output name, options
scenarios=(
    "xyz out.csv --output xyz"
    "xyz out.txt --output geo,xyz"
    "dms out.txt --output geo,xyz"
    "dms out.csv --output geo,xyz"
    "dd out.csv --output geo,xyz"
)

declare -A made
for scenario in "${scenarios[@]}"; do
    read -r layout output options <<<"$scenario"
    input="$work/$layout.in"
    if [[ -z ${made[$layout]:-} ]]; then
        "$make_points" "$layout" "$lines" "$input"
        made[$layout]=1
    fi
    printf '%-6s -> %-8s %-18s ' "$layout" "$output" "$options"
    # One core (BENCH_CPU, default 0), as the goals are stated; peak memory
    # from the kernel's count.
    /usr/bin/time -f '%M' -o "$work/peak" taskset -c "${BENCH_CPU:-0}" \
        "$bench" "$input" "$work/$output" $options 2>/dev/null | tr -d '\n'
    printf ' (time -v peak %s KiB)\n' "$(cat "$work/peak")"
    rm -f "$work/$output"
done
