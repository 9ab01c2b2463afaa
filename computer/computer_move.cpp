// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer move driver.
#include "computer/computer_move.h"

#include "computer/move_choice.h"
#include "computer/stone_placement.h"
#include "game/state.h"
#include "play/influence.h"

namespace vorn {

namespace {

// The empty cell of highest Influence, the lowest number among equals; 0 when no empty cell
// has a value of 0 or more.
Integer HighestValuedEmptyCell() {
  Integer best = -1;
  Integer chosen = 0;
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1 && Influence[cell] > best) {
      best = Influence[cell];
      chosen = cell;
    }
  }
  return chosen;
}

Integer MirrorPartner(Integer cell) {
  for (Integer i = 1; i <= CellCount; ++i) {
    if (i != cell && MirrorPair[i] == MirrorPair[cell]) return i;
  }
  return 0;
}

// Plays RED on `cell`, or on the lowest-numbered empty cell when `cell` is no empty cell;
// on a full board there is nothing to play.
void PlaceRedStone(Integer cell) {
  if (cell == 0 || CellOwner[cell] != -1) cell = LowestEmptyCell();
  if (cell != 0) PlaceStone(cell, SideToMove);
}

bool IsCell(Integer cell) { return cell >= 1 && cell <= CellCount; }

void ChooseOnSquareBoard() {
  for (Integer i = 1; i <= CellCount; ++i) SavedInfluence[i] = Influence[i];
  Integer decidingCell = 0;
  RateCells(decidingCell);
  // A cell that decides the game is always taken. Its kDecidingValue is not enough on its
  // own: the map is never cleared, and after long play other cells can stand higher.
  const Integer chosen = IsCell(decidingCell) ? decidingCell : HighestValuedEmptyCell();
  for (Integer i = 1; i <= CellCount; ++i) Influence[i] = SavedInfluence[i];
  PlaceRedStone(chosen);
  // RED's influence spreads from the cell GREEN last clicked (SelectedCell), not from RED's
  // new stone, and that cell's value is set to 0: this is the computer's procedure as it
  // stands, and every recorded game and golden trace was played so. It is no slip; "fixing"
  // it to spread from `chosen` changes every game the computer plays.
  SpreadInfluence(SelectedCell, -kSpreadStart);
  Influence[SelectedCell] = 0;
}

void AnswerWithMirror() {
  Integer decidingCell = 0;
  RateCells(decidingCell);
  if (IsCell(decidingCell)) {
    PlaceStone(decidingCell, SideToMove);
    return;
  }
  PlaceRedStone(MirrorPartner(SelectedCell));
}

}  // namespace

Integer LowestEmptyCell() {
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (CellOwner[cell] == -1) return cell;
  }
  return 0;
}

void ComputerMove() {
  if (SquareBoard == Yes) {
    ChooseOnSquareBoard();
  } else {
    AnswerWithMirror();
  }
}

}  // namespace vorn
