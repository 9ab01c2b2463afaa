// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Rating a position for the computer.
#include "computer/move_choice.h"

#include "computer/bridges.h"
#include "game/cell_lists.h"
#include "game/state.h"
#include "play/influence.h"

namespace vorn {

namespace {

constexpr int kEdgeThreatBonus = 800;
constexpr int kBridgeBonus = 800;
constexpr int kEdgeBridgeBonus = 100;
constexpr int kLineBonus = 300;
constexpr int kRightOfStoneBonus = 200;

// The edges each chain of each side touches, read once per rating from the lists the win
// test reads.
struct ChainEdges {
  PerSide<PerCell<Integer>> ofSlot;
  PerSide<bool> joined;  // a chain of the side joins its edges already
};

ChainEdges ReadChainEdges() {
  ChainEdges chains;
  for (Integer side = 0; side <= 1; ++side) {
    for (Integer g = 1; g <= GroupCount[side]; ++g) {
      chains.ofSlot[side][g] = ListEdges(Groups[side][g]);
      if (JoinsEdges(chains.ofSlot[side][g], side)) chains.joined[side] = true;
    }
  }
  return chains;
}

// The edges of the chain that a stone on the empty `cell` would be part of, for a stone of
// either side: the cell's own and those of every chain of that side next to it, which the
// stone would merge.
PerSide<Integer> MergedEdges(const ChainEdges& chains, Integer cell) {
  PerSide<Integer> edges;
  edges[0] = edges[1] = CellEdges[cell];
  const CheckedArray<Integer, 6>& around = NeighbourCells[cell];
  for (Integer k = 0; k < 6; ++k) {
    const Integer next = around[k];
    if (next == 0 || CellOwner[next] < 0 || CellGroup[next] <= 0) continue;
    const Integer side = CellOwner[next];
    edges[side] = static_cast<Integer>(edges[side] | chains.ofSlot[side][CellGroup[next]]);
  }
  return edges;
}

// The first empty cell where a stone of either side completes a chain, GREEN tried first.
// Trying the stone, testing for a win and taking it back gives the same: the stone merges
// the chains next to it and leaves every other chain as it was, so it wins exactly when a
// chain of the side joins its edges already or the merged one would.
Integer FindDecidingCell(const ChainEdges& chains) {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] != -1) continue;
    const PerSide<Integer> edges = MergedEdges(chains, cell);
    for (Integer side = 0; side <= 1; ++side) {
      if (chains.joined[side] || JoinsEdges(edges[side], side)) return cell;
    }
  }
  return ToInteger(CellCount + 1);
}

bool HasNeighbourOn(Integer cell, Integer edgeBit) {
  for (Integer k = 0; k < 6; ++k) {
    const Integer next = NeighbourCells[cell][k];
    if (next != 0 && (CellEdges[next] & edgeBit) != 0) return true;
  }
  return false;
}

// A GREEN stone on an empty cell of one column next to an edge that would join a chain
// already touching the opposite edge. The stone lies in the one chain it would merge, so
// that chain's edges decide, as in a try of the stone.
void RateEdgeThreats(const ChainEdges& chains, Integer firstCell, Integer nearEdge,
                     Integer farEdge) {
  const Integer n = BoardSize;
  for (Integer cell = firstCell; cell <= n * n; cell = ToInteger(cell + n)) {
    if (CellOwner[cell] != -1) continue;
    if ((MergedEdges(chains, cell)[0] & nearEdge) != 0 && HasNeighbourOn(cell, farEdge)) {
      AddInfluence(cell, kEdgeThreatBonus);
    }
  }
}

// Cells that would join two GREEN chains; joining chains already on an edge matters less.
void RateBridges(const ChainEdges& chains) {
  BridgeCount = 0;
  FindBridges(0);
  for (Integer k = 1; k <= BridgeCount; ++k) {
    const std::string& record = Bridges[k];
    const Integer cell = ListItem(1, record);
    const Integer group1 = ListItem(2, record);
    const Integer group2 = ListItem(3, record);
    const Integer edges = chains.ofSlot[0][group1] | chains.ofSlot[0][group2];
    const bool onEdge = (edges & (kLeftEdgeBit | kRightEdgeBit)) != 0;
    AddInfluence(cell, onEdge ? kEdgeBridgeBonus : kBridgeBonus);
  }
}

// Whether `cell` is one of the neighbours of `of` on the board.
bool IsNeighbour(Integer cell, Integer of) {
  if (cell <= 0) return false;  // 0 stands for a neighbour off the board
  for (Integer k = 0; k < 6; ++k) {
    if (NeighbourCells[of][k] == cell) return true;
  }
  return false;
}

// The cell that continues GREEN's last two stones in a straight line. The two stones may
// come from the game before, until GREEN has played twice in this one.
void RateLineExtension() {
  const std::vector<Integer>& moves = PlayerMoves[0];
  if (moves.size() < 2) return;
  const Integer before = moves[moves.size() - 2];
  const Integer last = moves.back();
  if (!IsNeighbour(before, last)) return;
  const Integer beyond = ToInteger(last + (last - before));
  if (IsNeighbour(beyond, last)) AddInfluence(beyond, kLineBonus);  // not when it leaves the board
}

void RateRightOfStones() {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1 && (CellEdges[cell] & kLeftEdgeBit) == 0 &&
        CellOwner[cell - 1] == 0) {
      AddInfluence(cell, kRightOfStoneBonus);
    }
  }
}

}  // namespace

void RateCells(Integer& cell) {
  const ChainEdges chains = ReadChainEdges();
  cell = FindDecidingCell(chains);
  if (cell <= CellCount) {
    Influence[cell] = kDecidingValue;
    return;
  }
  if (SquareBoard == No) return;
  const Integer n = BoardSize;
  RateEdgeThreats(chains, ToInteger(n - 1), kLeftEdgeBit, kRightEdgeBit);
  RateEdgeThreats(chains, 2, kRightEdgeBit, kLeftEdgeBit);
  RateBridges(chains);
  RateLineExtension();
  RateRightOfStones();
  cell = ToInteger(CellCount + 1);
}

}  // namespace vorn
