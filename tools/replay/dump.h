// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The `dump` of a replay: the whole game state as lines of space-separated tokens, one line
// per kind of state, so that other programs can read it and traces can be compared.
#pragma once

#include <string>

#include "game/headless_window.h"

namespace vorn::replay {

// The dump of the current game, each line ending in a newline:
//   state B Q C T G P       BoardSize, SquareBoard, CellCount, SideToMove, GameStarted, PresetMode
//   owner ...               CellOwner of cells 1..CellCount
//   influence ...           Influence of cells 1..CellCount
//   groups 0 ... / groups 1 ...   each side's chain slots 1..GroupCount, "-" for an empty slot
//   moves 0 ... / moves 1 ...     each side's move list, oldest first
//   bridges ...             the bridge records 1..BridgeCount
//   menus ...               enabled: Restartx Presetx StartPreset Sizex Squarex Increasex
//                           Decreasex, then the check mark of Squarex (1 or 0 each)
//   indicator RRGGBB RRGGBB the turn indicator's fill, GREEN's shape then RED's
std::string FormatDump(const HeadlessWindow& window);

}  // namespace vorn::replay
