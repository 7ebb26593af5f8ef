#!/bin/sh
# Runs one Windows program under Wine, quietly: the cross build's emulator for
# ctest. The prefix is the one tools/wine-user32-tests.sh prepares, unless
# WINEPREFIX says otherwise; the X display is whatever DISPLAY names.
export WINEPREFIX="${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/zelor-os-wine}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
