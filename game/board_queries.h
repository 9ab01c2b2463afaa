// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The reading side of the seam between the game and its windows: what a front end may ask of
// the game's state, by name, so that the state can change without touching every front end.
// The game tells a window what to do through WindowServices; a window that needs to know
// more (to convert the mouse, to lay out cells for the keyboard) asks here.
#pragma once

#include "game/new_game.h"
#include "game/state.h"

namespace vorn {

// The twips per pixel the game works with, read from the window at start-up and limited
// there (WorkingTwipsPerPixel): sizes and mouse positions are converted with these.
inline Single GameTwipsPerPixelX() { return TwipsX; }
inline Single GameTwipsPerPixelY() { return TwipsY; }

// The board as it stands: cells a row, rows, and cells in all (the last cell number).
inline Integer CellsPerRow() { return BoardSize; }
inline Integer RowsOfBoard() { return RowCount(); }
inline Integer CellsOnBoard() { return CellCount; }

// Who holds a cell of the board: -1 nobody, 0 GREEN, 1 RED.
inline Integer OwnerOfCell(Integer cell) { return CellOwner[cell]; }

}  // namespace vorn
