# shellcheck shell=bash
# A private X session for driving the program as a user would: Xvfb on a
# display number the server picks itself, optional RandR monitors, openbox,
# and helpers around xdotool, xwininfo and ImageMagick.
#
# Source it from bash, then:
#
#   trap xs_cleanup EXIT; trap 'exit 130' INT; trap 'exit 143' TERM
#   xs_start '*MAIN=1920x1080+1280+900' LEFT=1280x1024+0+900 ABOVE=1920x900+1280+0
#   xs_spawn ./zelor-os; pid=$XS_LAST_PID
#   w=$(xs_wait_window 'Z.E.L.O.R. English UK installation.' 10) || exit 1
#   xs_click "$w" 64 132
#   xs_screenshot shot.png
#
# Monitors are NAME=WxH+X+Y; a leading '*' marks the primary (exactly one
# needs it when monitors are given). X11 has no negative coordinates: a
# monitor left of or above the primary puts the primary at an offset. With no
# monitors the screen is one 1920x1080 monitor (XS_SCREEN=WxH changes it).
#
# xs_start exports DISPLAY, HOME, XDG_RUNTIME_DIR (mode 0700) and TMPDIR, all
# inside a fresh folder $XS_DIR, so that nothing started from the session
# writes into the user's own. Everything it starts, and everything started
# with xs_spawn, is stopped by xs_cleanup, which also removes $XS_DIR. The
# library sets no traps itself: the caller owns them.
#
# Functions (window ids are decimal X ids, as xdotool prints them):
#   xs_start [MONITOR...]           start Xvfb (+RandR monitors) and openbox
#   xs_spawn CMD [ARG...]           start CMD in the background; pid in XS_LAST_PID
#   xs_alive PID                    running (an unreaped exited child is not)
#   xs_wait_exit PID [TIMEOUT_S]    waits for a child to end; status in XS_EXIT_STATUS
#   xs_stop PID [GRACE_S]           SIGTERM, then SIGKILL after GRACE_S (default 5)
#   xs_cleanup                      stop everything, remove $XS_DIR
#   xs_monitor NAME                 "X Y W H" of a monitor given to xs_start
#   xs_primary                      "X Y W H" of the primary monitor
#   xs_find_windows NAME [PID]      ids of mapped windows titled exactly NAME
#   xs_wait_window NAME [TIMEOUT_S] [PID]   first such window, polled
#   xs_wait_gone WID [TIMEOUT_S]    until window WID is no longer mapped
#   xs_geometry WID                 "X Y W H" of its client area, absolute
#   xs_frame_extents WID            "LEFT RIGHT TOP BOTTOM" of the decoration
#   xs_click WID X Y [BUTTON]       click at a pixel of the client area
#   xs_drag X0 Y0 X1 Y1             press, move in steps, release (root pixels)
#   xs_activate WID                 give it the focus (as the window manager does)
#   xs_key WID KEY...               focus WID, then xdotool key KEY...
#   xs_keycode_of KEYSYM            the keycode the server maps KEYSYM to
#   xs_stacking                     client windows, bottom to top
#   xs_window_under X Y             the top-level window (frame) under a root pixel
#   xs_toplevel_of WID              the frame that holds WID (WID if it has none)
#   xs_on_top_at WID X Y            WID is the window seen at that root pixel
#   xs_screenshot FILE [WID]        PNG of the whole screen, or of one window

XS_DIR=''
XS_LAST_PID=''
XS_XVFB_PID=''
XS_PIDS=()
XS_MONITORS=()
# What xs_start replaces, for xs_cleanup to put back.
XS_SAVED_ENV=$(declare -p DISPLAY HOME XDG_RUNTIME_DIR TMPDIR 2>/dev/null)

xs_log() { printf 'xsession: %s\n' "$*" >&2; }

