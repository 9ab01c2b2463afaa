// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The vorn program: one main window with the board.
#include <QApplication>
#include <optional>

#include "app/command_line.h"
#include "app/window_system_start.h"
#include "ui/qt/form1.h"
#include "ui/qt/program_end.h"
#include "ui/qt/program_identity.h"

int main(int argc, char* argv[]) {
  // Answered before the application exists, so --help and --version need no display and
  // nothing the program refuses ever opens a window.
  const vorn::CommandLineAnswer command = vorn::ReadCommandLine(vorn::ArgumentsOf(argc, argv));
  if (!command.startsGame) return vorn::Deliver(command);

  std::optional<QApplication> application;
  {
    const vorn::WindowSystemStart start;  // one line and status 1 when no window can open
    application.emplace(argc, argv);
  }
  vorn::SetUpProgramIdentity();
  int status = 0;
  {
    Form1 window;
    window.resumeSession();  // the player's settings and the game left at the last run
    window.show();
    status = QApplication::exec();
  }
  return vorn::EndProgram(status);  // the windows go before the application
}
