#!/usr/bin/env bash
# Runs a program on a private virtual X display (Xvfb with openbox), for
# machines without a screen, and saves a screenshot of the whole virtual
# screen every few seconds, so that one can see afterwards what it showed.
#
#   e2e/run-on-virtual-display.sh [-i SECONDS] [-o FOLDER] [-m MONITOR]... [--] COMMAND [ARG...]
#
#   -i SECONDS  time between screenshots (default 3)
#   -o FOLDER   where they go: a new folder (default: a fresh one under
#               ${TMPDIR:-/tmp}); its path is printed
#   -m MONITOR  a RandR monitor, NAME=WxH+X+Y, '*' before the primary's name;
#               repeat it for each (default: one 1920x1080 monitor), e.g.
#               -m '*MAIN=1920x1080+1280+900' -m LEFT=1280x1024+0+900
#
# It runs until the program ends or Ctrl+C; either way it stops everything it
# started. The exit status is the program's (after Ctrl+C, the status the
# program ends with once asked to stop by SIGTERM).
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=xsession.sh
source "$here/xsession.sh"

interval=3 folder='' monitors=()
usage() { sed -n '6,15p' "${BASH_SOURCE[0]}" | sed 's/^# \{0,1\}//' >&2; exit 2; }
while (($#)); do
    case $1 in
    -i) interval=${2:-}; shift 2 ;;
    -o) folder=${2:-}; shift 2 ;;
    -m) monitors+=("${2:-}"); shift 2 ;;
    --) shift; break ;;
    -h | --help) usage ;;
    -*) usage ;;
    *) break ;;
    esac
done
(($#)) || usage
[[ $interval =~ ^[0-9]+([.][0-9]+)?$ ]] || usage

if [[ -n $folder ]]; then
    [[ -e $folder ]] && { echo "run-on-virtual-display: $folder exists already" >&2; exit 2; }
    mkdir -p "$folder" || exit 2
else
    folder=$(mktemp -d "${TMPDIR:-/tmp}/zelor-screens.XXXXXX") || exit 2
fi
folder=$(cd "$folder" && pwd)

interrupted=0
trap xs_cleanup EXIT
trap 'interrupted=1' INT TERM

xs_start "${monitors[@]}" || exit 1
echo "run-on-virtual-display: running '$*' on the virtual display $DISPLAY (Xvfb + openbox)," \
    "not on your screen" >&2
echo "run-on-virtual-display: a screenshot every ${interval} s into $folder" >&2
echo "$folder"

xs_spawn "$@"
program=$XS_LAST_PID
started=$SECONDS
shots=0
next_shot() {
    shots=$((shots + 1))
    xs_screenshot "$(printf '%s/%04d-%05ds.png' "$folder" "$shots" $((SECONDS - started)))"
}

# Sleeps in small steps so that the end of the program and Ctrl+C are seen at once.
ticks_per_shot=$(awk -v s="$interval" 'BEGIN { n = int(s / 0.1 + 0.5); print (n < 1 ? 1 : n) }')
tick=0
while xs_alive "$program" && ((!interrupted)); do
    sleep 0.1
    tick=$((tick + 1))
    if ((tick >= ticks_per_shot)); then
        tick=0
        xs_alive "$program" && next_shot
    fi
done

if ((interrupted)); then
    echo "run-on-virtual-display: interrupted, stopping the program" >&2
    xs_alive "$program" && next_shot
    xs_stop "$program" 5
fi
xs_wait_exit "$program" 5
status=${XS_EXIT_STATUS:-1}
echo "run-on-virtual-display: the program ended with status $status; $shots screenshot(s) in $folder" >&2
xs_cleanup
exit "$status"
