// Spreading influence.
#include "play/influence.h"

#include <cmath>

#include "game/cell_lists.h"
#include "game/state.h"

namespace vorn {

namespace {

constexpr Integer kLevelMarker = 999;
constexpr Integer kMaxQueuePosition = 9999;

}  // namespace

Single Decay(Single value) {
  constexpr Single kFactor = 0.8F;
  return static_cast<Single>(std::floor(static_cast<double>(kFactor) * static_cast<double>(value)));
}

void AddInfluence(Integer cell, double amount) {
  Influence[cell] = SaturatingAdd(Influence[cell], amount);
}

std::string SpreadInfluence(Integer cell, Single start) {
  // A spread credits empty cells and its own side's stones, never the other side's.
  const Integer excludedOwner = CellOwner[cell] == 1 ? 0 : 1;
  // The queue is also the record of every cell reached so far; a marker follows each group
  // of newly queued cells and lowers the value one step. It holds whole entries only, so a
  // cell's code occurs in it exactly when the cell was queued: `queued` answers that
  // without searching the text.
  std::string queue = Neighbours[cell] + ",999,";
  PerCell<bool> queued;
  for (Integer j = 1; j <= 6; ++j) queued[ListItem(j, queue)] = true;
  Single value = Decay(start);
  for (Integer position = 1;
       position <= kMaxQueuePosition && position <= static_cast<long long>(queue.size() / 4);
       ++position) {
    const Integer reached = ListItem(position, queue);
    if (reached == kLevelMarker) {
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
  return queue;
}

}  // namespace vorn
