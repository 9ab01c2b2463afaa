// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Spreading influence.
#include "play/influence.h"

#include <cmath>
#include <vector>

#include "game/cell_lists.h"
#include "game/state.h"

namespace vorn {

Single Decay(Single value) {
  constexpr Single kFactor = 0.8F;
  return static_cast<Single>(std::floor(static_cast<double>(kFactor) * static_cast<double>(value)));
}

void AddInfluence(Integer cell, double amount) {
  Influence[cell] = SaturatingAdd(Influence[cell], amount);
}

void SpreadInfluence(Integer cell, Single start) {
  // A spread credits empty cells and its own side's stones, never the other side's.
  const Integer excludedOwner = CellOwner[cell] == 1 ? 0 : 1;
  // The queue is also the record of every cell reached so far; a marker follows each group
  // of newly queued cells and lowers the value one step. `queued` answers whether a cell is
  // in it, which is what a search of the queue's text for the cell's code would find.
  std::vector<Integer> queue;
  queue.reserve(7 + 2 * static_cast<std::size_t>(CellCount));
  PerCell<bool> queued;
  PerCell<bool> credited;
  for (Integer j = 0; j < 6; ++j) {
    queue.push_back(NeighbourCells[cell][j]);
    queued[queue.back()] = true;
  }
  queue.push_back(kLevelMarker);
  Single value = Decay(start);
  for (std::size_t position = 0; position < queue.size(); ++position) {
    const Integer reached = queue[position];
    if (reached == kLevelMarker) {
      const Single next = Decay(value);
      if (next == value) break;  // a fixed point of the decay: see below
      value = next;
      continue;
    }
    if (reached == 0) continue;
    if (CellOwner[reached] != excludedOwner) AddInfluence(reached, value);
    credited[reached] = true;
    bool appended = false;
    const CheckedArray<Integer, 6>& around = NeighbourCells[reached];
    for (Integer j = 0; j < 6; ++j) {
      const Integer next = around[j];
      if (next > 0 && !queued[next]) {
        queue.push_back(next);
        queued[next] = true;
        appended = true;
      }
    }
    if (appended) queue.push_back(kLevelMarker);
  }
  // Once the value no longer changes (0 for a start of +100, -5 for -100), the rest of the
  // walk would credit every cell not reached yet, each exactly once since the board is
  // connected, with that same value. Each sum is one cell's own, so the order of those
  // additions does not matter, and adding 0 changes nothing. (The walk never comes near
  // its limit of 9999 queue positions: a queue holds at most 7 + 2 x 441 entries.)
  if (value == 0) return;
  for (Integer other = 1; other <= CellCount; ++other) {
    if (!credited[other] && CellOwner[other] != excludedOwner) AddInfluence(other, value);
  }
}

}  // namespace vorn
