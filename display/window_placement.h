// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a message box stands so that it never hides the board it speaks of: beside the main
// window, wholly on the screen; where a window that has grown goes to stay on the screen; and
// where a dialog centred over its window stands.
// Plain screen pixels, so every desktop front end places its windows the same way.
#pragma once

namespace vorn {

struct ScreenRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ScreenPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// The gap between a message box and the window it stands beside, in pixels.
inline constexpr int kGapToTheWindow = 8;

// Where a box of `boxWidth` x `boxHeight` (frame included) goes beside `window` on `screen`:
// `gap` pixels to the right of the window, else to its left, below it or above it, the first
// of these that, moved onto the screen, leaves the window uncovered. With no room anywhere,
// the one of them that covers least of the window, which lies against the side of the screen
// away from it. The box always lies on the screen; one larger than the screen starts at its
// top left corner.
ScreenPoint PlaceBeside(const ScreenRect& window, int boxWidth, int boxHeight,
                        const ScreenRect& screen, int gap);

// Where `window` goes when it is moved the least that puts it wholly on `screen`: where it
// is, if it lies there already. One larger than the screen starts at its top left corner,
// so that the title bar and the menus stay in reach.
ScreenPoint KeepOnScreen(const ScreenRect& window, const ScreenRect& screen);

// Where a box of `boxWidth` x `boxHeight` (frame included) goes centred over `window` and
// wholly on `screen`, as KeepOnScreen moves it.
ScreenPoint CentreOver(const ScreenRect& window, int boxWidth, int boxHeight,
                       const ScreenRect& screen);

}  // namespace vorn
