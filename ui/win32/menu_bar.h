// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's menu bar, a native Windows menu with the captions and mnemonics every
// front end shows: "Vorn" (End Current Game, Preset Board, Start Preset Game, Take Back and
// Hint), "Size" (Square, Increase, Decrease), "Level" (level_menu.h), and the commands "Help",
// "About" and "Exit" on the bar itself.
#pragma once

#include <windows.h>

#include <optional>

#include "game/window_services.h"

namespace vorn::win32 {

// The command identifier of each item in WM_COMMAND, and the item of an identifier.
inline constexpr UINT kFirstMenuCommand = 100;
inline constexpr UINT MenuCommandId(MenuItem item) {
  return kFirstMenuCommand + static_cast<UINT>(item);
}
std::optional<MenuItem> MenuItemOfCommand(UINT id);

class MenuBar {
 public:
  // Builds the menus as the window's design has them: every item enabled, Square checked.
  MenuBar();
  HMENU Handle() const { return bar_; }

  // Changes are drawn once the window is given the bar (SetMenu) and on every later change.
  void SetEnabled(HWND window, MenuItem item, bool enabled);
  void SetChecked(MenuItem item, bool checked);
  // Whether the item can be chosen now: it, and for a size command the "Size" submenu, is
  // enabled. A command arriving otherwise (from another program, or queued before the item
  // was greyed) is refused, as the menu itself would refuse it.
  bool Choosable(MenuItem item) const;

 private:
  void AddCommand(HMENU menu, MenuItem item);

  HMENU bar_ = nullptr;
  HMENU sizeMenu_ = nullptr;
};

// Where the "Size" submenu sits on the bar.
inline constexpr int kSizeMenuPosition = 1;

}  // namespace vorn::win32
