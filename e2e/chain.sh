#!/usr/bin/env bash
# Drives the real program as a user would, with xdotool on a private Xvfb and
# openbox: one real-time run of the whole chain (about 90 s, on a primary
# monitor with one monitor left of it and one above it) and short runs for the
# other endings (on one monitor).
#
#   e2e/chain.sh PATH/TO/zelor-os [SHOTS_DIR]
#
# Screenshots of key moments go to SHOTS_DIR (or $E2E_SHOTS, or e2e-shots next
# to the binary); its path is printed. Exit status 0 when every check passed,
# 1 when one failed, 77 when a tool it needs is missing.
#
# Environment:
#   E2E_START  auto (default): if the language window comes first, press its
#              OK; "language" or "confirmation" demands that start window.
#   E2E_RUNS   "all" (default), "long" or "short".
set -u

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=xsession.sh
source "$here/xsession.sh"
# shellcheck source=windows.sh
source "$here/windows.sh"

if (($# < 1)) || [[ ! -x $1 ]]; then
    echo "usage: $0 PATH/TO/zelor-os [SHOTS_DIR]" >&2
    exit 2
fi
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shots=${2:-${E2E_SHOTS:-$(dirname "$program")/e2e-shots}}
start_mode=${E2E_START:-auto}
runs=${E2E_RUNS:-all}
for tool in Xvfb openbox xdotool xwininfo xprop xrandr xmodmap import compare strace ss; do
    command -v "$tool" >/dev/null || { echo "chain: $tool is missing: skipped" >&2; exit 77; }
done
mkdir -p "$shots" && shots=$(cd "$shots" && pwd)
rm -f "$shots"/[0-9][0-9]-*.png

trap xs_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# --- Reporting ---------------------------------------------------------------

passed=0 failed=0
pass() { passed=$((passed + 1)); echo "ok   - $1"; }
fail() { failed=$((failed + 1)); echo "FAIL - $1${2:+ ($2)}"; }
check() {
    local what=$1; shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}
note() { echo "     $*"; }
shot() { xs_screenshot "$shots/$1.png" && note "screenshot $1.png"; }

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
sleep_until_ms() {
    local left=$(($1 - $(now_ms)))
    ((left > 0)) && sleep "$(awk -v ms="$left" 'BEGIN { printf "%.3f", ms / 1000 }')"
    return 0
}

# --- Helpers on the running program -----------------------------------------

pid=''
run_dir=''

# Starts the program with a fresh, empty HOME, XDG_RUNTIME_DIR and TMPDIR of
# its own, so that anything it wrote would show.
launch() {
    run_dir=$XS_DIR/run-$1
    mkdir -p "$run_dir/home" "$run_dir/runtime" "$run_dir/tmp"
    chmod 0700 "$run_dir/runtime"
    shift
    xs_spawn env HOME="$run_dir/home" XDG_RUNTIME_DIR="$run_dir/runtime" TMPDIR="$run_dir/tmp" \
        "$@" "$program"
    pid=$XS_LAST_PID
}

# The pid of the program itself when it runs under a wrapper (strace).
program_pid() {
    local p=$pid child
    while [[ $(cat "/proc/$p/comm" 2>/dev/null) != zelor-os ]]; do
        child=$(cat "/proc/$p/task/$p/children" 2>/dev/null | awk '{print $1}')
        [[ -n $child ]] || return 1
        p=$child
    done
    echo "$p"
}

alive() { xs_alive "$pid"; }
mapped() { xs_is_mapped "$1"; }
count_windows() { xs_find_windows "$1" "$(program_pid)" | wc -l; }

# Sets confirmation and came_from_language.
confirmation=''
came_from_language=0
reach_confirmation() {
    if ! zw_reach_confirmation "$pid" "$start_mode" 2>"$XS_DIR/why"; then
        note "$(<"$XS_DIR/why")"
        return 1
    fi
    confirmation=$ZW_CONFIRMATION_WID came_from_language=$ZW_CAME_FROM_LANGUAGE
}

# The close box is the rightmost button of openbox's title bar.
click_close_box() {
    local x y w h l r t b
    read -r x y w h < <(xs_geometry "$1")
    read -r l r t b < <(xs_frame_extents "$1")
    xdotool mousemove --sync $((x + w + r - 4 - (t - 4) / 2)) $((y - t / 2)) && sleep 0.1 && xdotool click 1
}

# Centre of a window's client area, and a point in its title bar.
centre() { local x y w h; read -r x y w h < <(xs_geometry "$1"); echo "$((x + w / 2)) $((y + h / 2))"; }
title_point() {
    local x y w h l r t b
    read -r x y w h < <(xs_geometry "$1")
    read -r l r t b < <(xs_frame_extents "$1")
    echo "$((x + w / 3)) $((y - t / 2))"
}

in_front() { xs_on_top_at "$1" $(centre "$1"); }

# Clicks the backdrop far from the dialogs, then tells whether each WID is
# still seen in front; if not, saves a screenshot as SHOT and raises them
# again, in order, so that the run can go on.
backdrop_click_leaves_in_front() {
    local backdrop=$1 shot_name=$2 wid covered=0
    shift 2
    xs_click "$backdrop" 30 "$(($(xs_geometry "$backdrop" | cut -d' ' -f4) - 30))"
    sleep 0.5
    for wid in "$@"; do
        in_front "$wid" || covered=1
    done
    ((covered)) || return 0
    shot "$shot_name"
    raise_again "$@"
    return 1
}
raise_again() {
    local wid
    for wid in "$@"; do xs_activate "$wid"; done
    sleep 0.3
}

same_geometry() { [[ $(xs_geometry "$1") == "$2" ]]; }

# Frame of WID centred on the primary monitor, within 2 pixels.
centred_on_primary() {
    local x y w h l r t b mx my mw mh
    read -r x y w h < <(xs_geometry "$1")
    read -r l r t b < <(xs_frame_extents "$1")
    read -r mx my mw mh < <(xs_primary)
    local dx=$(((x - l) - mx - (mw - (w + l + r)) / 2)) dy=$(((y - t) - my - (mh - (h + t + b)) / 2))
    note "frame off the centre by ($dx, $dy) px"
    ((dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2))
}

# Presses KEYCODE in WID and tells whether the warning box came; closes it
# with Return.
warning_box_on_key() {
    local wid=$1 keycode=$2 box
    xs_activate "$wid"
    xdotool key "$keycode"
    box=$(xs_wait_window "$ZW_WARNING" "${3:-3}") || return 1
    [[ -n ${4:-} ]] && shot "$4"
    xdotool key Return
    xs_wait_gone "$box" 3
}
no_warning_box_on_key() {
    local wid=$1 keycode=$2 box
    xs_activate "$wid"
    xdotool key "$keycode"
    if box=$(xs_wait_window "$ZW_WARNING" 1); then
        xdotool key Return
        return 1
    fi
    alive
}
key_changes_nothing() {
    local wid=$1; shift
    xs_key "$wid" "$@"
    sleep 0.7
    alive && mapped "$wid"
}

window_image() { import -window "$1" "$2" 2>/dev/null; }
images_differ() {
    local diff
    diff=$(compare -metric AE "$1" "$2" null: 2>&1)
    [[ ${diff%% *} != 0 ]]
}
# The picture of WID changes within TIMEOUT_S.
changes_within() {
    local wid=$1 timeout=$2 i
    window_image "$wid" "$XS_DIR/before.png"
    for ((i = 0; i < timeout * 4; i++)); do
        sleep 0.25
        window_image "$wid" "$XS_DIR/after.png"
        images_differ "$XS_DIR/before.png" "$XS_DIR/after.png" && return 0
    done
    return 1
}
stays_still_for() {
    window_image "$1" "$XS_DIR/before.png"
    sleep "$2"
    window_image "$1" "$XS_DIR/after.png"
    ! images_differ "$XS_DIR/before.png" "$XS_DIR/after.png"
}

# A crop of the root window around a point.
root_crop() { import -window root -crop "$3x$4+$(($1 - $3 / 2))+$(($2 - $4 / 2))" +repage "$5" 2>/dev/null; }

ends_with_status_0() {
    xs_wait_exit "$pid" "${1:-5}" || { note "still running"; return 1; }
    note "exit status $XS_EXIT_STATUS"
    [[ $XS_EXIT_STATUS == 0 ]]
}

empty_dir() { [[ -z $(ls -A "$1") ]] || { note "$1 holds: $(ls -A "$1" | tr '\n' ' ')"; return 1; }; }

# Exactly one socket among the descriptors, and its peer is our X server.
only_display_socket() {
    local p sockets inode peer owner
    p=$(program_pid) || return 1
    sockets=$(for fd in /proc/"$p"/fd/*; do readlink "$fd"; done | grep -c '^socket:')
    note "$sockets socket(s) among the descriptors"
    ((sockets == 1)) || return 1
    inode=$(for fd in /proc/"$p"/fd/*; do readlink "$fd"; done | sed -n 's/^socket:\[\([0-9]*\)\]$/\1/p')
    peer=$(ss -xapH | awk -v ino="$inode" '$6 == ino { print $8; exit }')
    owner=$(ss -xapH | awk -v ino="$peer" '$6 == ino { print; exit }')
    note "peer: ${owner:-unknown}"
    [[ $owner == *"pid=$XS_XVFB_PID,"* ]]
}

# From an strace log: no file opened for writing or created outside /dev,
# nothing made, renamed or removed, and the only connection the display's.
wrote_nothing_connected_only_to_display() {
    local log=$1 bad
    bad=$(grep -vE '= -1 E' "$log" |
        grep -E '^[0-9]+ +((open|openat|openat2)\(.*O_(WRONLY|RDWR|CREAT)|(creat|mkdir|mknod|rename|unlink|rmdir|link|symlink|truncate)(at|at2)?\()' |
        grep -vE '"/dev/' | head -n5)
    [[ -z $bad ]] || { note "writes: $bad"; return 1; }
    # Attempts count too, failed ones included.
    bad=$(grep -E '^[0-9]+ +(socket|socketpair|connect|bind|sendto|sendmsg)\(' "$log" |
        grep -vE '^[0-9]+ +socket\(AF_UNIX, SOCK_STREAM' |
        grep -vE 'connect\([0-9]+, \{sa_family=AF_UNIX, sun_path=@?"/tmp/\.X11-unix/X[0-9]+"\}' |
        grep -vE '^[0-9]+ +(sendmsg\([0-9]+, \{msg_name=NULL|sendto\(.*, NULL, 0\) )' | head -n5)
    [[ -z $bad ]] || { note "connections: $bad"; return 1; }
    grep -qE 'connect\(.*/tmp/\.X11-unix/X[0-9]+.*= 0' "$log"
}

# --- The whole chain, in real time ------------------------------------------

long_run() {
    echo "# the whole chain, in real time, on three monitors (about 90 s)"
    xs_start '*MAIN=1920x1080+1280+900' LEFT=1280x1024+0+900 ABOVE=1920x900+1280+0 || return 1
    local superL superR
    superL=$(xs_keycode_of Super_L) superR=$(xs_keycode_of Super_R)
    launch long
    ZW_LANGUAGE_SHOT=$shots/00-language.png

    local backdrop progress partition
    if ! reach_confirmation; then fail "the confirmation window appears"; return 1; fi
    pass "the confirmation window appears$( ((came_from_language)) && echo ' after the language window')"
    ZW_LANGUAGE_SHOT=''
    shot 01-confirmation

    backdrop=$(xs_find_windows "$ZW_BACKDROP" "$pid")
    check "exactly one main backdrop" test "$(echo "$backdrop" | grep -c .)" = 1
    backdrop=$(echo "$backdrop" | head -n1)
    check "the backdrop covers the whole primary monitor" \
        same_geometry "$backdrop" "$(xs_primary | awk '{print $1, $2, $3, $4}')"
    local others
    others=$(xs_find_windows "$ZW_OTHER_BACKDROP" "$pid" | grep -c .)
    if ((came_from_language || others > 0)); then
        local name ok=1
        for name in LEFT ABOVE; do
            local m found=0 w
            m=$(xs_monitor "$name")
            for w in $(xs_find_windows "$ZW_OTHER_BACKDROP" "$pid"); do
                [[ $(xs_geometry "$w") == "$m" ]] && found=1
            done
            ((found)) || ok=0
        done
        check "each further monitor has its own backdrop" test "$ok" = 1 -a "$others" = 2
    else
        note "no backdrops on further monitors yet: not checked"
    fi
    check "the confirmation window is in front of the backdrop" in_front "$confirmation"
    check "a click on the backdrop leaves the confirmation window in front" \
        backdrop_click_leaves_in_front "$backdrop" 02-backdrop-clicked-over-confirmation "$confirmation"

    zw_click_install "$confirmation"
    if ! progress=$(xs_wait_window "$ZW_PROGRESS" 10 "$pid"); then
        fail "Install leads to the progress window"; shot 99-no-progress; return 1
    fi
    local progress_shown_ms
    progress_shown_ms=$(now_ms)
    pass "Install leads to the progress window"
    sleep 0.5
    check "exactly one progress window" test "$(count_windows "$ZW_PROGRESS")" = 1
    check "the confirmation window is gone" xs_wait_gone "$confirmation" 2
    check "the progress window is centred on the primary monitor" centred_on_primary "$progress"
    shot 03-progress

    # Before script step 7 (7.5 s after the window opened).
    check "Alt+F4 on the progress window is refused" key_changes_nothing "$progress" alt+F4
    check "Esc alone does nothing" key_changes_nothing "$progress" Escape
    # A box still open when step 7 shows the partition window would take the
    # run off its path: leave the key for later when that is near.
    if (($(now_ms) < progress_shown_ms + 5000)); then
        check "the left Windows key shows the warning box" \
            warning_box_on_key "$progress" "$superL" 3 04-warning-box
    else
        note "the left Windows key: not tried before the partition step, too little time left"
    fi

    if ! partition=$(xs_wait_window "$ZW_PARTITION" 20 "$pid"); then
        fail "the partition window appears"; shot 99-no-partition; return 1
    fi
    pass "the partition window appears"
    sleep 0.5
    shot 05-partition
    check "only one partition window" test "$(count_windows "$ZW_PARTITION")" = 1
    check "the script waits while the partition window is open" stays_still_for "$progress" 1.5
    check "Shift+Esc in the disabled progress window does nothing" \
        key_changes_nothing "$progress" shift+Escape
    check "Alt+F4 on the partition window is refused" key_changes_nothing "$partition" alt+F4
    local before
    before=$(xs_geometry "$partition")
    read -r tx ty < <(title_point "$partition")
    xs_drag "$tx" "$ty" $((tx + 150)) $((ty + 90))
    check "a drag of the partition window's title bar leaves it in place" same_geometry "$partition" "$before"
    check "a click on the backdrop leaves the progress and partition windows in front" \
        backdrop_click_leaves_in_front "$backdrop" 06-backdrop-clicked-over-partition "$progress" "$partition"

    zw_click_partition_ok "$partition"
    local ok_ms
    ok_ms=$(now_ms)
    check "OK closes the partition window" xs_wait_gone "$partition" 3
    check "OK lets the script go on" changes_within "$progress" 3
    check "the program holds one socket, the X server's" only_display_socket

    # The resumed script takes 76.55 s from the OK to its last step.
    check "the left Windows key shows the box again" warning_box_on_key "$progress" "$superL"
    check "and again" warning_box_on_key "$progress" "$superL"
    check "the right Windows key shows no box" no_warning_box_on_key "$progress" "$superR"
    check "Shift+Ctrl+Esc does nothing" key_changes_nothing "$progress" shift+ctrl+Escape
    before=$(xs_geometry "$progress")
    read -r tx ty < <(title_point "$progress")
    xs_drag "$tx" "$ty" $((tx + 150)) $((ty + 90))
    check "the progress window can be dragged by its title bar" \
        test "$(xs_geometry "$progress")" != "$before"
    sleep_until_ms $((ok_ms + 20000))
    shot 07-installing

    # Between the second-last step (68.55 s) and the last (76.55 s): move the
    # progress window aside; the Quit button must not be there yet.
    sleep_until_ms $((ok_ms + 70000))
    local mx my mw mh cx cy
    read -r mx my mw mh < <(xs_primary)
    cx=$((mx + mw / 2)) cy=$((my + mh / 2))
    xdotool windowmove "$progress" $((mx + 40)) $((my + 60))
    sleep 0.5
    xs_click "$backdrop" $((cx - mx)) $((cy - my))
    sleep 0.5
    check "before the end a click where Quit will be does nothing" alive
    in_front "$progress" || raise_again "$progress"
    root_crop "$cx" "$cy" 120 60 "$XS_DIR/centre-before.png"
    shot 08-before-reveal
    local revealed=0 i
    for ((i = 0; i < 120; i++)); do
        root_crop "$cx" "$cy" 120 60 "$XS_DIR/centre-now.png"
        if images_differ "$XS_DIR/centre-before.png" "$XS_DIR/centre-now.png"; then revealed=1; break; fi
        sleep 0.25
    done
    note "the centre changed $(( ($(now_ms) - ok_ms) )) ms after OK (last step due at 76550)"
    check "the Quit button appears at the centre of the primary monitor" test "$revealed" = 1
    sleep 0.3
    shot 09-revealed
    check "the progress window is still there" mapped "$progress"

    xs_click "$backdrop" $((cx - mx)) $((cy - my))
    check "Quit ends the program with status 0" ends_with_status_0 5
    check "HOME is still empty" empty_dir "$run_dir/home"
    check "XDG_RUNTIME_DIR is still empty" empty_dir "$run_dir/runtime"
    check "TMPDIR is still empty" empty_dir "$run_dir/tmp"
    xs_cleanup
}

# --- The other endings, on one monitor --------------------------------------

short_runs() {
    echo "# the other endings, on one monitor"
    xs_start || return 1
    local progress

    # Continue, then Shift+Esc; under strace, for what the program touches.
    launch continue strace -f -qq -o "$XS_DIR/strace.log" \
        -e trace=%file,%network,%ipc,memfd_create,mq_open
    if reach_confirmation; then
        zw_click_continue "$confirmation"
        if progress=$(xs_wait_window "$ZW_PROGRESS" 10); then
            pass "Continue leads to the progress window"
            sleep 0.5
            check "exactly one progress window after Continue" test "$(count_windows "$ZW_PROGRESS")" = 1
            xs_key "$progress" shift+Escape
            check "Shift+Esc in the progress window ends the program with status 0" ends_with_status_0 5
            check "the program wrote nothing and connected only to the display" \
                wrote_nothing_connected_only_to_display "$XS_DIR/strace.log"
        else
            fail "Continue leads to the progress window"; shot 99-continue
        fi
    else
        fail "the confirmation window appears (Continue run)"
    fi
    xs_stop "$pid"

    # The close box, then SIGINT while the progress window is open.
    launch close-box
    if reach_confirmation; then
        click_close_box "$confirmation"
        if progress=$(xs_wait_window "$ZW_PROGRESS" 10 "$pid"); then
            pass "the close box of the confirmation window leads to the progress window"
            sleep 0.5
            check "exactly one progress window after the close box" test "$(count_windows "$ZW_PROGRESS")" = 1
            kill -INT "$pid"
            check "SIGINT during the progress window ends the program with status 0" ends_with_status_0 5
        else
            fail "the close box of the confirmation window leads to the progress window"
            shot 99-close-box
        fi
    else
        fail "the confirmation window appears (close box run)"
    fi
    xs_stop "$pid"

    # SIGTERM while the confirmation window waits.
    launch sigterm
    if reach_confirmation; then
        kill -TERM "$pid"
        check "SIGTERM during the confirmation window ends the program with status 0" ends_with_status_0 5
    else
        fail "the confirmation window appears (SIGTERM run)"
    fi
    xs_stop "$pid"
    xs_cleanup
}

echo "chain: screenshots in $shots"
case $runs in
all) long_run; xs_cleanup; short_runs ;;
long) long_run ;;
short) short_runs ;;
*) echo "E2E_RUNS must be all, long or short" >&2; exit 2 ;;
esac
xs_cleanup

echo "$passed passed, $failed failed"
((failed == 0 && passed > 0))
