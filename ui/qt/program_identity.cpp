// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How the desktop knows the program.
#include "ui/qt/program_identity.h"

#include <QApplication>

#include "app/version.h"
#include "ui/qt/program_icon.h"

namespace vorn {

void SetUpProgramIdentity() {
  QApplication::setApplicationName("Vorn");
  QApplication::setApplicationVersion(kVersion);
  QGuiApplication::setDesktopFileName(kApplicationId);
  QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace vorn
