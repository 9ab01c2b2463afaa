// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Widget tests need one QApplication for the whole run; they run offscreen. The player's
// folders are a temporary one of the run's own, so that no window under test can ever reach
// the player's real settings or saved game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                 : qgetenv("QT_QPA_PLATFORM"));
  const QTemporaryDir playerFolders;
  if (!playerFolders.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", playerFolders.filePath("config").toUtf8());
  qputenv("XDG_STATE_HOME", playerFolders.filePath("state").toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
