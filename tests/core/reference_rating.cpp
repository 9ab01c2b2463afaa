// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The step-by-step rating.
#include "reference_rating.h"

#include "computer/groups.h"
#include "game/cell_lists.h"
#include "game/state.h"
#include "play/wins.h"
#include "play/influence.h"

namespace vorn::testing::reference {

namespace {

// The snapshot of the group tables a rating takes once and copies back after every tried
// stone. (The bridge records are left out: no tried stone changes them.)
struct Snapshot {
  PerSide<PerCell<std::string>> groups;
  PerCell<Integer> cellGroup;
  PerSide<Integer> groupCount;
};
Snapshot saved;

void SaveGroupState() {
  for (Integer i = 1; i <= CellCount; ++i) {
    saved.groups[0][i] = Groups[0][i];
    saved.groups[1][i] = Groups[1][i];
  }
  saved.cellGroup = CellGroup;
  saved.groupCount = GroupCount;
}

// A tried stone of `side` changes only that side's slots up to GroupCount + 1, its
// GroupCount and CellGroup, so those are what is copied back.
void RestoreGroupState(Integer side) {
  for (Integer i = 1; i <= saved.groupCount[side] + 1 && i <= CellCount; ++i) {
    Groups[side][i] = saved.groups[side][i];
  }
  CellGroup = saved.cellGroup;
  GroupCount = saved.groupCount;
}

PerCell<bool> EdgeCells(const std::string& edge) {
  PerCell<bool> onEdge;
  for (Integer k = 1; k <= EntryCount(edge); ++k) onEdge[ListItem(k, edge)] = true;
  return onEdge;
}

// Whether a cell of the edge is in the group: one pass over the group's entries answers it.
bool Touches(const PerCell<bool>& onEdge, const std::string& group) {
  for (std::size_t at = 0; at + 4 <= group.size(); at += 4) {
    if (onEdge[EntryNumber(std::string_view(group).substr(at, 3))]) return true;
  }
  return false;
}

// The edge tables of each side's win test, built once per rating.
struct EdgeTables {
  PerSide<PerCell<bool>> first, second;
};

bool HasWinningChain(Integer side, const EdgeTables& edges, Integer& group) {
  const Integer count = GroupCount[side];
  for (Integer g = 1; g <= count; ++g) {
    const std::string& chain = Groups[side][g];
    if (!chain.empty() && Touches(edges.first[side], chain) && Touches(edges.second[side], chain)) {
      group = g;
      return true;
    }
  }
  return false;
}

EdgeTables BuildEdgeTables() {
  EdgeTables edges;
  edges.first[0] = EdgeCells(LeftEdge);
  edges.second[0] = EdgeCells(RightEdge);
  edges.first[1] = EdgeCells(BottomEdge);
  edges.second[1] = EdgeCells(TopEdge);
  return edges;
}

bool WouldWin(Integer cell, Integer side, const EdgeTables& edges) {
  AddToGroups(cell, side);
  CellOwner[cell] = side;
  Integer group = 0;
  const bool won = HasWinningChain(side, edges, group);
  RestoreGroupState(side);
  CellOwner[cell] = -1;
  return won;
}

void RateEdgeThreats(Integer firstCell, const std::string& nearEdge, const std::string& farEdge) {
  const Integer n = BoardSize;
  for (Integer cell = firstCell; cell <= n * n; cell = ToInteger(cell + n)) {
    if (CellOwner[cell] != -1) continue;
    AddToGroups(cell, 0);
    CellOwner[cell] = 0;
    const Integer count = GroupCount[0];
    for (Integer g = 1; g <= count; ++g) {
      const std::string& group = Groups[0][g];
      if (ListsShare(nearEdge, group) == Yes && ListsShare(CellCode(cell), group) == Yes &&
          ListsShare(Neighbours[cell], farEdge) == Yes) {
        AddInfluence(cell, 800);
      }
    }
    RestoreGroupState(0);
    CellOwner[cell] = -1;
  }
}

bool TouchesGreenEdge(Integer slot) {
  return ListsShare(LeftEdge, Groups[0][slot]) == Yes ||
         ListsShare(RightEdge, Groups[0][slot]) == Yes;
}

void RateBridges() {
  BridgeCount = 0;
  FindBridges(0);
  for (Integer k = 1; k <= BridgeCount; ++k) {
    const Integer group1 = ListItem(2, Bridges[k]);
    const Integer group2 = ListItem(3, Bridges[k]);
    const bool onEdge = TouchesGreenEdge(group1) || TouchesGreenEdge(group2);
    AddInfluence(ListItem(1, Bridges[k]), onEdge ? 100 : 800);
  }
}

void RateLineExtension() {
  const std::vector<Integer>& moves = PlayerMoves[0];
  if (moves.size() < 2) return;
  const Integer before = moves[moves.size() - 2];
  const Integer last = moves.back();
  if (ListHas(before, Neighbours[last]) != Yes) return;
  const Integer beyond = ToInteger(last + (last - before));
  if (ListHas(beyond, Neighbours[last]) == Yes) AddInfluence(beyond, 300);
}

void RateRightOfStones() {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1 && ListHas(cell, LeftEdge) == No &&
        cell - 1 <= BoardSize * BoardSize && CellOwner[cell - 1] == 0) {
      AddInfluence(cell, 200);
    }
  }
}

