// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of the Windows program: --help, --version, or nothing at all. A GUI
// program has no console to print to, so the answers are shown in message boxes.
#pragma once

#include <string>
#include <vector>

namespace vorn {

// What the program does with its command line: start the game, or show `text` and end with
// `status` (2 for a command line it does not take).
struct WindowsCommandLine {
  bool startsGame = false;
  int status = 0;
  std::wstring text;
};

// Reads the arguments after the program's name. None starts the game; "--help" (-h, /?) and
// "--version" (-v) answer without starting it (help first when both are given); anything
// else is refused with a line naming it, the usage and where to find help.
WindowsCommandLine ReadWindowsCommandLine(const std::vector<std::wstring>& arguments);

}  // namespace vorn
