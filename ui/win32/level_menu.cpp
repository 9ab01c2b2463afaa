// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menus of the player's aids.
#include "ui/win32/level_menu.h"

#include <array>
#include <string>

#include "game/window_services.h"
#include "ui/win32/text.h"

namespace vorn::win32 {

namespace {

// A caption with its key at the menu's right edge, where Windows shows accelerators.
std::wstring WithKey(const char* caption, const wchar_t* key) {
  std::wstring text = Widen(caption);
  text += L'\t';
  text += key;
  return text;
}

void Enable(HMENU bar, UINT command, bool enabled) {
  EnableMenuItem(bar, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

std::optional<Level> LevelOfCommand(UINT id) {
  for (const Level level : kLevels) {
    if (id == LevelCommandId(level)) return level;
  }
  return std::nullopt;
}

void AppendAidCommands(HMENU vornMenu) {
  AppendMenuW(vornMenu, MF_STRING, kTakeBackCommand, WithKey(kTakeBackCaption, L"Ctrl+Z").c_str());
  AppendMenuW(vornMenu, MF_STRING, kHintCommand, WithKey(kHintCaption, L"H").c_str());
}

void AppendLevelMenu(HMENU bar) {
  HMENU levelMenu = CreatePopupMenu();
  for (const Level level : kLevels) {
    AppendMenuW(levelMenu, MF_STRING, LevelCommandId(level), Widen(LevelCaption(level)).c_str());
  }
  AppendMenuW(levelMenu, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(levelMenu, MF_STRING, kMarkLastMoveCommand, Widen(kMarkLastMoveCaption).c_str());
  AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(levelMenu),
              Widen(kLevelMenuCaption).c_str());
}

void ShowAidMenus(HMENU bar, const AidMenuState& state) {
  CheckMenuRadioItem(GetSubMenu(bar, kLevelMenuPosition), LevelCommandId(kLevels.front()),
                     LevelCommandId(kLevels.back()), LevelCommandId(state.level), MF_BYCOMMAND);
  CheckMenuItem(bar, kMarkLastMoveCommand,
                MF_BYCOMMAND | (state.markLastMove ? MF_CHECKED : MF_UNCHECKED));
  Enable(bar, kHintCommand, state.hintAvailable);
  Enable(bar, kTakeBackCommand, state.canTakeBack);
}

HACCEL CreateAidShortcuts() {
  std::array<ACCEL, 2> keys{{
      {FVIRTKEY, 'H', static_cast<WORD>(kHintCommand)},
      {FVIRTKEY | FCONTROL, 'Z', static_cast<WORD>(kTakeBackCommand)},
  }};
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

}  // namespace vorn::win32