void AddBridge(Integer cell, Integer group1, Integer group2) {
  const std::string record = CellCode(cell) + "," + CellCode(group1) + "&" + CellCode(group2);
  const std::string swapped = CellCode(cell) + "," + CellCode(group2) + "&" + CellCode(group1);
  for (Integer k = 1; k <= BridgeCount; ++k) {
    if (Bridges[k] == record || Bridges[k] == swapped) return;
  }
  if (BridgeCount >= kLastSlot) return;
  BridgeCount = ToInteger(BridgeCount + 1);
  Bridges[BridgeCount] = record;
}

}  // namespace

void RateCells(Integer& cell) {
  SaveGroupState();
  const EdgeTables edges = BuildEdgeTables();
  cell = ToInteger(CellCount + 1);
  for (Integer c = 1; c <= CellCount && cell > CellCount; ++c) {
    if (CellOwner[c] != -1) continue;
    if (WouldWin(c, 0, edges) || WouldWin(c, 1, edges)) cell = c;
  }
  if (cell <= CellCount) {
    Influence[cell] = 999;
    return;
  }
  if (SquareBoard == No) return;
  RateEdgeThreats(ToInteger(BoardSize - 1), LeftEdge, RightEdge);
  RateEdgeThreats(2, RightEdge, LeftEdge);
  RateBridges();
  RateLineExtension();
  RateRightOfStones();
}

void CheckWin(Integer& result, Integer side, Integer& group) {
  result = HasWinningChain(side, BuildEdgeTables(), group) ? kWon : -1;
}

void FindBridges(Integer side) {
  int nonEmpty = 0;
  for (Integer g = 1; g <= GroupCount[side]; ++g) nonEmpty += Groups[side][g].empty() ? 0 : 1;
  if (nonEmpty == 1) return;
  for (Integer group1 = 1; group1 <= GroupCount[side]; ++group1) {
    const std::string& group = Groups[side][group1];
    for (Integer i = 1; i <= RoundHalfEvenToInteger(group.size() / 4.0); ++i) {
      const Integer stone = ListItem(i, group);
      for (Integer j = 1; j <= 6; ++j) {
        const Integer empty = ListItem(j, Neighbours[stone]);
        if (empty == 0 || CellOwner[empty] != -1 || ListHas(empty, group) == Yes) continue;
        for (Integer k = 1; k <= 6; ++k) {
          const Integer touching = ListItem(k, Neighbours[empty]);
          if (touching == 0 || ListHas(touching, group) == Yes) continue;
          for (Integer group2 = group1; group2 <= GroupCount[side]; ++group2) {
            if (group2 == group1 || Groups[side][group2].empty()) continue;
            if (ListHas(touching, Groups[side][group2]) == Yes) AddBridge(empty, group1, group2);
          }
        }
      }
    }
  }
}

void SpreadInfluence(Integer cell, Single start) {
  const Integer excludedOwner = CellOwner[cell] == 1 ? 0 : 1;
  std::string queue = Neighbours[cell] + ",999,";
  PerCell<bool> queued;  // what a search of the queue's text would find
  for (Integer j = 1; j <= 6; ++j) queued[ListItem(j, queue)] = true;
  Single value = Decay(start);
  for (Integer position = 1; position <= 9999 && position <= EntryCount(queue); ++position) {
    const Integer reached = ListItem(position, queue);
    if (reached == 999) {
      value = Decay(value);
      continue;
    }
    if (reached == 0) continue;
    if (CellOwner[reached] != excludedOwner) AddInfluence(reached, value);
    bool appended = false;
    for (Integer j = 1; j <= 6; ++j) {
      const Integer next = ListItem(j, Neighbours[reached]);
      if (next > 0 && !queued[next]) {
        queue += CellCode(next) + ",";
        queued[next] = true;
        appended = true;
      }
    }
    if (appended) queue += "999,";
  }
}

}  // namespace vorn::testing::reference
