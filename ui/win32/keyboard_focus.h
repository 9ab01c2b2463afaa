// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The cell the keyboard plays. It is hidden until the first arrow key, Home or End, so that
// the window of a player who uses the mouse alone looks as it always has; that first key
// shows it on cell 1, the top left cell, where the page's board takes the focus too, and
// each key after it moves it (MovedFocus).
#pragma once

#include "game/runtime.h"
#include "ui/shared/front_end_rules.h"

namespace vorn::win32 {

class KeyboardFocus {
 public:
  // Moves the focus on a board of `cellsPerRow` cells in each of its `rows` rows.
  void Move(FocusKey key, Integer cellsPerRow, Integer rows);
  // The focused cell on a board of `cellsOnBoard` cells, 0 while hidden; a focus left
  // beyond a board made smaller is back on cell 1.
  Integer Cell(Integer cellsOnBoard) const;

 private:
  Integer cell_ = 0;
};

}  // namespace vorn::win32
