#!/usr/bin/env bash
# Builds the Windows cross build of the monitor set and runs its tests under
# Wine, against Wine's user32, in a private X server with a known monitor
# layout (the one tests/display/user32_test.cpp expects):
#
#   X framebuffer 3200 x 2160, RandR 1.5 monitors
#     MAIN  (primary) 1920 x 1080 at +1280+1080
#     LEFT            1280 x 1024 at +0+1080     -> Wine: (-1280, 0)
#     ABOVE           1920 x 1080 at +1280+0     -> Wine: (0, -1080)
#   _NET_WORKAREA 0,0 3200x2120: Wine cuts every monitor's work area out of
#   it, so only the primary (whose bottom lies at 2160) loses 40 pixels.
#
# Usage: tools/wine-user32-tests.sh [CROSS_BUILD_DIR]   (default build/display-windows-cross)
# Needs: wine wine64 g++-mingw-w64-x86-64-posix xvfb x11-xserver-utils x11-utils (xprop).
# The Wine prefix lives outside the source tree, in
# ${XDG_CACHE_HOME:-$HOME/.cache}/zelor-os-wine (about 700 MB, made once);
# runs that share it wait for each other. Everything started here is stopped
# on the way out.
set -euo pipefail

source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${1:-$source_dir/build/display-windows-cross}

for tool in wine wineserver Xvfb xrandr xprop x86_64-w64-mingw32-g++-posix flock; do
    if ! command -v "$tool" >/dev/null; then
        echo "wine-user32-tests: $tool is missing (apt-get install wine wine64 g++-mingw-w64-x86-64-posix xvfb x11-xserver-utils x11-utils)" >&2
        exit 1
    fi
done

export WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zelor-os-wine}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9

work=$(mktemp -d)
xvfb_pid=
wine_started=
cleanup() {
    local status=$?
    if [ -n "$wine_started" ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

step() { printf 'wine-user32-tests: %s\n' "$*"; }

step "building the cross tree in $build_dir"
(cd "$source_dir" && cmake --preset windows-cross -B "$build_dir" >"$work/configure.log") || {
    cat "$work/configure.log" >&2
    exit 1
}
cmake --build "$build_dir" -j2

step "starting a private X server"
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 3200x2160x24 3>"$work/displayfd" 2>"$work/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 30 display_number <"$work/displayfd"; then
    cat "$work/xvfb.log" >&2
    exit 1
fi
export DISPLAY=:$display_number

# The primary takes the output "screen", which drops the automatic monitor
# covering the whole framebuffer.
xrandr --setmonitor '*MAIN' 1920/508x1080/286+1280+1080 screen >/dev/null
xrandr --setmonitor LEFT 1280/338x1024/270+0+1080 none >/dev/null
xrandr --setmonitor ABOVE 1920/508x1080/286+1280+0 none >/dev/null
xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, 3200, 2120"

# A wineserver left from another layout would answer with that one.
wine_started=1
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true

if [ ! -f "$WINEPREFIX/.zelor-os-ready" ]; then
    step "creating the Wine prefix $WINEPREFIX (once)"
    wineboot --init >"$work/wineboot.log" 2>&1 || {
        cat "$work/wineboot.log" >&2
        exit 1
    }
    # Wine's RandR path reports the outputs, not the RandR 1.5 monitors.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v UseXRandR /t REG_SZ /d N /f >/dev/null
    wineserver -w
    touch "$WINEPREFIX/.zelor-os-ready"
fi

# One wineserver and one set of Wine's own services (explorer among them) for
# all the test programs. Started here, away from ctest's output pipes: a
# service started by a test would inherit them, and ctest would wait for it.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 </dev/null

step "running the tests under Wine on $DISPLAY"
export ZELOR_USER32_LAYOUT=primary-left-above
ctest --test-dir "$build_dir" --output-on-failure --no-tests=error
