# shellcheck shell=bash
# The program's windows as a user finds them: their titles, where their
# buttons are, and the way from the start window to the confirmation window.
# Sourced by chain.sh and bench/run.sh, after xsession.sh.

ZW_LANGUAGE='Z.E.L.O.R. os installation.'
ZW_CONFIRMATION='Z.E.L.O.R. English UK installation.'
ZW_PROGRESS='ZELOR os checking hardware and installing.'
ZW_PARTITION='ZELOR os installation to...'
ZW_WARNING='ZELOR install interepted.'
ZW_BACKDROP='Form1'
ZW_OTHER_BACKDROP='Background wondow for other screens.'

# Layouts are in twips. Pixels per twip are measured on the confirmation
# window, whose client area is 4560 twips wide; until then 96 dpi (15 twips a
# pixel) is assumed.
zw_px_num=1 zw_px_den=15
zw_px() { echo $(($1 * zw_px_num / zw_px_den)); }
# The centre of a control given as left top width height, in twips.
zw_centre_of() { echo "$(zw_px $(($1 + $3 / 2))) $(zw_px $(($2 + $4 / 2)))"; }
zw_measure_scale() {
    local x y w h
    read -r x y w h < <(xs_geometry "$1")
    zw_px_num=$w zw_px_den=4560
}

zw_click_language_ok() { xs_click "$1" $(zw_centre_of 2880 2760 1575 375); }
zw_click_install() { xs_click "$1" $(zw_centre_of 120 1800 1695 375); }
zw_click_continue() { xs_click "$1" $(zw_centre_of 2760 1800 1695 375); }
zw_click_partition_ok() { xs_click "$1" $(zw_centre_of 2880 1680 1575 375); }

# Waits for the start window of the program PID (up to 30 s) and presses the
# language window's OK if that comes first. MODE is auto, language (it must
# come first) or confirmation (it must not). Sets ZW_CONFIRMATION_WID and
# ZW_CAME_FROM_LANGUAGE; on failure says why on stderr. With ZW_LANGUAGE_SHOT
# set to a file name, the language window is photographed there first.
zw_reach_confirmation() {
    local pid=$1 mode=${2:-auto} i w=''
    ZW_CONFIRMATION_WID='' ZW_CAME_FROM_LANGUAGE=0
    for ((i = 0; i < 300; i++)); do
        w=$(xs_find_windows "$ZW_LANGUAGE" | head -n1)
        if [[ -n $w ]]; then
            ZW_CAME_FROM_LANGUAGE=1
            [[ $mode == confirmation ]] && { echo "the language window came first" >&2; return 1; }
            sleep 0.3
            [[ -n ${ZW_LANGUAGE_SHOT:-} ]] && xs_screenshot "$ZW_LANGUAGE_SHOT"
            zw_click_language_ok "$w"
            break
        fi
        w=$(xs_find_windows "$ZW_CONFIRMATION" | head -n1)
        if [[ -n $w ]]; then
            [[ $mode == language ]] && { echo "the confirmation window came first" >&2; return 1; }
            break
        fi
        xs_alive "$pid" || { echo "the program ended at start" >&2; return 1; }
        sleep 0.1
    done
    ZW_CONFIRMATION_WID=$(xs_wait_window "$ZW_CONFIRMATION" 10) ||
        { echo "no confirmation window" >&2; return 1; }
    sleep 0.5 # let it paint and take the focus
    zw_measure_scale "$ZW_CONFIRMATION_WID"
}
