// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks of the position that must hold after every event a player can cause: stones,
// chains and the group tables agree, and nothing was overwritten.
#pragma once

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/cell_lists.h"
#include "game/state.h"

namespace vorn::testing {

// Every broken rule, in words; empty when the position is sound.
inline std::vector<std::string> PositionFaults() {
  std::vector<std::string> faults;
  auto fault = [&](const std::string& text) { faults.push_back(text); };
  if (GroupCount[0] > CellCount || GroupCount[1] > CellCount) fault("more group slots than cells");
  std::vector<int> slotOf[2];
  for (Integer side = 0; side <= 1; ++side) {
    slotOf[side].assign(CellCount + 1, 0);
    for (Integer slot = 1; slot <= GroupCount[side]; ++slot) {
      const std::string& group = Groups[side][slot];
      if (group.size() % 4 != 0) fault("slot " + std::to_string(slot) + " is not a list of entries");
      for (Integer k = 1; k <= EntryCount(group); ++k) {
        const Integer cell = ListItem(k, group);
        std::ostringstream where;
        where << "side " << side << " slot " << slot << " cell " << cell;
        if (cell < 1 || cell > CellCount) {
          fault(where.str() + ": not a cell of the board");
          continue;
        }
        if (CellOwner[cell] != side) fault(where.str() + ": the cell holds no stone of the side");
        if (slotOf[side][cell] != 0) fault(where.str() + ": listed twice");
        slotOf[side][cell] = slot;
      }
    }
  }
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    const Integer owner = CellOwner[cell];
    if (owner < -1 || owner > 1) fault("cell " + std::to_string(cell) + ": owner out of range");
    if (slotOf[0][cell] != 0 && slotOf[1][cell] != 0) {
      fault("cell " + std::to_string(cell) + ": in groups of both sides");
    }
    if (owner == -1) {
      if (slotOf[0][cell] != 0 || slotOf[1][cell] != 0) fault("empty cell " + std::to_string(cell) + " in a group");
      continue;
    }
    if (slotOf[owner][cell] == 0) fault("stone on " + std::to_string(cell) + " in no group");
    if (CellGroup[cell] != slotOf[owner][cell]) {
      fault("stone on " + std::to_string(cell) + ": CellGroup names the wrong slot");
    }
  }
  return faults;
}

inline bool BoardFull() {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1) return false;
  }
  return true;
}

}  // namespace vorn::testing
