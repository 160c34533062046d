#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, if it is missing, and configures and builds
# the project into the given build folder. With --run, only what building and running the program needs.
# Usage: scripts/setup.sh [--run] BUILD_DIR [cmake arguments ...] [-- build arguments ...]
set -euo pipefail

# Building and running the program (the results window draws its charts with Qt Charts, which needs Qt's
# OpenGL module to build against).
packages=(cmake g++ make pkgconf qt6-base-dev qt6-multimedia-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
          qt6-translations-l10n libmuparser-dev fonts-dejavu-core)
if [[ ${1:-} == --run ]]; then
    shift
else
    # The tests, benchmarks, sanitizers and fuzz targets; the certificate test reads PDFs with pdftotext.
    packages+=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev poppler-utils)
    # The Debian package and its checks (scripts/package-test.sh); the icon renderer (scripts/render-icons.sh).
    packages+=(dpkg-dev desktop-file-utils appstream man-db groff-base librsvg2-bin)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ $(id -u) -ne 0 ]] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build_dir=$1
shift
configure_args=()
while (($#)) && [[ $1 != -- ]]; do
    configure_args+=("$1")
    shift
done
(($#)) && shift # the "--"
cmake -S "$(dirname "$0")/.." -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure_args[@]}"
cmake --build "$build_dir" --parallel "$(nproc)" "$@"
