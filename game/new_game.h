// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Building a fresh board: drawing every cell, the cell count, the four edges, the neighbour
// lists (and both again as numbers), the mirror pairing of boards that are not square, the
// window size and the menus.
#pragma once

#include "game/runtime.h"

namespace vorn {

// A new, empty board of `size` columns (callers pass BoardSize); the rows follow SquareBoard.
// The caller clears the window and sets a light grey solid fill first.
void NewGame(Integer size);

// Sizes the main window to the current board.
void FitWindow();

// Gives each pair of mirror cells of a board that is not square its own number.
void NumberMirrorPairs();

// Rows of the current board: BoardSize when square, one fewer otherwise.
Integer RowCount();

class WindowServices;
// GREEN's indicator lit, RED's dark, and the window taking input: GREEN to move.
void ShowGreenToMove(WindowServices& window);

}  // namespace vorn
