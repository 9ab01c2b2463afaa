#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Vorn developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes data/screenshots/vorn-game.png, the screenshot the metainfo and the README show: the
# real program, built in BUILD_DIR (default build/), runs on a virtual X server at twice the
# usual scale, GREEN plays a few stones by mouse and the computer answers each, and the
# window is captured. Needs Xvfb, xdotool and ImageMagick (packages xvfb, xdotool,
# imagemagick). The X display is :140 unless VORN_SCREENSHOT_DISPLAY names another.
#   data/screenshots/make-screenshot.sh [BUILD_DIR]
set -eu

cd "$(dirname "$0")/../.."
program=${1:-build}/vorn
output=data/screenshots/vorn-game.png
display=${VORN_SCREENSHOT_DISPLAY:-:140}
scale=2
[ -x "$program" ] || { echo "$0: no program at $program; build it first" >&2; exit 2; }

work=$(mktemp -d)
server="" game=""
finish() {
  [ -z "$game" ] || kill "$game" 2>/dev/null || true
  [ -z "$server" ] || kill "$server" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

export DISPLAY="$display"
if xdpyinfo >/dev/null 2>&1; then
  echo "$0: display $display is taken; name a free one in VORN_SCREENSHOT_DISPLAY" >&2
  exit 2
fi
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server=$!
for _ in 1 2 3 4 5 6 7 8 9 10; do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.5
done
kill -0 "$server" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }

QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale XDG_RUNTIME_DIR=$work "$program" \
  >"$work/vorn.log" 2>&1 &
game=$!
window=$(xdotool search --sync --onlyvisible --name '^VORN SIZE 11$' | head -n 1)
sleep 1

# The board lies below the menu bar, whose height depends on the fonts: it ends where the
# window's grey background begins.
import -window "$window" "$work/start.png"
menu_height=$(convert "$work/start.png" -crop 1x200+2+0 +repage txt:- |
  awk -F '[,: ]+' '/#C0C0C0/ { print $2; exit }')
[ -n "$menu_height" ] || { echo "$0: found no board in the window" >&2; exit 1; }

# Clicks the middle of the cell in ROW and COLUMN (from 1) of the 11 x 11 board, whose
# cells lie 405 twips apart in a row, each row 315 twips lower and 210 twips further left,
# cell 1's click box at 2220, 210 twips and 405 x 210 twips large; 15 twips to the pixel.
click_cell() {
  twip_x=$((2220 + ($2 - 1) * 405 - ($1 - 1) * 210 + 202))
  twip_y=$((210 + ($1 - 1) * 315 + 105))
  xdotool mousemove --window "$window" $((twip_x * scale / 15)) \
    $((menu_height + twip_y * scale / 15)) click 1
  sleep 0.3
}

for cell in "6 6" "5 8" "7 4" "4 9" "6 5" "8 3"; do
  click_cell $cell
done
xdotool mousemove 1279 799
sleep 0.5

import -window "$window" "$work/game.png"
convert "$work/game.png" -strip "$output"
echo "$output: $(identify -format '%wx%h' "$output")"
