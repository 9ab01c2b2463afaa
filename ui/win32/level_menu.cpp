// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The level and hint menus.
#include "ui/win32/level_menu.h"

#include "ui/win32/text.h"

namespace vorn::win32 {

std::optional<Level> LevelOfCommand(UINT id) {
  for (const Level level : kLevels) {
    if (id == LevelCommandId(level)) return level;
  }
  return std::nullopt;
}

void AppendHintCommand(HMENU vornMenu) {
  // The tab puts the key at the menu's right edge, as Windows shows accelerators.
  AppendMenuW(vornMenu, MF_STRING, kHintCommand, L"&Hint\tH");
}

void AppendLevelMenu(HMENU bar) {
  HMENU levelMenu = CreatePopupMenu();
  for (const Level level : kLevels) {
    AppendMenuW(levelMenu, MF_STRING, LevelCommandId(level), Widen(LevelCaption(level)).c_str());
  }
  AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(levelMenu), L"&Level");
}

void ShowLevelAndHint(HMENU bar, Level level, bool hintAvailable) {
  const Level first = kLevels.front();
  const Level last = kLevels.back();
  CheckMenuRadioItem(GetSubMenu(bar, kLevelMenuPosition), LevelCommandId(first), LevelCommandId(last), LevelCommandId(level),
                     MF_BYCOMMAND);
  EnableMenuItem(bar, kHintCommand, MF_BYCOMMAND | (hintAvailable ? MF_ENABLED : MF_GRAYED));
}

HACCEL CreateHintAccelerator() {
  ACCEL hint{FVIRTKEY, 'H', static_cast<WORD>(kHintCommand)};
  return CreateAcceleratorTableW(&hint, 1);
}

}  // namespace vorn::win32
