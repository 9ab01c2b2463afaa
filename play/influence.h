// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The influence map: every stone spreads a decaying value over the whole board, ring by ring
// from its cell, and the computer reads the sums when it chooses a reply.
#pragma once

#include "game/runtime.h"

namespace vorn {

// What a stone spreads: +kSpreadStart for GREEN's stones of play, -kSpreadStart for RED's
// and for every preset stone, and -kSpreadStart again from GREEN's stone once RED has
// answered it.
inline constexpr Single kSpreadStart = 100;

// Spreads `start` (+kSpreadStart or -kSpreadStart) from the stone on `cell`, whose owner is
// already set, to every cell of the board: the cell's neighbours get the first decayed
// value, and each group of cells queued by one cell's expansion one step less. The stone's
// own cell is reached through its first neighbour and gets the second value.
void SpreadInfluence(Integer cell, Single start);

// One decay step: floor(0.8 x value), with 0.8 held in single precision and the product
// formed exactly, so +100 gives 80, 64, 51, ... and -100 gives -81, -65, -53, ...
Single Decay(Single value);

// Adds to a cell's influence; the sum is pinned at the 16-bit bounds, so a long run of games
// never overflows it.
void AddInfluence(Integer cell, double amount);

}  // namespace vorn
