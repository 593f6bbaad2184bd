#!/usr/bin/env bash
# File-run throughput side by side with a command-line reference engine.
#
#   bench/compare.sh [LINES]   (BUILD=build, BENCH_CPU=0, RUNS=3 by default)
#
# Generates LINES points (default 1000000) in each layout, transforms them
# with `tessara-cli transform` and, when `cct` (Debian package proj-bin) is
# installed, runs the equivalent cct pipeline on the same points: a
# time-dependent Helmert step for cartesian points, cart -> Helmert -> inverse
# cart for geographic ones (cct reads decimal degrees). The Helmert step is
# the built-in ITRF2000 set with coordinate-frame rotations: on cartesian
# points both write the same X, Y, Z to the last digit. Each figure is the
# best of RUNS runs on one core (more runs smooth a noisy machine); within a
# case the transform's runs alternate with cct's, so that a machine whose
# speed drifts from minute to minute slows both sides of a ratio alike. The
# table shows lines per second (by the wall clock and by processor time), the
# ratios to cct and the transform's peak memory.
# cct is a benchmark peer only: nothing builds or tests against it. Run it
# on an otherwise idle machine.
set -euo pipefail

lines=${1:-1000000}
build=${BUILD:-build}
cpu=${BENCH_CPU:-0}
runs=${RUNS:-3}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "RUNS must be a positive whole number" >&2; exit 2; }
cli="$build/cli/tessara-cli"
make_points="$build/bench/tessara_make_points"
for program in "$cli" "$make_points"; do
    [[ -x $program ]] || { echo "missing $program: build tessara-cli and tessara_make_points" >&2; exit 2; }
done
[[ -x /usr/bin/time ]] || { echo "missing /usr/bin/time (Debian package time)" >&2; exit 2; }
cct=$(command -v cct || true)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The built-in ITRF2000 set at epoch 2005.0, as cct's Helmert step takes it.
helmert=(+proj=helmert +x=-0.0761 +y=-0.0101 +z=0.0444 +rx=0.008765 +ry=0.009361 +rz=0.009325
         +s=0.007935 +dx=0.011 +dy=-0.0045 +dz=-0.0174 +drx=0.001034 +dry=0.000671
         +drz=0.001039 +ds=-0.000538 +t_epoch=2000 +convention=coordinate_frame)
cart=(+proj=cart +ellps=GRS80)
geographic=(+proj=pipeline +step "${cart[@]}" +step "${helmert[@]}" +step +inv "${cart[@]}")

# One run of a command on the benchmark core: sets `took` (wall nanoseconds),
# `cpu_took` (user + system milliseconds) and `kib` (peak memory). The
# command's output goes to $work/out.log.
run_once() {
    local start end user system
    start=$(date +%s%N)
    /usr/bin/time -f '%U %S %M' -o "$work/usage" taskset -c "$cpu" "$@" >"$work/out.log" 2>&1 ||
        { echo "failed: $*" >&2; cat "$work/out.log" >&2; exit 2; }
    end=$(date +%s%N)
    took=$(( end - start ))
    read -r user system kib < <(tail -n 1 "$work/usage")
    cpu_took=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%d", (u + s) * 1000 }')
}
# Keeps the fastest wall and processor times of a side (ours or cct) and the
# largest peak memory.
keep_best() {
    local side=$1
    local -n wall_best="${side}_wall" cpu_best="${side}_cpu" peak_most="${side}_peak"
    [[ -z $wall_best || $took -lt $wall_best ]] && wall_best=$took
    [[ -z $cpu_best || $cpu_took -lt $cpu_best ]] && cpu_best=$cpu_took
    [[ -z $peak_most || $kib -gt $peak_most ]] && peak_most=$kib
    return 0
}
# Lines per second from wall nanoseconds, and from processor milliseconds.
wall_rate() { awk -v n="$lines" -v ns="$1" 'BEGIN { printf "%.0f", n / (ns / 1e9) }'; }
cpu_rate() { awk -v n="$lines" -v ms="$1" 'BEGIN { printf "%.0f", n / ((ms > 0 ? ms : 1) / 1e3) }'; }
# Points: every tessara layout; cct gets the decimal-degree and cartesian
# points blank-separated (id, values), which it reads by column.
for layout in xyz dd dms dm dmshp dmhp dms1; do
    "$make_points" "$layout" "$lines" "$work/$layout.in"
