// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard's cell.
#include "ui/win32/keyboard_focus.h"

#include <algorithm>

namespace vorn::win32 {

Integer KeyboardFocus::Cell(Integer cellsOnBoard) const {
  if (cell_ == 0) return 0;
  return cell_ <= cellsOnBoard ? cell_ : 1;
}

void KeyboardFocus::Move(FocusKey key, Integer cellsPerRow, Integer rows) {
  const Integer from = Cell(cellsPerRow * rows);
  if (from == 0) {
    cell_ = 1;
    return;
  }
  Integer row = (from - 1) / cellsPerRow;
  Integer column = (from - 1) % cellsPerRow;
  switch (key) {
    case FocusKey::kLeft: column = std::max<Integer>(0, column - 1); break;
    case FocusKey::kRight: column = std::min<Integer>(cellsPerRow - 1, column + 1); break;
    case FocusKey::kUp: row = std::max<Integer>(0, row - 1); break;
    case FocusKey::kDown: row = std::min<Integer>(rows - 1, row + 1); break;
    case FocusKey::kHome: column = 0; break;
    case FocusKey::kEnd: column = cellsPerRow - 1; break;
  }
  cell_ = row * cellsPerRow + column + 1;
}

}  // namespace vorn::win32
