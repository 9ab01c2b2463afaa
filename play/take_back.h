// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking back: each click that placed stones (GREEN's stone and the computer's reply, the
// computer's opening, a preset stone) can be taken back, one at a time, to the start of the
// game on the board that stands. The play is put back whole, so the same click then gets
// the same reply. A new board, a won game's included, and "Start Preset Game" start afresh:
// a layout is where its game begins. And the dot over the last stone the computer placed.
#pragma once

#include <vector>

#include "game/runtime.h"
#include "game/state.h"
#include "play/mouse_input.h"

namespace vorn {

// Remembers the play as a click finds it, and keeps it for taking back when the click
// placed stones on a board that still stands when it ends. Form_MouseUp holds one for each
// click.
class TakeBackPoint {
 public:
  TakeBackPoint();
  ~TakeBackPoint();
  TakeBackPoint(const TakeBackPoint&) = delete;
  TakeBackPoint& operator=(const TakeBackPoint&) = delete;
};

// Whether there is a click to take back, and no reply of the engine is being searched for.
// A front end enables "Take Back" while this holds and no message box is waiting.
bool CanTakeBack();

// Takes back the last click that placed stones: the play, the move lists, the drawing, the
// menus and the turn indicator are as they were before it. Returns the cells emptied,
// GREEN's first; none when there was nothing to take back.
std::vector<Integer> TakeBack();

// The play that stands, kept as a take-back keeps it; and kept play put back, the move
// lists apart. The saved game keeps its points to take back to so too.
PlayBefore KeepPlay();
void PutBackPlay(const PlayBefore& kept);

// Draws the board that stands again from the play, as the new board and each stone were
// drawn, with GREEN to move as between any two clicks; for a play put back or restored.
void RedrawPlay();

// The cell of the last stone the computer placed in this game, or in preset mode of the
// last stone laid; 0 for none. A front end that marks the last move draws the dot of
// MarkDotOf over it, above the game's drawing and never into it.
Integer LastMarkedCell();

// The mark: a dot in the middle of the cell's click box.
inline constexpr Single kMarkDotRadiusPixels = 4;
inline constexpr Color kMarkDotColor = 0xFFFFFF;  // white shows on both sides' stones
TwipCircle MarkDotOf(Integer cell);

}  // namespace vorn
