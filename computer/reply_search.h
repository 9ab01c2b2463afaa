// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Searches of the engine for the game: RED's reply above the Standard level, and GREEN's
// hint. The game hands a window a request with a copy of the position; the window runs it
// where it likes (a worker, so that it stays responsive, or at once) and hands the cell back
// through CompleteSearch, in the game's own thread. A request carries the game's ticket of
// the moment: a board built or a move made since then makes its answer stale, and a stale
// answer is dropped, so a cancelled search can never leave a late stone.
#pragma once

#include <cstdint>

#include "engine/search.h"
#include "game/runtime.h"

namespace vorn {

enum class SearchPurpose : Integer { Reply = 0, Hint = 1 };

struct SearchRequest {
  std::uint32_t ticket = 0;
  SearchPurpose purpose = SearchPurpose::Reply;
  engine::Position position;
  int playouts = 0;
};

// The engine's cell for the request: the same for the same request on every build, and
// safe to run on any thread, as it reads nothing but the request.
Integer RunSearch(const SearchRequest& request);

// Whether RED's reply comes from the engine: above the Standard level on a square board.
// On a board one row short every level keeps the mirror answer, which wins there.
bool ReplyUsesEngine();

// Asks for RED's reply through the engine, or GREEN's hint; the answer comes back through
// CompleteSearch, at once when the window searches in its own thread.
void RequestSearch(SearchPurpose purpose);

// The answer to a request: a fresh one plays RED's reply and hands the turn back, or shows
// the hint; a stale one is dropped.
void CompleteSearch(std::uint32_t ticket, SearchPurpose purpose, Integer cell);

// Whether a search for RED's reply is under way (the window then shows RED to move and takes
// no board input).
bool AwaitingReply();

}  // namespace vorn
