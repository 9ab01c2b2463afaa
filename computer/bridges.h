// Bridge records: an empty cell that touches two groups of one side, written "ccc,ggg&ggg"
// (the cell's code, then the two group slots, the smaller first).
#pragma once

#include "game/runtime.h"

namespace vorn {

// Appends the bridge records of `side` to Bridges; the caller sets BridgeCount to 0 first.
void FindBridges(Integer side);

// Appends the record for this cell and pair of slots unless it is held already, in either
// slot order. A list that is full takes no more records.
void AddBridge(Integer cell, Integer group1, Integer group2);

}  // namespace vorn
