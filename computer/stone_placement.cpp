// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Stone placement.
#include "computer/stone_placement.h"

#include "computer/groups.h"
#include "display/cell_drawing.h"
#include "game/cell_lists.h"
#include "game/observer.h"
#include "game/state.h"
#include "game/window_services.h"

namespace vorn {

void PlaceStone(Integer cell, Integer side) {
  // Callers only ever pass an empty cell; a stone put over another would corrupt both sides'
  // chains, so that is treated as the program fault it is.
  if (CellOwner[cell] != -1) {
    throw RunTimeError("cell " + std::to_string(cell) + " already holds a stone");
  }
  AddToGroups(cell, side);
  WindowServices& window = Window();
  FillColor = PlayerColor[side];
  RedrawCell(cell);
  CellOwner[cell] = side;
  ++PositionVersion;
  window.Refresh();  // visible before the computer starts thinking
  PlayerMoves[side].push_back(cell);
  Observer().StonePlaced(side, cell);
}

}  // namespace vorn
