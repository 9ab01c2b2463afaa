// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's rating done step by step, the slow way the game first did it: every stone
// it considers is put into the group tables, judged by searching the cell lists, and taken
// back by copying a snapshot of all the tables back; bridges are found by searching group
// lists, and a spread walks a text queue to its end. The rating differential test holds the
// game's own computation against it.
#pragma once

#include "game/runtime.h"

namespace vorn::testing::reference {

void RateCells(Integer& cell);
void CheckWin(Integer& result, Integer side, Integer& group);
void FindBridges(Integer side);
void SpreadInfluence(Integer cell, Single start);

}  // namespace vorn::testing::reference
