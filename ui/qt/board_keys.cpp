// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing from the keyboard.
#include "ui/qt/board_keys.h"

#include <algorithm>

namespace vorn {

namespace {

BoardKey Move(Integer row, Integer column, Integer cellsPerRow, Integer rows) {
  const Integer keptRow = std::clamp<Integer>(row, 0, rows - 1);
  const Integer keptColumn = std::clamp<Integer>(column, 0, cellsPerRow - 1);
  return {BoardKeyAct::kMove, static_cast<Integer>(keptRow * cellsPerRow + keptColumn + 1)};
}

}  // namespace

BoardKey ReadBoardKey(int key, Qt::KeyboardModifiers modifiers, Integer cell,
                      Integer cellsPerRow, Integer rows) {
  if (cellsPerRow < 1 || rows < 1) return {};
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  const Integer row = static_cast<Integer>((cell - 1) / cellsPerRow);
  const Integer column = static_cast<Integer>((cell - 1) % cellsPerRow);
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  switch (key) {
    case Qt::Key_Left: return Move(row, column - 1, cellsPerRow, rows);
    case Qt::Key_Right: return Move(row, column + 1, cellsPerRow, rows);
    case Qt::Key_Up: return Move(row - 1, column, cellsPerRow, rows);
    case Qt::Key_Down: return Move(row + 1, column, cellsPerRow, rows);
    case Qt::Key_Home: return Move(row, 0, cellsPerRow, rows);
    case Qt::Key_End: return Move(row, cellsPerRow - 1, cellsPerRow, rows);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return shift ? BoardKey{} : BoardKey{BoardKeyAct::kLeftClick, cell};
    case Qt::Key_Menu: return {BoardKeyAct::kRightClick, cell};
    case Qt::Key_F10: return shift ? BoardKey{BoardKeyAct::kRightClick, cell} : BoardKey{};
    default: return {};
  }
}

}  // namespace vorn
