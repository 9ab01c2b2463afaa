// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Joining, merging and founding groups.
#include "computer/groups.h"

#include "game/cell_lists.h"
#include "game/state.h"

namespace vorn {

namespace {

void FoundGroup(Integer cell, Integer side) {
  Integer slot = ToInteger(GroupCount[side] + 1);
  const Integer counted = GroupCount[side];
  for (Integer j = 1; j <= counted; ++j) {
    if (Groups[side][j].empty()) {  // free slots are reused lowest first
      slot = j;
      GroupCount[side] = ToInteger(GroupCount[side] - 1);
      break;
    }
  }
  Groups[side][slot] = CellCode(cell) + ",";
  CellGroup[cell] = slot;
  GroupCount[side] = ToInteger(GroupCount[side] + 1);
}

}  // namespace

void AddToGroups(Integer cell, Integer side) {
  Integer joined = 0;
  Integer current = 0;  // the slot that holds the new stone so far
  for (Integer i = 0; i < 6; ++i) {
    const Integer neighbour = NeighbourCells[cell][i];
    if (neighbour == 0 || CellOwner[neighbour] != side || CellGroup[neighbour] <= 0) continue;
    const Integer group = CellGroup[neighbour];
    if (current <= 0 || group == current) {
      if (ListHas(cell, Groups[side][group]) == No) {
        Groups[side][group] += CellCode(cell) + ",";
        current = group;
      }
      CellGroup[cell] = group;
    } else {
      // The stone already sits in `current` and also touches `group`: `group` absorbs it.
      Groups[side][group] += Groups[side][current];
      RelabelGroup(side, group);
      Groups[side][current].clear();
      current = group;
    }
    ++joined;
  }
  if (joined == 0) FoundGroup(cell, side);
}

void RelabelGroup(Integer side, Integer slot) {
  const std::string& group = Groups[side][slot];
  const Integer count = RoundHalfEvenToInteger(static_cast<double>(group.size()) / 4.0);
  for (Integer k = 1; k <= count; ++k) CellGroup[ListItem(k, group)] = slot;
}

}  // namespace vorn
