// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting the window system. Qt ends a program whose window system cannot start (no display,
// an X server or compositor that cannot be reached, a platform plugin that cannot load) with
// a page of advice, "Reinstalling the application may fix this problem", and an abort that
// leaves a core dump. The player gets one line naming the cause and status 1 instead.
#pragma once

#include <QString>

namespace vorn {

inline constexpr int kExitNoWindow = 1;

// What keeps a window from opening: the window system's own first word on it, unless no
// display is set at all for the X11 or Wayland platform Qt would try.
QString NoWindowCause(const QString& firstMessage, const QString& platform,
                      const QString& x11Display, const QString& waylandDisplay);

// Lives while the application object is made. Until then what the window system writes on
// standard error is held back: should it fail, the one line replaces it and the program
// ends with kExitNoWindow; otherwise it is let through when this ends.
class WindowSystemStart {
 public:
  WindowSystemStart();
  ~WindowSystemStart();
  WindowSystemStart(const WindowSystemStart&) = delete;
  WindowSystemStart& operator=(const WindowSystemStart&) = delete;
};

}  // namespace vorn
