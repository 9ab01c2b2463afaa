// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Cell geometry and drawing: places each six-sided cell next to one drawn before, draws it on
// the window's persistent surface and records where it is (position key and twips corner).
#pragma once

#include "game/runtime.h"

namespace vorn {

// Draws cell `newCell` one step in `direction` (0..6) from the vertex 0 of `fromCell`, or at
// the board origin when both are 0, with the current fill, and records its position.
void DrawCell(Integer fromCell, Integer direction, Integer newCell);

// Draws the outline of a cell already placed, at its recorded position, with the window's
// current fill: a stone over an empty cell, or the hatch over a winning chain.
void RedrawCell(Integer cell);

// Light grey: the background, and the fill every path into NewGame draws the new board with.
void UseEmptyBoardColours();

// The x and y in pixels of a cell's vertex 0, read back from its position key.
double PositionKeyX(Integer cell);
double PositionKeyY(Integer cell);

}  // namespace vorn