# NAME=WxH+X+Y, optional leading '*': prints "PRIMARY NAME W H X Y".
_xs_parse_monitor() {
    local spec=$1 primary=0
    if [[ $spec == \** ]]; then primary=1; spec=${spec#\*}; fi
    if [[ ! $spec =~ ^([A-Za-z0-9_-]+)=([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]]; then
        xs_log "bad monitor '$1' (want NAME=WxH+X+Y, '*' before the primary's name)"
        return 1
    fi
    printf '%s %s %s %s %s %s\n' "$primary" "${BASH_REMATCH[@]:1:5}"
}

xs_start() {
    local -a parsed=()
    local spec line primary_count=0 fb_w=0 fb_h=0
    for spec in "$@"; do
        line=$(_xs_parse_monitor "$spec") || return 1
        parsed+=("$line")
        local p n w h x y
        read -r p n w h x y <<<"$line"
        primary_count=$((primary_count + p))
        ((x + w > fb_w)) && fb_w=$((x + w))
        ((y + h > fb_h)) && fb_h=$((y + h))
    done
    if (($# > 0 && primary_count != 1)); then
        xs_log "exactly one monitor must be marked primary with '*'"
        return 1
    fi
    if (($# == 0)); then
        local size=${XS_SCREEN:-1920x1080}
        fb_w=${size%x*} fb_h=${size#*x}
        parsed=("1 SCREEN $fb_w $fb_h 0 0")
    fi
    XS_MONITORS=("${parsed[@]}")

    [[ -z $XS_DIR ]] || { xs_log "a session runs already"; return 1; }
    XS_DIR=$(mktemp -d "${TMPDIR:-/tmp}/zelor-xsession.XXXXXX") || return 1
    mkdir -p "$XS_DIR/home" "$XS_DIR/tmp" "$XS_DIR/runtime"
    chmod 0700 "$XS_DIR/runtime"

    # Xvfb writes the display number it chose to the descriptor once it
    # accepts clients; -noreset keeps the monitors when the last client leaves.
    local number_file=$XS_DIR/display-number
    : >"$number_file"
    setsid Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "${fb_w}x${fb_h}x24" \
        3>"$number_file" >"$XS_DIR/xvfb.log" 2>&1 </dev/null &
    XS_XVFB_PID=$!
    XS_PIDS+=($!)
    local number='' i
    for ((i = 0; i < 200; i++)); do
        if (($(wc -l <"$number_file") > 0)); then
            number=$(tr -dc 0-9 <"$number_file")
            break
        fi
        kill -0 "${XS_PIDS[0]}" 2>/dev/null || break
        sleep 0.05
    done
    if [[ -z $number ]]; then
        xs_log "Xvfb did not start:"; cat "$XS_DIR/xvfb.log" >&2
        return 1
    fi

    export DISPLAY=":$number"
    export HOME=$XS_DIR/home
    export XDG_RUNTIME_DIR=$XS_DIR/runtime
    export TMPDIR=$XS_DIR/tmp
    unset XDG_CONFIG_HOME XDG_CACHE_HOME XDG_DATA_HOME XDG_STATE_HOME SESSION_MANAGER \
        DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY XAUTHORITY

    if (($# > 0)); then
        # The primary goes first and takes the output "screen", which removes
        # the automatic monitor spanning the whole framebuffer.
        local p n w h x y
        for line in "${XS_MONITORS[@]}"; do
            read -r p n w h x y <<<"$line"
            ((p == 1)) || continue
            xrandr --setmonitor "*$n" "$w/$((w * 254 / 960))x$h/$((h * 254 / 960))+$x+$y" screen >/dev/null || return 1
        done
        for line in "${XS_MONITORS[@]}"; do
            read -r p n w h x y <<<"$line"
            ((p == 0)) || continue
            xrandr --setmonitor "$n" "$w/$((w * 254 / 960))x$h/$((h * 254 / 960))+$x+$y" none >/dev/null || return 1
        done
    fi

    setsid openbox --sm-disable >"$XS_DIR/openbox.log" 2>&1 </dev/null &
    XS_PIDS+=($!)
    for ((i = 0; i < 200; i++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    if ((i == 200)); then
        xs_log "openbox did not start:"; cat "$XS_DIR/openbox.log" >&2
        return 1
    fi
    xs_log "display $DISPLAY (${fb_w}x${fb_h}), session folder $XS_DIR"
}

# Setsid keeps a terminal's Ctrl+C away from the children: only the caller
# sees it, and stops them in order.
xs_spawn() {
    setsid "$@" &
    XS_LAST_PID=$!
    XS_PIDS+=("$XS_LAST_PID")
}

# A process that has exited but not been reaped still answers kill -0.
xs_alive() {
    local state
    state=$(sed 's/^.*) //' "/proc/$1/stat" 2>/dev/null | cut -d' ' -f1) || return 1
    [[ -n $state && $state != Z ]]
}

# Waits up to TIMEOUT_S for PID (a child of this shell, so not from inside
# $(...)) to end and sets XS_EXIT_STATUS; fails if it is still running.
XS_EXIT_STATUS=''
xs_wait_exit() {
    local pid=$1 timeout=${2:-10} i
    XS_EXIT_STATUS=''
    for ((i = 0; i < timeout * 20; i++)); do
        if ! xs_alive "$pid"; then
            wait "$pid" 2>/dev/null
            XS_EXIT_STATUS=$?
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# Signals the whole process group that xs_spawn gave PID, so that wrappers
# such as strace take their children with them.
xs_stop() {
    local pid=$1 grace=${2:-5} i
    xs_alive "$pid" || return 0
    kill -TERM -- "-$pid" 2>/dev/null || kill -TERM "$pid" 2>/dev/null
    for ((i = 0; i < grace * 20; i++)); do
        xs_alive "$pid" || return 0
        sleep 0.05
    done
    kill -KILL -- "-$pid" 2>/dev/null || kill -KILL "$pid" 2>/dev/null
}

xs_cleanup() {
    local i
    # Newest first: the programs, then openbox, then the server.
    for ((i = ${#XS_PIDS[@]} - 1; i >= 0; i--)); do
        xs_stop "${XS_PIDS[i]}" 3
        wait "${XS_PIDS[i]}" 2>/dev/null
    done
    XS_PIDS=()
    if [[ -n $XS_DIR && -d $XS_DIR ]]; then
        rm -rf -- "$XS_DIR"
    fi
    XS_DIR=''
    unset DISPLAY HOME XDG_RUNTIME_DIR TMPDIR
    # declare -p gives "declare -x NAME=..." or "declare -- NAME=...": make
    # them global, as they would be local inside this function.
    eval "$(sed -e 's/^declare --/declare -g/' -e 's/^declare -\([a-z]\)/declare -g\1/' <<<"$XS_SAVED_ENV")"
}

xs_monitor() {
    local line p n w h x y
    for line in "${XS_MONITORS[@]}"; do
        read -r p n w h x y <<<"$line"
        if [[ $n == "$1" ]]; then echo "$x $y $w $h"; return 0; fi
    done
    return 1
}

xs_primary() {
    local line p n w h x y
    for line in "${XS_MONITORS[@]}"; do
        read -r p n w h x y <<<"$line"
        if ((p == 1)); then echo "$x $y $w $h"; return 0; fi
    done
    return 1
}

_xs_regex_quote() { printf '%s' "$1" | sed 's/[][\.^$*+?(){}|]/\\&/g'; }

xs_find_windows() {
    local name=$1 pid=${2:-}
    local -a args=(search --onlyvisible --name "^$(_xs_regex_quote "$name")\$")
    [[ -n $pid ]] && args=(search --onlyvisible --pid "$pid" --name "^$(_xs_regex_quote "$name")\$")
    # The regex is tried against WM_NAME, WM_ICON_NAME and the class; keep
    # only the windows whose title is the name itself.
    local w
    for w in $(xdotool "${args[@]}" 2>/dev/null); do
        [[ $(xdotool getwindowname "$w" 2>/dev/null) == "$name" ]] && echo "$w"
    done
}

xs_wait_window() {
    local name=$1 timeout=${2:-10} pid=${3:-} w i
    for ((i = 0; i < timeout * 10; i++)); do
        w=$(xs_find_windows "$name" "$pid" | head -n1)
        if [[ -n $w ]]; then echo "$w"; return 0; fi
        sleep 0.1
    done
    return 1
}

xs_is_mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

xs_wait_gone() {
    local w=$1 timeout=${2:-10} i
    for ((i = 0; i < timeout * 10; i++)); do
        xs_is_mapped "$w" || return 0
        sleep 0.1
    done
    return 1
}

xs_geometry() {
    xwininfo -id "$1" 2>/dev/null | awk '
        /Absolute upper-left X:/ {x = $NF} /Absolute upper-left Y:/ {y = $NF}
        /^ *Width:/ {w = $NF} /^ *Height:/ {h = $NF}
        END { if (w == "") exit 1; print x, y, w, h }'
}

xs_frame_extents() {
    xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ',' | grep . || echo '0 0 0 0'
}

xs_click() {
    local w=$1 cx=$2 cy=$3 button=${4:-1} x y ww wh
    read -r x y ww wh < <(xs_geometry "$w") || return 1
    xdotool mousemove --sync $((x + cx)) $((y + cy)) && sleep 0.1 && xdotool click "$button"
}

xs_drag() {
    local x0=$1 y0=$2 x1=$3 y1=$4 i steps=10
    xdotool mousemove --sync "$x0" "$y0" && sleep 0.1
    xdotool mousedown 1 && sleep 0.1
    for ((i = 1; i <= steps; i++)); do
        xdotool mousemove $((x0 + (x1 - x0) * i / steps)) $((y0 + (y1 - y0) * i / steps))
        sleep 0.03
    done
    sleep 0.1
    xdotool mouseup 1
    sleep 0.2
}

xs_activate() {
    xdotool windowactivate --sync "$1" >/dev/null 2>&1 || xdotool windowfocus --sync "$1" >/dev/null 2>&1
    sleep 0.1
}

xs_key() {
    local w=$1; shift
    xs_activate "$w"
    xdotool key --clearmodifiers "$@"
}

xs_keycode_of() {
    xmodmap -pke | awk -v sym="$1" '{ for (i = 4; i <= NF; i++) if ($i == sym) { print $2; exit } }'
}

xs_stacking() {
    xprop -root _NET_CLIENT_LIST_STACKING | sed -n 's/.*# *//p' | tr ',' '\n' | while read -r hex; do
        [[ -n $hex ]] && printf '%d\n' "$hex"
    done
}

xs_window_under() {
    xdotool mousemove --sync "$1" "$2" >/dev/null && sleep 0.05
    xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'
}

# The child of the root that holds WID: the window manager's frame around it.
xs_toplevel_of() {
    local w=$1 root parent
    root=$(($(xwininfo -root | awk '/Window id:/ {print $4}')))
    while :; do
        parent=$(xwininfo -tree -id "$w" 2>/dev/null | awk '/Parent window id:/ {print $4}')
        [[ -n $parent ]] || return 1
        parent=$((parent))
        if ((parent == root)); then echo "$w"; return 0; fi
        w=$parent
    done
}

# Whether WID is what the user sees at a root pixel (nothing covers it there).
xs_on_top_at() {
    local under mine
    under=$(xs_window_under "$2" "$3") || return 1
    mine=$(xs_toplevel_of "$1") || return 1
    [[ $(xs_toplevel_of "$under") == "$mine" ]]
}

xs_screenshot() {
    local file=$1 w=${2:-root}
    mkdir -p "$(dirname "$file")"
    import -window "$w" "$file" 2>/dev/null
}
