// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Win detection and announcement.
#include "play/wins.h"

#include "display/cell_drawing.h"
#include "game/cell_lists.h"
#include "game/new_game.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/turns.h"

namespace vorn {

namespace {

}  // namespace

void CheckWin(Integer& result, Integer side, Integer& group) {
  result = -1;
  const Integer count = GroupCount[side];
  for (Integer g = 1; g <= count; ++g) {
    // A chain touches an edge when one of its cells lies on it.
    const std::string& chain = Groups[side][g];
    if (!chain.empty() && JoinsEdges(ListEdges(chain), side)) {
      result = kWon;
      group = g;
      return;
    }
  }
}

std::string WinMessageOf(Integer side) {
  return std::string(side == 0 ? "GREEN" : "RED") + " WON - click here to continue";
}

void AnnounceWin(Integer side, Integer group) {
  WindowServices& window = Window();
  FillColor = PaletteColor(kBlack);
  FillStyle = kFillDiagonalCross;
  const std::string& chain = Groups[side][group];
  for (Integer k = 1; k <= EntryCount(chain); ++k) RedrawCell(ListItem(k, chain));
  window.Refresh();
  window.SetEnabled(false);
  WinMessage = WinMessageOf(side);
  window.MessageBox(WinMessage);
  window.Cls();
  UseEmptyBoardColours();
  NewGame(BoardSize);
  SideToMove = 1;
  SwitchTurn();
}

}  // namespace vorn
