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

# The shipped catalogue with the lines of standard input after its first "#".
sed -n '1,/^#\r$/p' "$shipped" > "$dir/before"
sed '1,/^#\r$/d' "$shipped" > "$dir/after"
with_records() {
    cat "$dir/before" - "$dir/after"
}
# N records of two lines, each with a wrong element symbol: N errors (and N - 1 repeated tasks).
faulty_records() {
    yes "$(printf 'Wasserstoff\r\nHx\r')" | head -n $((2 * $1)) | with_records
}

head -c 50000000 /dev/zero | tr '\0' '\n' > "$dir/empty-lines-50MB.dat"
faulty_records 20000 > "$dir/errors-20000.dat"
faulty_records 500000 > "$dir/errors-500000.dat"
{ printf 'Wasserstoff'; head -c 10000000 /dev/zero | tr '\0' x; printf '\r\nH\r\n'; } | with_records > "$dir/line-10MB.dat"

# The budget holds for the processor time (user + system): on a busy machine the wall-clock time, shown
# beside it, is longer by what other programs took; on an idle one both are the same.
over=0
printf '%-24s %9s %8s %8s %9s\n' file size 'cpu s' 'wall s' 'peak MB'
for file in "$dir"/*.dat; do
    # %M is the peak resident memory in KiB, the "Maximum resident set size" of /usr/bin/time -v.
    /usr/bin/time -f '%U %S %e %M' -o "$dir/time" "$program" --check "$file" > /dev/null 2>&1 || true
    tail -n 1 "$dir/time" > "$dir/measured"
    read -r user system wall kib < "$dir/measured"
    cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
    megabytes=$((kib / 1024))
    verdict=
    if awk -v c="$cpu" -v b="$budget_seconds" 'BEGIN { exit !(c > b) }' || [ "$megabytes" -gt "$budget_megabytes" ]; then
        verdict='  over budget'
        over=1
    fi
    printf '%-24s %6d MB %8s %8s %9d%s\n' "$(basename "$file")" $(($(stat -c %s "$file") / 1000000)) "$cpu" \
        "$wall" "$megabytes" "$verdict"
done
exit $over
