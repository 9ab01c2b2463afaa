// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's judgement of a position: a cell that decides the game at once, or else this
// turn's bonuses added to the influence map for the move driver to choose from.
#pragma once

#include "game/runtime.h"

namespace vorn {

// The value a cell that decides the game is given in the influence map.
inline constexpr Integer kDecidingValue = 999;

// Sets `cell` to the first empty cell where one more stone of either side completes a chain
// (its Influence becomes kDecidingValue), or to CellCount + 1 after adding this turn's
// bonuses (square boards only). The stones it would try are judged from the edges each
// chain touches, so the position and the group tables are never changed; only Influence
// and, on a square board, the bridge records are.
void RateCells(Integer& cell);

}  // namespace vorn
