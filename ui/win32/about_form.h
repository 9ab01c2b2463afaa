// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The About window: the credit text, the program's icon, the version and OK, a dialog of
// the program's resources (vorn.rc.in). It is modal: the main window takes no input while
// it is up. OK, Enter, Escape and a press of any mouse button in the credit text close it.
#pragma once

#include <windows.h>

namespace vorn::win32 {

// Shows the About window over `owner` and returns when it is closed.
void ShowAboutForm(HINSTANCE instance, HWND owner);

}  // namespace vorn::win32