done
tr ',' ' ' <"$work/xyz.in" >"$work/xyz.cct"
tr ',' ' ' <"$work/dd.in" >"$work/dd.cct"

# cct's pipelines on the same points, by the name the cases give them.
declare -A peers=(
    [xyz]="$work/xyz.cct|-d 4 -c 2,3,4 -t 2005 ${helmert[*]}"
    [geo]="$work/dd.cct|-d 8 -c 3,2,4 -t 2005 ${geographic[*]}"
    [geo-inv]="$work/dd.cct|-I -d 8 -c 3,2,4 -t 2005 ${geographic[*]}"
)

# case name, input layout, output name, cct pipeline, transform options
cases=(
    "xyz:csv->csv|xyz|out.csv|xyz|--output xyz"
    "xyz:txt->txt|xyz|out.txt|xyz|--output xyz"
    "dms:txt->txt|dms|out.txt|geo|--output geo"
    "dms:txt->csv|dms|out.csv|geo|--output geo"
    "dms:txt->full-record|dms|out.txt|geo|--output geo,xyz"
    "dms:reverse|dms|out.txt|geo-inv|--output geo --reverse"
    "dms1:csv->csv|dms1|out.csv|geo|--output geo"
    "dm:txt->txt|dm|out.txt|geo|--output geo --notation dm"
    "dd:csv->csv|dd|out.csv|geo|--output geo --notation dd"
    "dd:reverse-csv|dd|out.csv|geo-inv|--output geo --notation dd --reverse"
    "dmshp:csv->csv|dmshp|out.csv|geo|--output geo --notation dmshp --layout dmshp"
    "dmhp:csv->csv|dmhp|out.csv|geo|--output geo --notation dmhp --layout dmhp"
)

# Wall-clock rates are what a user waits for; processor-time rates (user +
# system) are steadier on a shared machine. The ratios compare like with like.
printf '%d lines, best of %d on CPU %s; %s\n' "$lines" "$runs" "$cpu" "$(uptime | sed 's/^ *//')"
printf '%-22s %10s %10s %7s | %10s %10s %7s | %8s\n' case wall/s cct-wall/s ratio \
    cpu/s cct-cpu/s ratio peak-KiB
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
for entry in "${cases[@]}"; do
    IFS='|' read -r name layout output peer options <<<"$entry"
    IFS='|' read -r peer_input peer_options <<<"${peers[$peer]}"
    # shellcheck disable=SC2034  # cct_peak is kept by keep_best, not shown
    ours_wall='' ours_cpu='' ours_peak='' cct_wall='' cct_cpu='' cct_peak=''
    for ((run = 0; run < runs; ++run)); do
        # shellcheck disable=SC2086  # the options are words
        run_once "$cli" transform --quiet --epoch 2005.0 $options "$work/$layout.in" \
            "$work/$output"
        keep_best ours
        if [[ -n $cct ]]; then
            # shellcheck disable=SC2086  # the options are words
            run_once sh -c "exec \"\$0\" \"\$@\" <\"$peer_input\" >\"$work/cct.out\"" \
                "$cct" $peer_options
            keep_best cct
        fi
    done
    ours=$(wall_rate "$ours_wall")
    ours_cpu_rate=$(cpu_rate "$ours_cpu")
    if [[ -n $cct ]]; then
        theirs=$(wall_rate "$cct_wall")
        theirs_cpu=$(cpu_rate "$cct_cpu")
        wall_ratio=$(ratio "$ours" "$theirs")
        cpu_ratio=$(ratio "$ours_cpu_rate" "$theirs_cpu")
    else
        theirs=- theirs_cpu=- wall_ratio=- cpu_ratio=-
    fi
    printf '%-22s %10s %10s %7s | %10s %10s %7s | %8s\n' "$name" "$ours" "$theirs" \
        "$wall_ratio" "$ours_cpu_rate" "$theirs_cpu" "$cpu_ratio" "$ours_peak"
    rm -f "$work/$output"
done
[[ -n $cct ]] || echo "(cct not installed: install proj-bin for the side-by-side figures)"
