#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
#   ./test.sh             the normal build
#   ./test.sh --sanitize  the logic tests under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./test.sh --fuzz SECONDS  builds the libFuzzer targets (clang) and runs each for SECONDS seconds
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
jobs=$(nproc)
# The sanitizer run and the fuzz targets share one clang tree, so that the logic is compiled once for both.
sanitize_tree() {
    "$here/scripts/setup.sh" "$here/build-sanitize" -DCMAKE_CXX_COMPILER=clang++ -DKOLTEST_SANITIZE=ON \
        -DKOLTEST_FUZZ=ON -DKOLTEST_DESKTOP=OFF -DKOLTEST_BENCHMARKS=OFF -DKOLTEST_WERROR=${KOLTEST_WERROR:-OFF} "$@"
}
if [[ ${1:-} == --fuzz ]]; then
    seconds=${2:?usage: ./test.sh --fuzz SECONDS}
    build="$here/build-sanitize"
    sanitize_tree -- --target fuzz_catalogue fuzz_numbers fuzz_notation fuzz_form fuzz_record
    # Seeds: the kept inputs of each target and, for the catalogue, every catalogue of the project. New
    # inputs go to build-sanitize/corpus, a failing one to build-sanitize/findings (keep it in tests/data/fuzz).
    for target in catalogue numbers notation form record; do
        seeds=("$here/tests/data/fuzz/$target")
        options=()
        # Whole catalogues are long; their first 4 KiB already hold several sections, and run much faster.
        [[ $target == catalogue ]] && seeds+=("$here/tests/data/check" "$here/data") && options+=(-max_len=4096)
        mkdir -p "$build/corpus/$target" "$build/findings/$target"
        echo "Fuzzing $target for $seconds s"
        "$build/fuzz/fuzz_$target" "${options[@]}" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
            -artifact_prefix="$build/findings/$target/" "$build/corpus/$target" "${seeds[@]}"
    done
elif [[ ${1:-} == --sanitize ]]; then
    sanitize_tree
    ctest --test-dir "$here/build-sanitize" --output-on-failure -j "$jobs"
else
    "$here/scripts/setup.sh" "$here/build" -DKOLTEST_WERROR=${KOLTEST_WERROR:-OFF}
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$here/build" --output-on-failure -j "$jobs"
fi
