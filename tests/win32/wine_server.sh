#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts or stops the one Wine server of the suite's prefix (WINEPREFIX), and with it Wine's
# own services there:
#   wine_server.sh WINE start|stop
# A program under Wine talks to the server of its prefix, and starts one when none runs; that
# server ends a few seconds after its last program. Run one after another, as the suite runs
# them, a program could start just as the server of the one before was ending, and then
# ended with status 1 before it printed anything (about 4 runs in 1,000 on a loaded
# machine). One persistent server, started before the first test and stopped after the
# last, is never ending while a program needs it, and spares every program a server start.
# The services Wine starts in the prefix live as long as the server; they are started here
# with no output of the test's, which CTest would otherwise wait for to close.
set -eu
wineserver=$(dirname "$1")/wineserver
log="$WINEPREFIX.log"
case "$2" in
  start)  # afresh: the prefix built or brought up to date, its server and services running
    mkdir -p "$WINEPREFIX"
    "$wineserver" -k 2>/dev/null || true  # with every program and service of the prefix
    "$wineserver" -p </dev/null >"$log" 2>&1
    if ! "$1" wineboot --init </dev/null >>"$log" 2>&1; then
      cat "$log" >&2
      exit 1
    fi ;;
  stop)
    "$wineserver" -k 2>/dev/null || true ;;
  *)
    echo "usage: $0 WINE start|stop" >&2
    exit 2 ;;
esac
