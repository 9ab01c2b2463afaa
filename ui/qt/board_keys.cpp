// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing from the keyboard.
#include "ui/qt/board_keys.h"

#include <optional>

#include "ui/shared/front_end_rules.h"

namespace vorn {

namespace {

std::optional<FocusKey> FocusKeyOf(int key) {
  switch (key) {
    case Qt::Key_Left: return FocusKey::kLeft;
    case Qt::Key_Right: return FocusKey::kRight;
    case Qt::Key_Up: return FocusKey::kUp;
    case Qt::Key_Down: return FocusKey::kDown;
    case Qt::Key_Home: return FocusKey::kHome;
    case Qt::Key_End: return FocusKey::kEnd;
    default: return std::nullopt;
  }
}

}  // namespace

BoardKey ReadBoardKey(int key, Qt::KeyboardModifiers modifiers, Integer cell,
                      Integer cellsPerRow, Integer rows) {
  if (cellsPerRow < 1 || rows < 1) return {};
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
  if (const std::optional<FocusKey> move = FocusKeyOf(key)) {
    return {BoardKeyAct::kMove, MovedFocus(cell, *move, cellsPerRow, rows)};
  }
  const bool shift = modifiers.testFlag(Qt::ShiftModifier);
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: return shift ? BoardKey{} : BoardKey{BoardKeyAct::kLeftClick, cell};
    case Qt::Key_Menu: return {BoardKeyAct::kRightClick, cell};
    case Qt::Key_F10: return shift ? BoardKey{BoardKeyAct::kRightClick, cell} : BoardKey{};
    default: return {};
  }
}

}  // namespace vorn
