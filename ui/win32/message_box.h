// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box: Windows' own, with the title "VORN" and one OK button, modal for
// the whole program. It stands beside the main window, wholly on the screen, so that it
// never hides the board it speaks of (the hatched chain of a win); it ignores the mouse for
// a double-click interval after it appears, so that the second press of a double click on
// the board cannot dismiss it unseen; and a click on its text closes it as OK, Enter, Space
// and Escape do.
#pragma once

#include <windows.h>

#include <string>

namespace vorn::win32 {

// The title of every message box of the program.
inline constexpr wchar_t kMessageTitle[] = L"VORN";

// Shows `text` and returns when the box is closed. `owner` (which may be null) is the main
// window the box stands beside.
void ShowGameMessage(HWND owner, const std::wstring& text);

}  // namespace vorn::win32
