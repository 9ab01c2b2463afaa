// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing from the keyboard: the arrow keys move a focus cell over the board, Home and End
// to the ends of its row, Enter or Space play it as a left click would, and the Menu key or
// Shift+F10 do what a plain right click does (the computer's opening; RED in preset mode).
#pragma once

#include <Qt>

#include "game/runtime.h"

namespace vorn {

enum class BoardKeyAct { kNone, kMove, kLeftClick, kRightClick };

struct BoardKey {
  BoardKeyAct act = BoardKeyAct::kNone;
  Integer cell = 0;  // where the focus goes, or the cell to click
};

// What `key` does with the focus on `cell` of a board of `cellsPerRow` cells a row and `rows`
// rows, numbered row by row from 1 at the top left. Keys held with Ctrl or Alt are the
// menus' and do nothing here.
BoardKey ReadBoardKey(int key, Qt::KeyboardModifiers modifiers, Integer cell,
                      Integer cellsPerRow, Integer rows);

}  // namespace vorn
