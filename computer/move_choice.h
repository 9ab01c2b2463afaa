// The computer's judgement of a position: a cell that decides the game at once, or else this
// turn's bonuses added to the influence map for the move driver to choose from.
#pragma once

#include "game/runtime.h"

namespace vorn {

// Sets `cell` to the first empty cell where one more stone of either side completes a chain
// (its Influence becomes 999), or to CellCount + 1 after adding this turn's bonuses (square
// boards only). Position and group tables are as they were on return.
void RateCells(Integer& cell);

// Snapshot of the group tables and bridge records, taken once per rating and put back after
// every tried stone.
void SaveGroupState();
void RestoreGroupState();

}  // namespace vorn
