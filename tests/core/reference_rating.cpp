// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The step-by-step rating. It reads the game's tables and constants but calls none of the
// game's code: its cell lists, groups, decay and sums are written here again the plain way,
// so that a fault in the game's own cannot hide behind a reference that shares it.
#include "reference_rating.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "computer/move_choice.h"
#include "game/cell_lists.h"
#include "game/state.h"
#include "play/wins.h"

namespace vorn::testing::reference {

namespace {

// --- Cell lists, read as text ------------------------------------------------------------

std::string Code(int number) {
  char text[8];
  std::snprintf(text, sizeof text, "%03d", number);
  return text;
}

// Entry `index` (from 1): three digits read as a number; "XXX" and past the end read as 0.
int Entry(const std::string& list, int index) {
  const std::size_t at = static_cast<std::size_t>(index - 1) * 4;
  if (at + 3 > list.size()) return 0;
  int number = 0;
  for (std::size_t k = at; k < at + 3; ++k) {
    if (list[k] < '0' || list[k] > '9') return 0;
    number = number * 10 + (list[k] - '0');
  }
  return number;
}

// The length / 4 rounded half to even: a 23-character neighbour list counts six entries.
int EntriesOf(const std::string& list) {
  const int whole = static_cast<int>(list.size() / 4);
  const int rest = static_cast<int>(list.size() % 4);
  return rest > 2 || (rest == 2 && whole % 2 == 1) ? whole + 1 : whole;
}

bool Has(const std::string& list, int cell) {
  char code[8];
  std::snprintf(code, sizeof code, "%03d", cell);
  return list.find(code) != std::string::npos;
}

bool Share(const std::string& a, const std::string& b) {
  for (int i = 1; i <= EntriesOf(a); ++i) {
    if (Has(b, Entry(a, i))) return true;
  }
  return false;
}

// --- Influence -----------------------------------------------------------------------------

Single Decayed(Single value) {
  return static_cast<Single>(std::floor(static_cast<double>(0.8F) * static_cast<double>(value)));
}

void Add(Integer cell, double amount) {
  Influence[cell] = static_cast<Integer>(std::clamp(Influence[cell] + amount, -32768.0, 32767.0));
}

// --- Groups ----------------------------------------------------------------------------------

void Relabel(Integer side, Integer slot) {
  const std::string& group = Groups[side][slot];
  for (int k = 1; k <= EntriesOf(group); ++k) CellGroup[Entry(group, k)] = slot;
}

void AddStone(Integer cell, Integer side) {
  int joined = 0;
  Integer current = 0;
  for (int i = 1; i <= 6; ++i) {
    const int next = Entry(Neighbours[cell], i);
    if (next == 0 || CellOwner[next] != side || CellGroup[next] <= 0) continue;
    const Integer group = CellGroup[next];
    if (current <= 0 || group == current) {
      if (!Has(Groups[side][group], cell)) {
        Groups[side][group] += Code(cell) + ",";
        current = group;
      }
      CellGroup[cell] = group;
    } else {
      Groups[side][group] += Groups[side][current];
      Relabel(side, group);
      Groups[side][current].clear();
      current = group;
    }
    ++joined;
  }
  if (joined > 0) return;
  Integer slot = static_cast<Integer>(GroupCount[side] + 1);
  for (Integer j = 1; j <= GroupCount[side]; ++j) {
    if (Groups[side][j].empty()) {
      slot = j;
      break;
    }
  }
  Groups[side][slot] = Code(cell) + ",";
  CellGroup[cell] = slot;
  GroupCount[side] = std::max(GroupCount[side], slot);
}

// The snapshot a rating takes once and copies back after every tried stone. (The bridge
// records are left out: no tried stone changes them.)
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

// --- Wins ------------------------------------------------------------------------------------

// The cells of each side's two edges, read from the edge lists once per rating: whether a
// chain touches an edge is whether one of its entries is among them, which is what a search
// of the chain for each cell of the edge finds.
struct EdgeCells {
  PerSide<PerCell<bool>> first, second;
};

PerCell<bool> CellsOf(const std::string& edge) {
  PerCell<bool> cells;
  for (int k = 1; k <= EntriesOf(edge); ++k) cells[Entry(edge, k)] = true;
  return cells;
}

EdgeCells ReadEdges() {
  EdgeCells edges;
  edges.first[0] = CellsOf(LeftEdge);
  edges.second[0] = CellsOf(RightEdge);
  edges.first[1] = CellsOf(BottomEdge);
  edges.second[1] = CellsOf(TopEdge);
  return edges;
}

bool Touches(const PerCell<bool>& edge, const std::string& group) {
  for (int k = 1; k <= EntriesOf(group); ++k) {
    if (edge[Entry(group, k)]) return true;
  }
  return false;
}

bool HasWinningChain(Integer side, const EdgeCells& edges, Integer& group) {
  for (Integer g = 1; g <= GroupCount[side]; ++g) {
    const std::string& chain = Groups[side][g];
    if (!chain.empty() && Touches(edges.first[side], chain) && Touches(edges.second[side], chain)) {
      group = g;
      return true;
    }
  }
  return false;
}

bool WouldWin(Integer cell, Integer side, const EdgeCells& edges) {
  AddStone(cell, side);
  CellOwner[cell] = side;
  Integer group = 0;
  const bool won = HasWinningChain(side, edges, group);
  RestoreGroupState(side);
  CellOwner[cell] = -1;
  return won;
}

// --- The bonuses -----------------------------------------------------------------------------

void RateEdgeThreats(Integer firstCell, const std::string& nearEdge, const std::string& farEdge) {
  const int n = BoardSize;
  for (int cell = firstCell; cell <= n * n; cell += n) {
    if (CellOwner[cell] != -1) continue;
    AddStone(static_cast<Integer>(cell), 0);
    CellOwner[cell] = 0;
    for (Integer g = 1; g <= GroupCount[0]; ++g) {
      const std::string& group = Groups[0][g];
      if (Share(nearEdge, group) && Share(Code(cell) + ",", group) &&
          Share(Neighbours[cell], farEdge)) {
        Add(static_cast<Integer>(cell), 800);
      }
    }
    RestoreGroupState(0);
    CellOwner[cell] = -1;
  }
}

bool TouchesGreenEdge(int slot) {
  return Share(LeftEdge, Groups[0][slot]) || Share(RightEdge, Groups[0][slot]);
}

void RateBridges() {
  BridgeCount = 0;
  FindBridges(0);
  for (Integer k = 1; k <= BridgeCount; ++k) {
    const std::string& record = Bridges[k];
    const bool onEdge = TouchesGreenEdge(Entry(record, 2)) || TouchesGreenEdge(Entry(record, 3));
    Add(static_cast<Integer>(Entry(record, 1)), onEdge ? 100 : 800);
  }
}

void RateLineExtension() {
  const std::vector<Integer>& moves = PlayerMoves[0];
  if (moves.size() < 2) return;
  const int before = moves[moves.size() - 2];
  const int last = moves.back();
  if (!Has(Neighbours[last], before)) return;
  const int beyond = last + (last - before);
  if (Has(Neighbours[last], beyond)) Add(static_cast<Integer>(beyond), 300);
}

void RateRightOfStones() {
  for (int cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1 && !Has(LeftEdge, cell) && CellOwner[cell - 1] == 0) {
      Add(static_cast<Integer>(cell), 200);
    }
  }
}

void AddBridge(int cell, int group1, int group2) {
  const std::string record = Code(cell) + "," + Code(group1) + "&" + Code(group2);
  const std::string swapped = Code(cell) + "," + Code(group2) + "&" + Code(group1);
  for (Integer k = 1; k <= BridgeCount; ++k) {
    if (Bridges[k] == record || Bridges[k] == swapped) return;
  }
  if (BridgeCount >= kLastSlot) return;
  ++BridgeCount;
  Bridges[BridgeCount] = record;
}

}  // namespace

