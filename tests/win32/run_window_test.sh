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

# The suite keeps one persistent server for the prefix (wine_server.sh), already running.
# The settings are written through it; the window's programs then start a server of their
# own on the virtual X server, with the settings in force, which the driver keeps running to
# the end; and the suite's server is started again for the tests after this one.
server() {
  sh "$(dirname "$0")/wine_server.sh" "$wine" "$1"
}

setting() {  # setting KEY NAME TYPE VALUE
  "$wine" reg add "$1" /v "$2" /t "$3" /d "$4" /f >/dev/null
}
setting 'HKCU\Software\Wine\Explorer' Desktop REG_SZ Default
setting 'HKCU\Software\Wine\Explorer\Desktops' Default REG_SZ "$screen"
setting 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD "$dpi"

server stop
status=0
xvfb-run -n "$display" -s "-screen 0 ${screen}x24 -nolisten tcp" "$wine" "$@" || status=$?
server start
exit $status
