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

bool IsCell(Integer cell) { return cell >= 1 && cell <= CellCount; }

// Plays RED on `cell`, or on the lowest-numbered empty cell when `cell` is no empty cell of
// the board; on a full board there is nothing to play.
void PlaceRedStone(Integer cell) {
  if (!IsCell(cell) || CellOwner[cell] != -1) cell = LowestEmptyCell();
  if (cell != 0) PlaceStone(cell, SideToMove);
}

// Rates the board as the computer does before every move on a square board, and plays RED
// on the cell `choose` picks from the deciding cell the rating found (0 for none), then
// spreads RED's influence. The rating's bonuses are taken back before the stone is placed.
template <typename Choice>
void RateAndPlaceOnSquareBoard(Choice choose) {
  for (Integer i = 1; i <= CellCount; ++i) SavedInfluence[i] = Influence[i];
  Integer decidingCell = 0;
  RateCells(decidingCell);
  const Integer chosen = choose(IsCell(decidingCell) ? decidingCell : Integer{0});
  for (Integer i = 1; i <= CellCount; ++i) Influence[i] = SavedInfluence[i];
  PlaceRedStone(chosen);
  // RED's influence spreads from the cell GREEN last clicked (SelectedCell), not from RED's
  // new stone, and that cell's value is set to 0: this is the computer's procedure as it
  // stands, and every recorded game and golden trace was played so. It is no slip; "fixing"
  // it to spread from `chosen` changes every game the computer plays.
  SpreadInfluence(SelectedCell, -kSpreadStart);
  Influence[SelectedCell] = 0;
}

void ChooseOnSquareBoard() {
  // A cell that decides the game is always taken. Its kDecidingValue is not enough on its
  // own: the map is never cleared, and after long play other cells can stand higher.
  RateAndPlaceOnSquareBoard([](Integer decidingCell) {
    return decidingCell != 0 ? decidingCell : HighestValuedEmptyCell();
  });
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

void ComputerMoveOnto(Integer cell) {
  RateAndPlaceOnSquareBoard([cell](Integer) { return cell; });
}

void ComputerMove() {
  if (SquareBoard == Yes) {
    ChooseOnSquareBoard();
  } else {
    AnswerWithMirror();
  }
}

}  // namespace vorn
