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

// Records every other group of `side` that `cell` touches through its neighbour `touching`.
void RecordGroupsTouching(Integer side, Integer group1, Integer cell, Integer touching) {
  for (Integer group2 = group1; group2 <= GroupCount[side]; ++group2) {
    if (group2 == group1 || Groups[side][group2].empty()) continue;
    if (ListHas(touching, Groups[side][group2]) == Yes) AddBridge(cell, group1, group2);
  }
}

void FindBridgesAround(Integer side, Integer group1, Integer stone) {
  const std::string& group = Groups[side][group1];
  for (Integer j = 1; j <= 6; ++j) {
    const Integer empty = ListItem(j, Neighbours[stone]);
    if (empty == 0 || CellOwner[empty] != -1 || ListHas(empty, group) == Yes) continue;
    for (Integer k = 1; k <= 6; ++k) {
      const Integer touching = ListItem(k, Neighbours[empty]);
      if (touching == 0 || ListHas(touching, group) == Yes) continue;
      RecordGroupsTouching(side, group1, empty, touching);
    }
  }
}

}  // namespace

void FindBridges(Integer side) {
  if (NonEmptySlots(side) == 1) return;
  for (Integer group1 = 1; group1 <= GroupCount[side]; ++group1) {
    const std::string& group = Groups[side][group1];
    const Integer stones = CInt(static_cast<double>(group.size()) / 4.0);
    for (Integer i = 1; i <= stones; ++i) FindBridgesAround(side, group1, ListItem(i, group));
  }
}

void AddBridge(Integer cell, Integer group1, Integer group2) {
  const std::string record = CellCode(cell) + "," + CellCode(group1) + "&" + CellCode(group2);
  const std::string swapped = CellCode(cell) + "," + CellCode(group2) + "&" + CellCode(group1);
  for (Integer k = 1; k <= BridgeCount; ++k) {
    if (Bridges[k] == record || Bridges[k] == swapped) return;
  }
  if (BridgeCount >= kLastSlot) return;  // the list is full: further records are dropped
  BridgeCount = ToInteger(BridgeCount + 1);
  Bridges[BridgeCount] = record;
}

}  // namespace vorn
