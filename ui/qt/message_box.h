// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box: the title "VORN", one OK button, a modal child of the main window
// (see ShowModal). It appears beside the main window so that it never hides the board it
// speaks of, it ignores
// the mouse for a moment after it appears so that the second click of a double click on the
// board cannot dismiss it unseen, and a click on its text closes it as OK does.
#pragma once

#include <QElapsedTimer>
#include <QMessageBox>
#include <chrono>
#include <optional>

#include "ui/shared/front_end_rules.h"

class QLabel;

namespace vorn {

// How long after it appears a box ignores the mouse: the platform's double-click interval,
// unless SetPressGuardInterval has set another. Tests set a length that no slow machine can
// miss; std::nullopt gives the platform's back.
std::chrono::milliseconds PressGuardInterval();
void SetPressGuardInterval(std::optional<std::chrono::milliseconds> interval);

class GameMessageBox : public QMessageBox {
  Q_OBJECT

 public:
  // A box showing `text`, a child of `window` (which may be null) kept clear of it while that
  // is shown.
  GameMessageBox(const QString& text, QWidget* window);

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void placeBesideWindow();
  bool onText(QObject* watched, QEvent* event) const;

  QLabel* text_ = nullptr;
  QElapsedTimer clock_;  // from the box's construction, for its mouse rule
  MessageBoxMouse mouse_;
};

}  // namespace vorn
