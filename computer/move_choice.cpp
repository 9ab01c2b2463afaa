// Rating a position for the computer.
#include "computer/move_choice.h"

#include "computer/bridges.h"
#include "computer/groups.h"
#include "game/cell_lists.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/influence.h"
#include "play/wins.h"

namespace vorn {

namespace {

constexpr Integer kDecidingValue = 999;
constexpr int kEdgeThreatBonus = 800;
constexpr int kBridgeBonus = 800;
constexpr int kEdgeBridgeBonus = 100;
constexpr int kLineBonus = 300;
constexpr int kRightOfStoneBonus = 200;

// Tries a stone of `side` on the empty `cell`, then takes it back. Yes when it would win.
Integer WouldWin(Integer cell, Integer side) {
  AddToGroups(cell, side);
  CellOwner[cell] = side;
  Integer result = 0;
  Integer group = 0;
  CheckWin(result, side, group);
  RestoreGroupState();
  CellOwner[cell] = -1;
  return result == 3 ? Yes : No;
}

// The first empty cell where a stone of either side completes a chain, GREEN tried first.
Integer FindDecidingCell() {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] != -1) continue;
    for (Integer side = 0; side <= 1; ++side) {
      if (WouldWin(cell, side) == Yes) return cell;
    }
  }
  return ToInteger(CellCount + 1);
}

// A GREEN stone on an empty cell of one column next to an edge that would join a chain
// already touching the opposite edge.
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
        AddInfluence(cell, kEdgeThreatBonus);
      }
    }
    RestoreGroupState();
    CellOwner[cell] = -1;
  }
}

bool TouchesGreenEdge(Integer slot) {
  return ListsShare(LeftEdge, Groups[0][slot]) == Yes || ListsShare(RightEdge, Groups[0][slot]) == Yes;
}

// Cells that would join two GREEN chains; joining chains already on an edge matters less.
void RateBridges() {
  BridgeCount = 0;
  FindBridges(0);
  for (Integer k = 1; k <= BridgeCount; ++k) {
    const std::string& record = Bridges[k];
    const Integer cell = ListItem(1, record);
    const Integer group1 = ListItem(2, record);
    const Integer group2 = ListItem(3, record);
    const bool onEdge = TouchesGreenEdge(group1) || TouchesGreenEdge(group2);
    AddInfluence(cell, onEdge ? kEdgeBridgeBonus : kBridgeBonus);
  }
}

// The cell that continues GREEN's last two stones in a straight line. The two stones may
// come from the game before, until GREEN has played twice in this one.
void RateLineExtension() {
  const int moves = Window().MoveCount(0);
  if (moves < 2) return;
  const Integer before = CInt(Val(Window().MoveText(0, moves - 2)));
  const Integer last = CInt(Val(Window().MoveText(0, moves - 1)));
  if (ListHas(before, Neighbours[last]) != Yes) return;
  const Integer beyond = ToInteger(last + (last - before));
  if (ListHas(beyond, Neighbours[last]) == Yes) AddInfluence(beyond, kLineBonus);
}

void RateRightOfStones() {
  const int n = BoardSize;
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1 && ListHas(cell, LeftEdge) == No && cell - 1 <= n * n &&
        CellOwner[cell - 1] == 0) {
      AddInfluence(cell, kRightOfStoneBonus);
    }
  }
}

}  // namespace

void RateCells(Integer& cell) {
  SaveGroupState();
  cell = FindDecidingCell();
  if (cell <= CellCount) {
    Influence[cell] = kDecidingValue;
    return;
  }
  if (SquareBoard == No) return;
  const Integer n = BoardSize;
  RateEdgeThreats(ToInteger(n - 1), LeftEdge, RightEdge);
  RateEdgeThreats(2, RightEdge, LeftEdge);
  RateBridges();
  RateLineExtension();
  RateRightOfStones();
  cell = ToInteger(CellCount + 1);
}

void SaveGroupState() {
  for (Integer i = 1; i <= CellCount; ++i) {
    SavedGroups[0][i] = Groups[0][i];
    SavedGroups[1][i] = Groups[1][i];
  }
  for (Integer i = 1; i <= CellCount; ++i) {
    SavedBridges[i] = Bridges[i];
    SavedCellGroup[i] = CellGroup[i];
  }
  SavedGroupCount[0] = GroupCount[0];
  SavedGroupCount[1] = GroupCount[1];
  SavedBridgeCount = BridgeCount;
}

void RestoreGroupState() {
  for (Integer i = 1; i <= CellCount; ++i) {
    Groups[0][i] = SavedGroups[0][i];
    Groups[1][i] = SavedGroups[1][i];
  }
  for (Integer i = 1; i <= CellCount; ++i) {
    Bridges[i] = SavedBridges[i];
    CellGroup[i] = SavedCellGroup[i];
  }
  GroupCount[0] = SavedGroupCount[0];
  GroupCount[1] = SavedGroupCount[1];
  BridgeCount = SavedBridgeCount;
}

}  // namespace vorn
