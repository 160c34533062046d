#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on the bundled catalogue.
# Further arguments go to the program, e.g. ./run.sh /NEW DIFFICULTY=1
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# Builds just the program, in the same build folder as ./test.sh and without changing its settings.
"$here/scripts/setup.sh" --run "$here/build" -- --target koltest
exec "$here/build/src/koltest" --data-dir "$here/data" "$@"
