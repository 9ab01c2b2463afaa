// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Win detection and announcement.
#pragma once

#include <string>

#include "game/runtime.h"

namespace vorn {

// The result of CheckWin for a win.
inline constexpr Integer kWon = 3;

// `result` becomes kWon when a group of `side` touches both of the side's edges (GREEN left and
// right, RED bottom and top), and `group` that group's slot; any other result is no win.
void CheckWin(Integer& result, Integer side, Integer& group);

// The message that announces a win of `side`.
std::string WinMessageOf(Integer side);

// Hatches the winning chain, announces the winner, and hands GREEN a fresh board of the same
// size and shape.
void AnnounceWin(Integer side, Integer group);

}  // namespace vorn
