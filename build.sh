#!/usr/bin/env bash
# One entry point for building Ondara on Debian 12.
#   ./build.sh run        install what is missing, build, start the program
#   ./build.sh test       install what is missing, build, run the whole test suite
#   ./build.sh sanitize   the same tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer
#   ./build.sh package    build the Debian package build/ondara_<version>_<arch>.deb and check it with lintian
#   ./build.sh deps       only install what is missing
#   ./build.sh install <package>...   install those Debian packages if they are missing (used by tools/)
# Needs root (or sudo) only when a Debian package is missing.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl-dev
    libbenchmark-dev
    fonts-dejavu-core fonts-lohit-deva
    tzdata
    desktop-file-utils appstream dpkg-dev
    xvfb xauth xdotool x11-utils imagemagick libx11-dev
    cups-daemon cups-client poppler-utils
)

install_missing() {
    local missing=()
    for package in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() { # build <dir> [cmake options...]; ONDARA_WERROR=ON in the environment turns warnings into errors (CI)
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DONDARA_WERROR="${ONDARA_WERROR:-OFF}" "$@"
    cmake --build "$dir" -j "$jobs"
}

run_tests() { # run_tests <dir>
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$jobs"
}

case "${1:-}" in
deps)
    install_missing
    ;;
install)
    shift
    packages=("$@")
    install_missing
    ;;
run)
    install_missing
    build build
    exec ./build/ondara
    ;;
test)
    install_missing
    build build
    run_tests build
    ;;
sanitize)
    install_missing
    build build-sanitize -DONDARA_SANITIZE=ON -DONDARA_BUILD_BENCHMARKS=OFF
    # No strict_string_checks: it demands a NUL even after the n bytes strndup may read, and libxkbcommon-x11 passes
    # such strings at every X connection (a false report inside the system library).
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    run_tests build-sanitize
    ;;
package)
    packages+=(lintian)
    install_missing
    build build
    (cd build && cpack -G DEB >/dev/null)
    deb=$(ls build/ondara_*.deb)
    lintian --fail-on error "$deb"
    echo "$deb"
    ;;
*)
    sed -n '2,10p' "$0"
    exit 2
    ;;
esac
