// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The menu bar.
#include "ui/win32/menu_bar.h"

#include "ui/win32/level_menu.h"
#include "ui/win32/text.h"

namespace vorn::win32 {

std::optional<MenuItem> MenuItemOfCommand(UINT id) {
  if (id < kFirstMenuCommand || id >= kFirstMenuCommand + kMenuItemCount) return std::nullopt;
  return static_cast<MenuItem>(id - kFirstMenuCommand);
}

MenuBar::MenuBar() : bar_(CreateMenu()) {
  HMENU vornMenu = CreatePopupMenu();
  AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(vornMenu),
              Widen(kVornMenuCaption).c_str());
  AddCommand(vornMenu, MenuItem::Restartx);
  AddCommand(vornMenu, MenuItem::Presetx);
  AddCommand(vornMenu, MenuItem::StartPreset);
  AppendAidCommands(vornMenu);

  sizeMenu_ = CreatePopupMenu();
  AppendMenuW(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sizeMenu_),
              Widen(MenuItemCaption(MenuItem::Sizex)).c_str());
  AddCommand(sizeMenu_, MenuItem::Squarex);
  AddCommand(sizeMenu_, MenuItem::Increasex);
  AddCommand(sizeMenu_, MenuItem::Decreasex);
  SetChecked(MenuItem::Squarex, true);
  AppendLevelMenu(bar_);

  AddCommand(bar_, MenuItem::Helpx);
  AddCommand(bar_, MenuItem::Aboutx);
  AddCommand(bar_, MenuItem::Exitx);
}

void MenuBar::AddCommand(HMENU menu, MenuItem item) {
  AppendMenuW(menu, MF_STRING, MenuCommandId(item), Widen(MenuItemCaption(item)).c_str());
}

void MenuBar::SetEnabled(HWND window, MenuItem item, bool enabled) {
  const UINT state = enabled ? MF_ENABLED : MF_GRAYED;
  // The submenu has no command of its own: it is found by its place on the bar.
  if (item == MenuItem::Sizex) {
    EnableMenuItem(bar_, kSizeMenuPosition, MF_BYPOSITION | state);
  } else {
    EnableMenuItem(bar_, MenuCommandId(item), MF_BYCOMMAND | state);
  }
  if (window != nullptr) DrawMenuBar(window);
}

bool MenuBar::Choosable(MenuItem item) const {
  const bool greyed = (GetMenuState(bar_, MenuCommandId(item), MF_BYCOMMAND) & MF_GRAYED) != 0;
  const bool sizeGreyed =
      (GetMenuState(bar_, kSizeMenuPosition, MF_BYPOSITION) & MF_GRAYED) != 0;
  return !greyed && !(InSizeMenu(item) && sizeGreyed);
}

void MenuBar::SetChecked(MenuItem item, bool checked) {
  CheckMenuItem(bar_, MenuCommandId(item), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace vorn::win32
