// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The strong player: a tree search over random games played to the end. It needs nothing of
// the game module, so it can run on a copy of the position on any thread; it uses no clock,
// and the same position always gives the same cell on every platform.
#pragma once

#include <vector>

namespace vorn::engine {

// A position to move from.
struct Position {
  int cellsPerRow = 11;  // 5..21
  int rows = 11;         // cellsPerRow on a square board, one fewer on a short one
  // One entry per cell, cell 1 first (cells are numbered row by row from the top left):
  // -1 empty, 0 GREEN, 1 RED.
  std::vector<signed char> owner;
  int toMove = 1;  // 0 GREEN, 1 RED
};

// How hard the engine thinks: `Strong` is the computer's level for RED, `Hint` the advice
// for GREEN, which is given at the strongest level there is.
enum class Level { Strong, Hint };

// The number of random games a move of `level` plays on a board of `cellsPerRow` cells a
// row. A fixed table, not a time: the same level gives the same moves on every machine. The
// budgets keep a reply within about a tenth of a second on every size on a desktop machine.
int PlayoutBudget(Level level, int cellsPerRow);

// The cell (1..cellsPerRow x rows) the side to move plays, after `playouts` random games;
// 0 when the board is full. A cell that wins at once is always taken, and otherwise a cell
// where the other side would win at once is always filled. Throws std::invalid_argument
// for a malformed position (size, shape, owner count, owner or side values).
int ChooseCell(const Position& position, int playouts);

// The game's winner (0 GREEN, 1 RED) on a board with every cell filled: exactly one side
// has joined its edges. Throws std::invalid_argument if a cell is empty.
int FilledBoardWinner(const Position& position);

// The fewest empty cells `side` must still fill to join its edges, its own stones counting
// nothing and the other side's stones closed; -1 when it can no longer join them.
int ShortestPathLength(const Position& position, int side);

}  // namespace vorn::engine
