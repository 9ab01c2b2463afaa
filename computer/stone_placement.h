// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Putting a stone on the board: the one path for the player's stones, preset stones and the
// computer's replies.
#pragma once

#include "game/runtime.h"

namespace vorn {

// Puts a stone of `side` on the empty `cell`: joins the side's groups, draws it in the side's
// colour, records the owner, shows it at once and appends the cell to the side's move list.
void PlaceStone(Integer cell, Integer side);

}  // namespace vorn
