// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of the program, once its event loop is over: every window goes while the
// application and its connection to the window system still stand, and on Wayland the process
// ends there and then.
#pragma once

namespace vorn {

// Destroys every window of the program that is left, hidden ones included, and lets the window
// system learn of it.
void DestroyWindows();

// Destroys the windows and returns `status` for main to return, so the application is then
// destroyed; on Wayland it ends the process with `status` instead. There Qt's connection to
// the compositor, torn down with the application, waits for its event thread, which now and
// then never comes: the process stayed after "Exit" with no window left.
int EndProgram(int status);

}  // namespace vorn
