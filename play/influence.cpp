// Spreading influence.
#include "play/influence.h"

#include <cmath>

#include "game/state.h"

namespace vorn {

namespace {

constexpr Integer kLevelMarker = 999;
constexpr std::size_t kMaxQueuePosition = 9999;

}  // namespace

Single Decay(Single value) {
  constexpr Single kFactor = 0.8F;
  return static_cast<Single>(std::floor(static_cast<double>(kFactor) * static_cast<double>(value)));
}

void AddInfluence(Integer cell, double amount) {
  Influence[cell] = SaturatingAdd(Influence[cell], amount);
}

SpreadQueue SpreadInfluence(Integer cell, Single start) {
  // A spread credits empty cells and its own side's stones, never the other side's.
  const Integer excludedOwner = CellOwner[cell] == 1 ? 0 : 1;
  // The queue is also the record of every cell reached so far; a marker follows each group
  // of newly queued cells and lowers the value one step. `queued` answers whether a cell is
  // in it, which is what a search of the queue's text for the cell's code would find.
  SpreadQueue queue;
  queue.reserve(7 + 2 * static_cast<std::size_t>(CellCount));
  PerCell<bool> queued;
  for (Integer j = 0; j < 6; ++j) {
    queue.push_back(NeighbourCells[cell][j]);
    queued[queue.back()] = true;
  }
  queue.push_back(kLevelMarker);
  Single value = Decay(start);
  for (std::size_t position = 0; position < kMaxQueuePosition && position < queue.size();
       ++position) {
    const Integer reached = queue[position];
    if (reached == kLevelMarker) {
      value = Decay(value);
      continue;
    }
    if (reached == 0) continue;
    if (CellOwner[reached] != excludedOwner) AddInfluence(reached, value);
    bool appended = false;
    for (Integer j = 0; j < 6; ++j) {
      const Integer next = NeighbourCells[reached][j];
      if (next > 0 && !queued[next]) {
        queue.push_back(next);
        queued[next] = true;
        appended = true;
      }
    }
    if (appended) queue.push_back(kLevelMarker);
  }
  return queue;
}

}  // namespace vorn
