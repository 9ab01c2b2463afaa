#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Rewrites the recorded traces of the replayed games (games/*.trace) from what the current
# build of vorn-replay prints for each script.
#
#   tests/replay/update-golden.sh BUILD_DIR [GAME...]
#
# GAME is a script's name without its extension (green_wins_square) or its path; with none
# given, every game is rewritten. A trace of more than 256 KB is kept packed, as
# games/GAME.trace.tar.xz holding GAME.trace. Only do this after a deliberate change of the
# game, and read every changed trace before committing it (git diff tests/replay/games): a
# recorded trace is only worth keeping when the game it shows is right. Check at least that stones
# never land on occupied cells, that each win message names the side whose chain crosses
# the board and is followed by a fresh "newgame", and that refused menu commands are the
# ones that should be disabled.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [GAME...]" >&2
  exit 2
fi
replay="$1/vorn-replay"
shift
if [ ! -x "$replay" ]; then
  echo "$0: $replay not found; build the project first" >&2
  exit 2
fi

if [ $# -eq 0 ]; then
  set -- "$here"/games/*.script
fi

# Packs a trace into NAME.trace.tar.xz beside it, with a fixed date so that the same trace
# packs the same way.
pack() {
  (cd "$(dirname "$1")" && cmake -E tar cJf "$(basename "$1").tar.xz" --mtime=1970-01-01 \
    --format=gnutar "$(basename "$1")")
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for game in "$@"; do
  name=$(basename "$game" .script)
  script="$here/games/$name.script"
  trace="$here/games/$name.trace"
  if [ ! -f "$script" ]; then
    echo "$0: no game $script" >&2
    exit 2
  fi
  # A game must run to its end: a trace cut short by an error is never recorded.
  new="$work/$name.trace"
  if ! "$replay" "$script" >"$new"; then
    echo "$0: $name did not run to its end; its trace is unchanged" >&2
    exit 1
  fi
  old="$trace"
  if [ -f "$trace.tar.xz" ]; then
    mkdir -p "$work/old"
    (cd "$work/old" && cmake -E tar xf "$trace.tar.xz")
    old="$work/old/$name.trace"
  fi
  if cmp -s "$new" "$old"; then
    echo "unchanged $name"
  else
    rm -f "$trace" "$trace.tar.xz"
    if [ "$(wc -c <"$new")" -gt 262144 ]; then
      pack "$new"
      mv "$new.tar.xz" "$trace.tar.xz"
    else
      mv "$new" "$trace"
    fi
    echo "rewrote   $name"
  fi
done
