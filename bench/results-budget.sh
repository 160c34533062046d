#!/bin/sh
# Time and peak memory of `koltest --results` on folders of 1 000, 10 000 and 50 000 records of the present
# format (47 tasks each), against the budget for 50 000: 3 s and 150 MB. Prints one line per folder with
# the time per thousand records, so that the growth shows, and exits with 1 when 50 000 are over budget.
#
#   cmake --build build --target koltest koltest_record_maker && bench/results-budget.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
budget_seconds=3
budget_megabytes=150
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# As for --check: the budget holds for the processor time; the wall-clock time stands beside it.
over=0
printf '%8s %8s %8s %9s %14s\n' records 'cpu s' 'wall s' 'peak MB' 'cpu ms/1000'
for count in 1000 10000 50000; do
    "$build/bench/koltest_record_maker" "$dir/$count" "$count"
    mkdir -p "$dir/tables-$count"
    # A cold cache is not what is measured: the folder was just written, as on a busy share.
    /usr/bin/time -f '%U %S %e %M' -o "$dir/time" "$build/src/koltest" --results-dir "$dir/tables-$count" \
        --results "$dir/$count" > /dev/null 2>&1 || true
    read -r user system wall kib < "$dir/time"
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
    megabytes=$((kib / 1024))
    verdict=
    if [ "$count" -eq 50000 ] && { awk -v c="$cpu" -v b="$budget_seconds" 'BEGIN { exit !(c > b) }' ||
        [ "$megabytes" -gt "$budget_megabytes" ]; }; then
        verdict='  over budget'
        over=1
    fi
    perthousand=$(awk -v c="$cpu" -v n="$count" 'BEGIN { printf "%.0f", 1000 * c / (n / 1000) }')
    printf '%8d %8s %8s %9d %14s%s\n' "$count" "$cpu" "$wall" "$megabytes" "$perthousand" "$verdict"
    rm -rf "${dir:?}/$count"
done
exit $over
