#!/usr/bin/env bash
# Plants the single-line faults of scripts/mutations.tsv, one at a time, in a scratch copy of the project,
# runs the logic tests against each and prints how many of them the tests catch ("N of M caught").
# A fault counts as caught when the tests fail, crash or run longer than the time limit.
#   scripts/mutation-check.sh               every fault
#   scripts/mutation-check.sh PATTERN       only the faults whose file or description contains PATTERN
# Environment: KOLTEST_MUTATION_DIR (scratch copy, default build-mutation/ in the project),
#              KOLTEST_MUTATION_TIMEOUT (seconds per test run, default 300).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
list="$here/scripts/mutations.tsv"
scratch=${KOLTEST_MUTATION_DIR:-$here/build-mutation}
limit=${KOLTEST_MUTATION_TIMEOUT:-300}
pattern=${1:-}

# The copy keeps its build folder inside, where a checkout has it, so that a compiler cache can serve both.
find "$scratch" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} + 2>/dev/null || true
mkdir -p "$scratch"
tar -C "$here" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$scratch" -xmf -
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$scratch" -B "$scratch/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLTEST_DESKTOP=OFF \
    -DKOLTEST_BENCHMARKS=OFF "${launcher[@]}" >"$scratch/configure.log"
build() { cmake --build "$scratch/build" --parallel "$(nproc)" --target core_tests >"$scratch/build.log" 2>&1; }
# In a subshell of its own, so that a crash the fault causes is counted, not announced by this shell.
run_tests() { (timeout "$limit" "$scratch/build/tests/core_tests" --gtest_brief=1 >"$scratch/test.log" 2>&1) 2>/dev/null; }

build || { echo "The unchanged tree does not build: $scratch/build.log" >&2; exit 1; }
run_tests || { echo "The logic tests fail on the unchanged tree: $scratch/test.log" >&2; exit 1; }

caught=0 total=0 stale=0
survivors=()
# The list comes in on a descriptor of its own, so that nothing the build or the tests run can read from it.
while IFS=$'\t' read -r -u 3 file text faulty what; do
    [[ -z $file || $file == \#* ]] && continue
    [[ -n $pattern && $file != *"$pattern"* && $what != *"$pattern"* ]] && continue
    target="$scratch/$file"
    original=$(mktemp)
    cp "$target" "$original"
    if ! python3 - "$target" "$text" "$faulty" <<'EOF'; then
import sys
path, text, faulty = sys.argv[1:]
source = open(path, encoding="utf-8").read()
if source.count(text) != 1:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(source.replace(text, faulty))
EOF
        echo "stale: $file: the text of \"$what\" does not stand there exactly once" >&2
        stale=$((stale + 1))
        rm -f "$original"
        continue
    fi
    total=$((total + 1))
    if ! build; then
        echo "does not build: $file: $what" >&2
        cp "$original" "$target"
        stale=$((stale + 1))
        total=$((total - 1))
    elif run_tests; then
        survivors+=("$file: $what")
    else
        caught=$((caught + 1))
    fi
    cp "$original" "$target"
    touch "$target"
    rm -f "$original"
done 3<"$list"

for s in "${survivors[@]}"; do echo "not caught: $s"; done
echo "$caught of $total caught"
((stale == 0)) || { echo "$stale rows of $list need mending" >&2; exit 1; }
