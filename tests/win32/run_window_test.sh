#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the window test of the Windows program under Wine on a virtual X server:
#   run_window_test.sh WINE DRIVER ARGUMENTS...
# Wine shows the program in a desktop of its own, where it draws the frames, title bars and
# menus itself, as Windows does, with no window manager. The environment names the Wine
# prefix (WINEPREFIX); VORN_WINE_DISPLAY (default 95) the X display number, VORN_WINE_DPI
# (default 96) the screen's DPI: 144 for a display scale of 150 %, 192 for 200 %; and
# VORN_WINE_SCREEN (default 1024x768) the size of the screen in pixels.
set -eu
wine=$1
shift
display=${VORN_WINE_DISPLAY:-95}
dpi=${VORN_WINE_DPI:-96}
screen=${VORN_WINE_SCREEN:-1024x768}

setting() {  # setting KEY NAME TYPE VALUE
  "$wine" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null
}
setting 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
setting 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ "$screen"
setting 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"

# The server of the prefix is stopped first and last, so the settings hold and no program
# of the test outlives it.
wineserver=$(dirname "$wine")/wineserver
"$wineserver" -k 2>/dev/null || true
status=0
xvfb-run -n "$display" -s "-screen 0 ${screen}x24 -nolisten tcp" "$wine" "$@" || status=$?
"$wineserver" -k 2>/dev/null || true
exit $status
