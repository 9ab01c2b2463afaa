// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The engine's searches for the game, and their answers.
#include "computer/reply_search.h"

#include <algorithm>

#include "computer/computer_move.h"
#include "computer/levels.h"
#include "game/new_game.h"
#include "game/state.h"
#include "game/window_services.h"
#include "play/mouse_input.h"

namespace vorn {

namespace {

engine::Position CurrentPosition(Integer toMove) {
  engine::Position position;
  position.cellsPerRow = BoardSize;
  position.rows = RowCount();
  position.owner.resize(static_cast<std::size_t>(CellCount));
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    position.owner[static_cast<std::size_t>(cell - 1)] = static_cast<signed char>(CellOwner[cell]);
  }
  position.toMove = toMove;
  return position;
}

// The hint is given at the strongest level there is, whatever the computer plays at.
int Playouts(SearchPurpose purpose) {
  const int playouts = purpose == SearchPurpose::Hint
                           ? engine::PlayoutBudget(engine::Level::Hint, BoardSize)
                           : LevelPlayouts(ComputerLevel(), BoardSize);
#ifdef VORN_PLAYOUT_CAP
  // The fuzz build looks for faults, not for good moves, in thousands of inputs that may
  // take a fraction of a second each under the sanitizers.
  return std::min(playouts, VORN_PLAYOUT_CAP);
#else
  return playouts;
#endif
}

void AnswerHint(std::uint32_t ticket, Integer cell) {
  HintCell = cell;
  HintVersion = ticket;
  Window().ShowHint(cell);
}

void AnswerReply(Integer cell) {
  ReplySearching = No;
  ComputerMoveOnto(cell);
  FinishComputerTurn();
}

}  // namespace

Integer RunSearch(const SearchRequest& request) {
  return static_cast<Integer>(engine::ChooseCell(request.position, request.playouts));
}

bool ReplyUsesEngine() { return ComputerLevel() != Level::Standard && SquareBoard == Yes; }

void RequestSearch(SearchPurpose purpose) {
  SearchRequest request;
  request.ticket = PositionVersion;
  request.purpose = purpose;
  request.position = CurrentPosition(purpose == SearchPurpose::Reply ? 1 : 0);
  request.playouts = Playouts(purpose);
  if (purpose == SearchPurpose::Reply) ReplySearching = Yes;
  if (!Window().StartSearch(request)) CompleteSearch(request.ticket, purpose, RunSearch(request));
}

void CompleteSearch(std::uint32_t ticket, SearchPurpose purpose, Integer cell) {
  if (ticket != PositionVersion) return;  // the position has changed since
  if (purpose == SearchPurpose::Hint) {
    AnswerHint(ticket, cell);
  } else if (ReplySearching == Yes) {
    AnswerReply(cell);
  }
}

bool AwaitingReply() { return ReplySearching == Yes; }

}  // namespace vorn
