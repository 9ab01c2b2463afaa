// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse input: a button release over the board becomes a preset stone, the computer's
// opening, or GREEN's move followed at once by RED's reply.
#pragma once

#include "game/runtime.h"

namespace vorn {

inline constexpr Integer kLeftButton = 1;
inline constexpr Integer kRightButton = 2;
inline constexpr Integer kMiddleButton = 4;

// A button release at (x, y) twips in the window's client area. `shift` is the mask of the
// Shift (1), Ctrl (2) and Alt (4) keys held. Only releases act: pressing a button or moving
// the mouse does nothing (there is no hover feedback), so no window passes those on.
void Form_MouseUp(Integer button, Integer shift, Single x, Single y);

// After RED's reply: announces RED's win, or hands the turn back to GREEN.
void FinishComputerTurn();

// On a full board no stone is left to play, so the one chain that stands on it (a full board
// always holds exactly one) wins at once: RED's is looked for first, then GREEN's. Does
// nothing while a cell is empty.
void AnnounceFullBoard();

// A cell's click box, in twips: the straight-sided middle band of the cell, from its vertex 0
// one cell wide and UnitY high.
struct TwipBox {
  Single left = 0;
  Single top = 0;
  Single right = 0;
  Single bottom = 0;
};
TwipBox ClickBox(Integer cell);

// The middle of a cell's click box, where a click surely meets the cell.
struct TwipPoint {
  Single x = 0;
  Single y = 0;
};
TwipPoint ClickBoxMiddle(Integer cell);

// A circle drawn over a cell by the front ends (the hint's ring, the last move's dot), in
// twips of the window's client area, so that every front end draws it alike.
struct TwipCircle {
  Single x = 0;
  Single y = 0;
  Single radius = 0;
};

// The cell whose click box holds (x, y) twips, bounds included, the lowest number first; 0
// for none.
Integer HitTest(Single x, Single y);

}  // namespace vorn
