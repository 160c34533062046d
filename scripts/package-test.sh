#!/usr/bin/env bash
# Builds the Debian package from an already built tree and checks it as a user's machine would see it:
# its contents (the program and nothing of the tests), its dependencies, the program run from the
# unpacked package, and the desktop entry, software-centre description and manual page inside it.
#   scripts/package-test.sh BUILD_DIR                  check the package
#   scripts/package-test.sh BUILD_DIR --install-trial  also install it with apt-get and remove it again
#                                                      (only as root and only if koltest is not installed)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: scripts/package-test.sh BUILD_DIR [--install-trial]}" && pwd)
install_trial=false
[[ ${2:-} == --install-trial ]] && install_trial=true
app_id=de.koltest.KolTest

failures=0
fail() {
    echo "package-test: FAIL: $*" >&2
    failures=$((failures + 1))
}

work=$(realpath "$(mktemp -d)")
trap 'rm -rf "$work"' EXIT

rm -f "$build"/koltest_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log") || { cat "$work/cpack.log" >&2; exit 1; }
debs=("$build"/koltest_*_amd64.deb)
[[ -f ${debs[0]} && ${#debs[@]} -eq 1 ]] || { echo "package-test: no single koltest_*_amd64.deb" >&2; exit 1; }
deb=${debs[0]}
echo "package-test: checking $deb"

# Contents: every file the program needs, and nothing outside the program's own places.
dpkg-deb -c "$deb" | awk '{print $6}' | sed -e 's|^\.||' -e 's|/$||' | grep . >"$work/contents"
required=(/usr/bin/koltest
          /usr/share/applications/$app_id.desktop
          /usr/share/metainfo/$app_id.metainfo.xml
          /usr/share/man/man1/koltest.1.gz
          /usr/share/icons/hicolor/scalable/apps/$app_id.svg)
for size in 16 22 24 32 48 64 128 256; do
    required+=("/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "$here"/data/*; do
    name=$(basename "$file")
    [[ -f $file && $name != *~ && $name != *.bak && $name != *.orig && $name != *.swp ]] || continue
    required+=("/usr/share/koltest/$name")
done
for path in "${required[@]}"; do
    grep -qxF "$path" "$work/contents" || fail "missing from the package: $path"
done
allowed='^/usr(/bin|/share|/share/man|/share/icons|/bin/koltest|/share/(koltest|applications|metainfo|icons/hicolor|man/man1)(/.*)?)?$'
while read -r path; do
    [[ $path =~ $allowed ]] || fail "does not belong in the package: $path"
done <"$work/contents"

# Depends must name the package of every Qt and muparser library the program is linked with (the linker
# drops a Qt module the program does not use yet), and at least Qt's core, GUI and widgets.
depends=$(dpkg-deb -f "$deb" Depends)
echo "package-test: Depends: $depends"
needed_packages=(libqt6core6 libqt6gui6 libqt6widgets6)
for library in $(objdump -p "$build/src/koltest" | awk '$1 == "NEEDED" {print $2}'); do
    [[ $library == libQt6* || $library == libmuparser* ]] || continue
    package=$(dpkg -S "*/$library" 2>/dev/null | head -n 1 | cut -d: -f1)
    [[ -n $package ]] && needed_packages+=("$package") || fail "no installed package holds $library"
done
for package in "${needed_packages[@]}"; do
    grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package"
done

# The unpacked program must find its data beside itself, not in this source tree, and must need no
# display for --version and --check. Settings of this machine's user are kept out of the way.
root="$work/root"
dpkg-deb -x "$deb" "$root"
run() {
    env -u KOLTEST_DATA_DIR -u KOLTEST_RESULTS_DIR -u DISPLAY -u WAYLAND_DISPLAY \
        XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data-home" "$root/usr/bin/koltest" "$@"
}
expected_version="koltest $("$build/src/koltest" --version | awk '{print $2}')"
version=$(run --version) || fail "--version failed"
[[ $version == "$expected_version" && $version == "koltest $(dpkg-deb -f "$deb" Version)" ]] ||
    fail "--version printed '$version'"
check=$(run --check) || fail "--check of the shipped catalogue failed: $check"
[[ $check == *"$root/usr/share/koltest/koltest.dat: 0 Fehler"* ]] ||
    fail "--check did not check the packaged catalogue: $check"

# What the desktop, the software centre and man see.
desktop-file-validate "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry is not valid"
grep -qx 'Exec=koltest' "$root/usr/share/applications/$app_id.desktop" || fail "desktop entry: Exec is not koltest"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" ||
    { cat "$work/appstream.log" >&2; fail "metainfo is not valid"; }
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
    man --warnings -E UTF-8 -l "$root/usr/share/man/man1/koltest.1.gz" 2>&1 >/dev/null)
[[ -z $warnings ]] || fail "manual page warnings: $warnings"

if $install_trial; then
    if [[ $(id -u) -ne 0 ]]; then
        echo "package-test: install trial skipped: not root"
    elif dpkg-query -W -f='${Status}' koltest 2>/dev/null | grep -q 'install ok installed'; then
        echo "package-test: install trial skipped: koltest is installed on this machine already"
    else
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$work/apt.log" ||
            { cat "$work/apt.log" >&2; fail "apt-get install failed"; }
        [[ $(env -u KOLTEST_DATA_DIR XDG_CONFIG_HOME="$work/config" koltest --version) == "$expected_version" ]] ||
            fail "installed koltest --version"
        DEBIAN_FRONTEND=noninteractive apt-get remove -y koltest >>"$work/apt.log" ||
            { cat "$work/apt.log" >&2; fail "apt-get remove failed"; }
        while read -r path; do
            [[ $path == /usr/bin/koltest || $path == /usr/share/koltest/* || $path == */$app_id.* ||
               $path == */koltest.1.gz ]] || continue
            [[ ! -e $path ]] || fail "left behind after removal: $path"
        done <"$work/contents"
        [[ ! -e /usr/share/koltest ]] || fail "left behind after removal: /usr/share/koltest"
    fi
fi

if ((failures)); then
    echo "package-test: $failures failure(s)" >&2
    exit 1
fi
echo "package-test: $deb is fine"
