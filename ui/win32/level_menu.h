// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus of the player's aids: the "Level" menu after "Size", one radio item a level and,
// after a separator, the check item "Mark Last Move"; and at the end of the "Vorn" menu
// "Take Back" (Ctrl+Z) and "Hint" (H), the last item.
#pragma once

#include <windows.h>

#include <optional>

#include "computer/levels.h"

namespace vorn::win32 {

// Command identifiers, after those of the game's menu items.
inline constexpr UINT kHintCommand = 150;
inline constexpr UINT kTakeBackCommand = 151;
inline constexpr UINT kMarkLastMoveCommand = 152;
inline constexpr UINT kFirstLevelCommand = 160;
inline constexpr UINT LevelCommandId(Level level) {
  return kFirstLevelCommand + static_cast<UINT>(level);
}
std::optional<Level> LevelOfCommand(UINT id);

// Where the "Level" menu sits on the bar: right after "Size".
inline constexpr int kLevelMenuPosition = 2;

// "Take Back" and then "Hint", appended to the "Vorn" menu after the game's own items.
void AppendAidCommands(HMENU vornMenu);
// Appended to the bar right after "Size".
void AppendLevelMenu(HMENU bar);

// What the aids' items show.
struct AidMenuState {
  Level level = Level::Standard;
  bool hintAvailable = false;
  bool canTakeBack = false;
  bool markLastMove = false;
};
// Puts the radio mark on the level in force and the check on "Mark Last Move", and greys
// "Hint" and "Take Back" when they cannot be chosen.
void ShowAidMenus(HMENU bar, const AidMenuState& state);

// The keys H for "Hint" and Ctrl+Z for "Take Back", as the window's accelerator table.
HACCEL CreateAidShortcuts();

}  // namespace vorn::win32
