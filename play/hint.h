// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The hint: the cell the strongest level would play for GREEN, found by the engine and
// marked by the window until the next move or board.
#pragma once

#include "game/runtime.h"
#include "play/mouse_input.h"

namespace vorn {

// Whether a hint can be asked for: GREEN to move in a game, not in preset mode, no reply
// being searched for, and an empty cell left.
bool HintAvailable();

// The "Hint" command: asks the engine for GREEN's cell; the window is told through
// `ShowHint` when it is found. Does nothing when no hint is available.
void Hintx_Click();

// The cell hinted for the position on the board, or 0 when none has been found for it.
Integer HintedCell();

// The ring that marks a hinted cell: around the middle of its click box, with a radius of
// 0.4 of the box's height.
TwipCircle HintRingOf(Integer cell);

}  // namespace vorn
