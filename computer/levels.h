// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer's levels. "Standard" is the computer as it has always played, and the level
// at every start; the stronger levels choose RED's reply with the engine (engine/). A
// change of level applies from the computer's next move.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game/runtime.h"

namespace vorn {

enum class Level : Integer { Standard = 0, Strong = 1 };
inline constexpr std::array<Level, 2> kLevels{Level::Standard, Level::Strong};

// The level's name as the menu, the settings and the replay scripts write it.
const char* LevelName(Level level);
// The menu item's caption, with "&" before the letter that chooses it.
const char* LevelCaption(Level level);
// The level of that exact name, or none.
std::optional<Level> FindLevel(std::string_view name);
// Every level's name, for a message that refuses an unknown one: "Standard, Strong", or
// "Standard and Strong" with " and " before the last.
std::string LevelNameList(std::string_view beforeLast = ", ");

// The engine's playouts for a search at `level` on a board of `cellsPerRow`; 0 at the
// Standard level, which does not search.
int LevelPlayouts(Level level, Integer cellsPerRow);

// Sets the level the computer plays at from its next move on.
void SetComputerLevel(Level level);
Level ComputerLevel();

}  // namespace vorn
