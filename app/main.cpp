// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The vorn program: one main window with the board.
#include <QApplication>

#include "app/command_line.h"
#include "app/version.h"
#include "ui/qt/form1.h"
#include "ui/qt/program_icon.h"

int main(int argc, char* argv[]) {
  // Answered before the application exists, so --help and --version need no display and
  // nothing the program refuses ever opens a window.
  const vorn::CommandLineAnswer command = vorn::ReadCommandLine(vorn::ArgumentsOf(argc, argv));
  if (!command.startsGame) return vorn::Deliver(command);

  QApplication app(argc, argv);
  QApplication::setApplicationName("Vorn");
  QApplication::setApplicationVersion(vorn::kVersion);
  // Lets the desktop match the windows to the installed entry and its icon.
  QGuiApplication::setDesktopFileName(vorn::kApplicationId);
  QApplication::setWindowIcon(vorn::ProgramIcon());
  Form1 window;
  window.show();
  return QApplication::exec();
}
