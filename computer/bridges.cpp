// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding bridge records.
#include "computer/bridges.h"

#include "game/cell_lists.h"
#include "game/state.h"

namespace vorn {

namespace {

int NonEmptySlots(Integer side) {
  int count = 0;
  for (Integer g = 1; g <= GroupCount[side]; ++g) count += Groups[side][g].empty() ? 0 : 1;
  return count;
}

std::string BridgeRecord(Integer cell, Integer group1, Integer group2) {
  return CellCode(cell) + "," + CellCode(group1) + "&" + CellCode(group2);
}

void StoreBridge(Integer cell, Integer group1, Integer group2) {
  if (BridgeCount >= kLastSlot) return;  // the list is full: further records are dropped
  BridgeCount = ToInteger(BridgeCount + 1);
  Bridges[BridgeCount] = BridgeRecord(cell, group1, group2);
}

// Records the bridges of `group1` through the empty `cell`: one for each group of a higher
// slot among the cell's neighbours, in neighbour order, each group once. A stone lies in
// the group its CellGroup names, which is what a search of every group's list would find;
// groups of lower slots are left out, as their own scan has recorded those pairs already.
void RecordBridgesAt(Integer side, Integer group1, Integer cell) {
  for (Integer k = 0; k < 6; ++k) {
    const Integer touching = NeighbourCells[cell][k];
    if (touching == 0 || CellOwner[touching] != side) continue;
    const Integer group2 = CellGroup[touching];
    if (group2 <= group1) continue;
    bool recorded = false;
    for (Integer j = 0; j < k && !recorded; ++j) {
      const Integer earlier = NeighbourCells[cell][j];
      recorded = earlier != 0 && CellOwner[earlier] == side && CellGroup[earlier] == group2;
    }
    if (!recorded) StoreBridge(cell, group1, group2);
  }
}

}  // namespace

void FindBridges(Integer side) {
  if (NonEmptySlots(side) == 1) return;
  // The records found through an empty cell depend only on the cell and the first group,
  // so a cell met again from another stone of that group adds nothing new: the records are
  // those of a scan of every stone's every neighbour that keeps each record's first find.
  PerCell<Integer> scannedFrom;
  for (Integer group1 = 1; group1 <= GroupCount[side]; ++group1) {
    ForEachEntry(Groups[side][group1], [&](Integer stone) {
      for (Integer j = 0; j < 6; ++j) {
        const Integer cell = NeighbourCells[stone][j];
        if (cell == 0 || CellOwner[cell] != -1 || scannedFrom[cell] == group1) continue;
        scannedFrom[cell] = group1;
        RecordBridgesAt(side, group1, cell);
      }
    });
  }
}

}  // namespace vorn