void RateCells(Integer& cell) {
  SaveGroupState();
  const EdgeCells edges = ReadEdges();
  cell = static_cast<Integer>(CellCount + 1);
  for (Integer c = 1; c <= CellCount && cell > CellCount; ++c) {
    if (CellOwner[c] == -1 && (WouldWin(c, 0, edges) || WouldWin(c, 1, edges))) cell = c;
  }
  if (cell <= CellCount) {
    Influence[cell] = kDecidingValue;
    return;
  }
  if (SquareBoard == No) return;
  RateEdgeThreats(static_cast<Integer>(BoardSize - 1), LeftEdge, RightEdge);
  RateEdgeThreats(2, RightEdge, LeftEdge);
  RateBridges();
  RateLineExtension();
  RateRightOfStones();
}

void CheckWin(Integer& result, Integer side, Integer& group) {
  result = HasWinningChain(side, ReadEdges(), group) ? kWon : -1;
}

void FindBridges(Integer side) {
  int nonEmpty = 0;
  for (Integer g = 1; g <= GroupCount[side]; ++g) nonEmpty += Groups[side][g].empty() ? 0 : 1;
  if (nonEmpty == 1) return;
  for (int group1 = 1; group1 <= GroupCount[side]; ++group1) {
    const std::string& group = Groups[side][group1];
    for (int i = 1; i <= EntriesOf(group); ++i) {
      const int stone = Entry(group, i);
      for (int j = 1; j <= 6; ++j) {
        const int empty = Entry(Neighbours[stone], j);
        if (empty == 0 || CellOwner[empty] != -1 || Has(group, empty)) continue;
        for (int k = 1; k <= 6; ++k) {
          const int touching = Entry(Neighbours[empty], k);
          if (touching == 0 || Has(group, touching)) continue;
          for (int group2 = group1 + 1; group2 <= GroupCount[side]; ++group2) {
            if (!Groups[side][group2].empty() && Has(Groups[side][group2], touching)) {
              AddBridge(empty, group1, group2);
            }
          }
        }
      }
    }
  }
}

void SpreadInfluence(Integer cell, Single start) {
  const Integer excludedOwner = CellOwner[cell] == 1 ? 0 : 1;
  std::string queue = Neighbours[cell] + "," + Code(kLevelMarker) + ",";
  PerCell<bool> queued;  // what a search of the queue's text for a cell's code would find
  for (int j = 1; j <= 6; ++j) queued[Entry(queue, j)] = true;
  Single value = Decayed(start);
  for (int position = 1; position <= 9999 && position <= static_cast<int>(queue.size() / 4);
       ++position) {
    const int reached = Entry(queue, position);
    if (reached == kLevelMarker) {
      value = Decayed(value);
      continue;
    }
    if (reached == 0) continue;
    if (CellOwner[reached] != excludedOwner) Add(static_cast<Integer>(reached), value);
    bool appended = false;
    for (int j = 1; j <= 6; ++j) {
      const int next = Entry(Neighbours[reached], j);
      if (next > 0 && !queued[next]) {
        queue += Code(next) + ",";
        queued[next] = true;
        appended = true;
      }
    }
    if (appended) queue += Code(kLevelMarker) + ",";
  }
}

}  // namespace vorn::testing::reference
