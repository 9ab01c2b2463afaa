// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's icon.
#include "ui/qt/program_icon.h"

#include <QDirIterator>

namespace vorn {

// Every size that the build put among the resources (VORN_ICON_SIZES in CMake); each file
// tells its own size.
QIcon ProgramIcon() {
  QIcon icon;
  QDirIterator files(":/icons", {"vorn-*.png"}, QDir::Files);
  while (files.hasNext()) icon.addFile(files.next());
  return icon;
}

}  // namespace vorn
