#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through ctest.
#   ./test.sh             the normal build
#   ./test.sh --sanitize  the logic tests under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ ${1:-} == --sanitize ]]; then
    "$here/scripts/setup.sh" "$here/build-sanitize" -DKOLTEST_SANITIZE=ON -DKOLTEST_DESKTOP=OFF \
        -DKOLTEST_BENCHMARKS=OFF -DKOLTEST_WERROR=${KOLTEST_WERROR:-OFF}
    ctest --test-dir "$here/build-sanitize" --output-on-failure
else
    "$here/scripts/setup.sh" "$here/build" -DKOLTEST_WERROR=${KOLTEST_WERROR:-OFF}
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$here/build" --output-on-failure
fi
