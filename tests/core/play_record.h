// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Everything a player and the computer can tell apart, as one text to compare: every
// variable of play in every slot, the move lists, and what the window shows (the menus, the
// indicator, input on or off, and the fill each cell shows last). Written here field by
// field, not with the code under test.
#pragma once

#include <map>
#include <sstream>
#include <string>
#include <utility>

#include "game/headless_window.h"
#include "game/state.h"

namespace vorn::testing {

template <typename Array>
void RecordSlots(std::ostringstream& out, const char* name, const Array& values) {
  out << name << ':';
  for (int slot = 0; slot < kCellSlots; ++slot) out << ' ' << values[slot];
  out << '\n';
}

// The fill a cell shows, by the first point of the last polygon drawn over it.
inline std::map<std::pair<long, long>, Color> Picture(const HeadlessWindow& window) {
  std::map<std::pair<long, long>, Color> shown;
  for (const DrawnPolygon& polygon : window.Polygons()) {
    shown[{polygon.points[0].x, polygon.points[0].y}] = polygon.fillColor;
  }
  return shown;
}

inline std::string PlayRecord(const HeadlessWindow& window) {
  std::ostringstream out;
  out << "flags " << SideToMove << ' ' << SelectedCell << ' ' << GameStarted << ' '
      << PresetMode << ' ' << PresetStarted << ' ' << GroupCount[0] << ' ' << GroupCount[1]
      << ' ' << BridgeCount << " [" << WinMessage << "]\n";
  RecordSlots(out, "owner", CellOwner);
  RecordSlots(out, "influence", Influence);
  RecordSlots(out, "saved", SavedInfluence);
  RecordSlots(out, "cellgroup", CellGroup);
  RecordSlots(out, "groups0", Groups[0]);
  RecordSlots(out, "groups1", Groups[1]);
  RecordSlots(out, "bridges", Bridges);
  for (int side = 0; side <= 1; ++side) {
    out << "moves" << side << ':';
    for (const Integer cell : PlayerMoves[side]) out << ' ' << cell;
    out << '\n';
  }
  out << "menus";
  for (int item = 0; item < kMenuItemCount; ++item) {
    out << ' ' << window.MenuEnabled(static_cast<MenuItem>(item))
        << window.MenuChecked(static_cast<MenuItem>(item));
  }
  out << "\nindicator " << window.IndicatorColor(0) << ' ' << window.IndicatorColor(1)
      << " enabled " << window.Enabled() << "\npicture";
  for (const auto& [point, fill] : Picture(window)) {
    out << ' ' << point.first << ',' << point.second << '=' << fill;
  }
  out << '\n';
  return out.str();
}

// A fixed stream of numbers, the same on every platform, for seeded play.
class Seeded {
 public:
  explicit Seeded(unsigned seed) : state_(seed) {}
  // A number in 0..count - 1.
  unsigned Below(unsigned count) {
    state_ = state_ * 1103515245U + 12345U;
    return (state_ >> 8) % count;
  }

 private:
  unsigned state_;
};

// A random empty cell of the board; 0 when it is full.
inline Integer RandomEmptyCell(Seeded& seeded) {
  int empty = 0;
  for (Integer cell = 1; cell <= CellCount; ++cell) empty += CellOwner[cell] == -1;
  if (empty == 0) return 0;
  int pick = static_cast<int>(seeded.Below(static_cast<unsigned>(empty)));
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1 && pick-- == 0) return cell;
  }
  return 0;
}

}  // namespace vorn::testing
