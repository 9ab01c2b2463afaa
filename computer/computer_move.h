// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// RED's reply to a GREEN stone.
#pragma once

#include "game/runtime.h"

namespace vorn {

// Plays RED's stone: on a square board the empty cell of highest value once this turn's
// bonuses are added (ties to the lowest number), on a board that is not square the mirror
// partner of GREEN's stone; a cell that decides the game is taken first on either board.
// Never tests for a win and never switches the turn.
void ComputerMove();

// Plays RED's stone on `cell`, chosen by a search, on a square board, with everything the
// Standard level does around its own choice (the rating's bridge records, RED's influence),
// so that any level can go on from the position. A cell that is not empty stands for the
// lowest-numbered empty one, as an unusable choice does at the Standard level.
void ComputerMoveOnto(Integer cell);

// The lowest-numbered empty cell, or 0 on a full board.
Integer LowestEmptyCell();

}  // namespace vorn
