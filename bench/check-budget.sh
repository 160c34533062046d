#!/bin/sh
# Time and peak memory of `koltest --check` on generated catalogues that once cost minutes or gigabytes,
# against the budget of a 50 MB file: 2 s and 200 MB. Prints one line per file and exits with 1 when one
# of them is over budget.
#
#   cmake --build build --target koltest && bench/check-budget.sh [BUILD_DIR]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build}/src/koltest
shipped=$here/data/koltest.dat
budget_seconds=2
budget_megabytes=200
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# The shipped catalogue with LINES inserted after its first "#": PART1 + LINES + PART2.
sed -n '1,/^#\r$/p' "$shipped" > "$dir/before"
sed '1,/^#\r$/d' "$shipped" > "$dir/after"
with_records() {
    cat "$dir/before" - "$dir/after"
}

head -c 50000000 /dev/zero | tr '\0' '\n' > "$dir/empty-lines-50MB.dat"
yes "$(printf 'Wasserstoff\r\nHx\r')" | head -n 20000 | with_records > "$dir/errors-20000.dat"
yes "$(printf 'Wasserstoff\r\nHx\r')" | head -n 500000 | with_records > "$dir/errors-500000.dat"
{ printf 'Wasserstoff'; head -c 10000000 /dev/zero | tr '\0' x; printf '\r\nH\r\n'; } | with_records > "$dir/line-10MB.dat"

over=0
printf '%-24s %9s %8s %9s\n' file size seconds 'peak MB'
for file in "$dir"/*.dat; do
    # %e: wall-clock seconds, %M: peak resident memory in KiB (as "Maximum resident set size" of -v).
    /usr/bin/time -f '%e %M' -o "$dir/time" "$program" --check "$file" > /dev/null 2>&1 || true
    read -r seconds kib < "$dir/time"
    megabytes=$((kib / 1024))
    verdict=
    if awk -v s="$seconds" -v b="$budget_seconds" 'BEGIN { exit !(s > b) }' || [ "$megabytes" -gt "$budget_megabytes" ]; then
        verdict='  over budget'
        over=1
    fi
    printf '%-24s %6d MB %8s %9d%s\n' "$(basename "$file")" $(($(stat -c %s "$file") / 1000000)) "$seconds" \
        "$megabytes" "$verdict"
done
exit $over
