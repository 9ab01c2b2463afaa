// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of the program.
#include "ui/qt/program_end.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/window_system.h"

namespace vorn {

void DestroyWindows() {
  // A window owned by another goes with its owner.
  QList<QPointer<QWidget>> unowned;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->parentWidget() == nullptr) unowned << window;
  }
  for (const QPointer<QWidget>& window : unowned) delete window.data();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int EndProgram(int status) {
  DestroyWindows();
  if (!OnWayland()) return status;
  std::fflush(nullptr);
  std::_Exit(status);
}

}  // namespace vorn
