// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse input and the turns of one click.
#include "play/mouse_input.h"

#include "computer/computer_move.h"
#include "computer/reply_search.h"
#include "computer/stone_placement.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/influence.h"
#include "play/preset.h"
#include "play/take_back.h"
#include "play/turns.h"
#include "play/wins.h"

namespace vorn {

namespace {

// The first stone of a game fences off the size and preset commands until the next board.
// ("Start Preset Game" is disabled already and preset mode off: clicks in preset mode place
// preset stones, and leaving it disables the item.)
void StartGame() {
  GameStarted = Yes;
  Window().SetMenuEnabled(MenuItem::Sizex, false);
  Window().SetMenuEnabled(MenuItem::Presetx, false);
}

// Announces a win of `side`; true when the game ended.
bool AnnounceIfWon(Integer side) {
  Integer result = 0;
  Integer group = 0;
  CheckWin(result, side, group);
  if (result != kWon) return false;
  AnnounceWin(side, group);
  return true;
}

// The computer's opening cell: the middle cell, or after a preset layout that filled it the
// lowest-numbered empty cell; 0 on a full board.
Integer OpeningCell() {
  const Integer middle = RoundHalfEvenToInteger(CellCount / 2.0);
  return CellOwner[middle] == -1 ? middle : LowestEmptyCell();
}

void ComputerOpening() {
  if (SquareBoard == No) {
    Window().MessageBox("Computer cannot start first in non-square Board");
    return;
  }
  const Integer opening = OpeningCell();
  if (opening == 0) return;
  SideToMove = 1;
  StartGame();
  SelectedCell = opening;
  PlaceStone(SelectedCell, 1);
  SpreadInfluence(SelectedCell, -kSpreadStart);
  Influence[SelectedCell] = 0;
  SwitchTurn();
  // After a preset layout the opening stone can fill the board.
  AnnounceFullBoard();
}

void GreenMove() {
  if (CellOwner[SelectedCell] != -1) return;
  // Never true between clicks, as the window takes no input while RED is to move; it stays
  // so that a click can never place a stone for RED.
  if (SideToMove == 1) return;
  PlaceStone(SelectedCell, SideToMove);
  if (AnnounceIfWon(SideToMove)) return;  // a winning stone is not answered
  SpreadInfluence(SelectedCell, kSpreadStart);
  if (GameStarted == No) StartGame();
  SwitchTurn();
  // Above the Standard level the engine searches, perhaps in a worker of the window's; the
  // turn then ends when its answer comes back.
  if (ReplyUsesEngine()) {
    RequestSearch(SearchPurpose::Reply);
    return;
  }
  ComputerMove();
  FinishComputerTurn();
}

}  // namespace

void FinishComputerTurn() {
  if (AnnounceIfWon(SideToMove)) return;
  SwitchTurn();
}

void AnnounceFullBoard() {
  if (LowestEmptyCell() == 0 && !AnnounceIfWon(1)) AnnounceIfWon(0);
}

TwipBox ClickBox(Integer cell) {
  const Single left = CellTwipX[cell];
  const Single top = CellTwipY[cell];
  return {left, top, left + 2 * UnitX * TwipsX, top + TwipsY * UnitY};
}

TwipPoint ClickBoxMiddle(Integer cell) {
  const TwipBox box = ClickBox(cell);
  return {box.left + UnitX * TwipsX, box.top + UnitY * TwipsY / 2};
}

Integer HitTest(Single x, Single y) {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    const TwipBox box = ClickBox(cell);
    if (box.left <= x && x <= box.right && box.top <= y && y <= box.bottom) return cell;
  }
  return 0;
}

void Form_MouseUp(Integer button, Integer shift, Single x, Single y) {
  const TakeBackPoint point;  // the stones of this click can be taken back
  SelectedCell = HitTest(x, y);
  if (SelectedCell == 0) return;
  if (PresetMode == Yes) {
    PlacePresetStone(button);
  } else if (button == kRightButton && shift == 0 && GameStarted == No) {
    ComputerOpening();
  } else {
    GreenMove();
  }
}

}  // namespace vorn
