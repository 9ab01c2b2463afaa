// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The keyboard's cell.
#include "ui/win32/keyboard_focus.h"

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
  cell_ = MovedFocus(from, key, cellsPerRow, rows);
}

}  // namespace vorn::win32
