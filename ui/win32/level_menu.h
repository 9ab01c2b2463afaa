// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus of the computer's level and of the hint: the "Level" menu after "Size", one
// radio item a level, and "Hint" at the end of the "Vorn" menu, chosen by the key H too.
#pragma once

#include <windows.h>

#include <optional>

#include "computer/levels.h"

namespace vorn::win32 {

// Command identifiers, after those of the game's menu items.
inline constexpr UINT kHintCommand = 150;
inline constexpr UINT kFirstLevelCommand = 160;
inline constexpr UINT LevelCommandId(Level level) {
  return kFirstLevelCommand + static_cast<UINT>(level);
}
std::optional<Level> LevelOfCommand(UINT id);

// Where the "Level" menu sits on the bar: right after "Size".
inline constexpr int kLevelMenuPosition = 2;

void AppendHintCommand(HMENU vornMenu);
// Appended to the bar right after "Size".
void AppendLevelMenu(HMENU bar);

// Puts the radio mark on the level in force, and greys "Hint" unless a hint can be asked for.
void ShowLevelAndHint(HMENU bar, Level level, bool hintAvailable);

// The key H for "Hint", as the window's accelerator table.
HACCEL CreateHintAccelerator();

}  // namespace vorn::win32
