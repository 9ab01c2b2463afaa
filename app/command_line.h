// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line of the vorn program: --help, --version, or nothing at all. It is read
// before the window system is touched, so that answering it never needs a display.
#pragma once

#include <QString>
#include <QStringList>

namespace vorn {

// Exit status for a command line the program does not take, or output it cannot write.
inline constexpr int kExitUsage = 2;

// What the program does with its command line: start the game, or print `output` (to
// standard output) or `error` (to standard error) and end with `status`.
struct CommandLineAnswer {
  bool startsGame = false;
  int status = 0;
  QString output;
  QString error;
};

// Reads `arguments`, the program's name first. No further argument starts the game;
// "--help" (-h) and "--version" (-v) answer without starting it (help first when both are
// given); anything else is refused with one line naming it as typed, the usage, a hint at
// --help and kExitUsage.
CommandLineAnswer ReadCommandLine(const QStringList& arguments);

// The arguments as the program was given them.
QStringList ArgumentsOf(int argc, char* argv[]);

// Prints the answer's texts; returns its status, or kExitUsage when a text cannot be written.
int Deliver(const CommandLineAnswer& answer);

}  // namespace vorn
