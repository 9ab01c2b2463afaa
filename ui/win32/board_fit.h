// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How large the main window draws the board. The game lays the board out in pixels of an
// unscaled screen; on a monitor of DPI d the window draws them at d / 96 device pixels each,
// so the board looks the same at every display scale. On a small screen at a large scale a
// large board would then run off the work area: there the board alone is drawn smaller, at
// the largest scale at which the window fits, as the page fits its board to the browser's
// window. The frame, the title bar and the menu bar keep the monitor's scale, so their text
// stays readable.
#pragma once

namespace vorn::win32 {

struct BoardRoom {
  // The board's area, the client area the game's outer size leaves, in the game's pixels.
  double boardWidth = 0;
  double boardHeight = 0;
  // What the monitor's work area leaves for it beside the window's frame, title bar and menu
  // bar, in device pixels.
  int roomWidth = 0;
  int roomHeight = 0;
  // The monitor's DPI.
  unsigned dpi = 96;
};

// However small the room, the board is drawn at least this large: smaller cells could hardly
// be told apart or clicked, so on so small a screen the window runs off the work area instead.
inline constexpr double kSmallestBoardScale = 0.25;

// Device pixels per game pixel for the board: the monitor's own scale, DPI / 96, where the
// board drawn at it fits the room; otherwise the largest scale at which it does.
double BoardScale(const BoardRoom& room);

}  // namespace vorn::win32
