#!/usr/bin/env bash
# The front door: ./project.sh run | test
#   run   installs what is missing, builds the release binary and starts it on
#         the current display (or on a private virtual one when there is none)
#   test  installs what is missing, builds everything and runs every test
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
                libgtest-dev googletest fonts-liberation fonts-dejavu-core)
# A private X session for machines without a display, and for the end-to-end tests.
x_packages=(xvfb openbox xdotool x11-xserver-utils x11-utils imagemagick strace iproute2)
# The monitor set's Windows build, tested against Wine's user32.
windows_packages=(wine wine64 g++-mingw-w64-x86-64-posix)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}" >&2
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# build PRESET TESTS: configures and builds one preset, with or without the tests.
build() {
    cmake --preset "$1" -DZELOR_BUILD_TESTS="$2" >/dev/null
    cmake --build --preset "$1" -j 2
}

case "${1:-}" in
run)
    install_missing "${build_packages[@]}" "${x_packages[@]}"
    build release OFF
    if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
        exec build/release/zelor-os
    fi
    exec e2e/run-on-virtual-display.sh build/release/zelor-os
    ;;
test)
    install_missing "${build_packages[@]}" "${x_packages[@]}" "${windows_packages[@]}"
    build release ON
    ctest --preset release
    # The in-process tests once more, under the address and undefined-behaviour sanitizers.
    build sanitize ON
    ctest --preset sanitize
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
