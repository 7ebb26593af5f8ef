#!/usr/bin/env bash
# Builds the benchmarks and the program (release, in build/bench-release) and
# runs them on a private X display (Xvfb + openbox, three monitors), printing
# their figures:
#
#   1. start-up: exec to the first painted window, and memory then, for the
#      start window and for the backdrop with the confirmation window
#      (bench_startup, on the X display and on Qt's offscreen platform);
#   2. tick lateness of the progress script on real timers (bench_ticks,
#      about 85 s);
#   3. peak memory of the real program over a whole run, driven with xdotool
#      as a user would (about 90 s).
#
#   bench/run.sh [--runs N] [--skip-ticks] [--skip-whole-run]
#
# Figures only: nothing here passes or fails on a timing.
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/.." && pwd)
# shellcheck source=../e2e/xsession.sh
source "$root/e2e/xsession.sh"
# shellcheck source=../e2e/windows.sh
source "$root/e2e/windows.sh"

runs=10 ticks=1 whole=1
while (($#)); do
    case $1 in
    --runs) runs=${2:-10}; shift 2 ;;
    --skip-ticks) ticks=0; shift ;;
    --skip-whole-run) whole=0; shift ;;
    *) sed -n '2,16p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2; exit 2 ;;
    esac
done

build=$root/build/bench-release
echo "== building (release) in $build" >&2
if [[ ! -f $build/build.ninja ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null || exit 1
fi
cmake --build "$build" -j2 --target zelor-os bench_startup bench_ticks >/dev/null || {
    echo "build failed" >&2
    exit 1
}

trap xs_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
# A primary monitor with one monitor left of it and one above it, so that the
# program covers three monitors.
xs_start '*MAIN=1920x1080+1280+900' LEFT=1280x1024+0+900 ABOVE=1920x900+1280+0 2>/dev/null || exit 1
echo "X display $DISPLAY: monitors $(xrandr --listmonitors | awk 'NR > 1 { printf "%s ", $3 }')"

# The offscreen platform says this on every raise; it is no figure.
quiet_offscreen() { grep -v 'This plugin does not support raise()' >&2; }

echo
echo "== 1. start-up"
"$build/bench/bench_startup" "$runs" || exit 1
QT_QPA_PLATFORM=offscreen "$build/bench/bench_startup" "$runs" 2> >(quiet_offscreen) || exit 1

if ((ticks)); then
    echo
    echo "== 2. script ticks on real timers (about 85 s)"
    "$build/bench/bench_ticks" || exit 1
fi

status_kib() { awk -v f="$2:" '$1 == f { print $2 }' "/proc/$1/status" 2>/dev/null; }
mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB", k / 1024 }'; }
memory_line() { printf '  %-34s VmRSS %s, VmHWM %s\n' "$1" "$(mib "$(status_kib "$pid" VmRSS)")" \
    "$(mib "$(status_kib "$pid" VmHWM)")"; }

if ((whole)); then
    echo
    echo "== 3. memory of the real program over a whole run (about 90 s)"
    mkdir -p "$XS_DIR/run/home" "$XS_DIR/run/runtime" "$XS_DIR/run/tmp"
    chmod 0700 "$XS_DIR/run/runtime"
    xs_spawn env HOME="$XS_DIR/run/home" XDG_RUNTIME_DIR="$XS_DIR/run/runtime" TMPDIR="$XS_DIR/run/tmp" \
        "$build/zelor-os"
    pid=$XS_LAST_PID
    zw_reach_confirmation "$pid" || exit 1
    memory_line "confirmation window shown"
    zw_click_install "$ZW_CONFIRMATION_WID"
    xs_wait_window "$ZW_PROGRESS" 10 "$pid" >/dev/null || { echo "no progress window" >&2; exit 1; }
    sleep 1
    memory_line "progress window shown"
    partition=$(xs_wait_window "$ZW_PARTITION" 20 "$pid") || { echo "no partition window" >&2; exit 1; }
    sleep 0.5
    memory_line "partition window shown"
    zw_click_partition_ok "$partition"
    sleep 30
    memory_line "30 s into the installation"
    sleep 48 # the last step comes 76.55 s after the OK
    memory_line "after the last step"
    xs_stop "$pid" 5
    xs_wait_exit "$pid" 5
fi
