// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers for widget tests: answering message boxes as a user would, fixing the length of the
// moment in which a new box ignores the mouse, and finding a cell on the board's surface.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>

#include "game/state.h"
#include "play/mouse_input.h"
#include "ui/qt/message_box.h"

namespace vorn::testing {

// While alive, presses OK on every message box once it is up, and keeps its text.
class MessageBoxAnswerer : public QObject {
 public:
  MessageBoxAnswerer() { qApp->installEventFilter(this); }
  ~MessageBoxAnswerer() override { qApp->removeEventFilter(this); }

  QStringList texts;
  // Called while each box is up and placed, before it is answered; a box it closes is not
  // answered again.
  std::function<void(QMessageBox*)> onShown;
  int pressedOk = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        texts << box->text();
        QTimer::singleShot(0, box, [this, box] {
          if (onShown) onShown(box);
          if (!box->isVisible()) return;
          ++pressedOk;
          box->button(QMessageBox::Ok)->click();
        });
      }
    }
    return false;
  }
};

// While alive, a message box ignores the mouse for `interval` after it appears: a test that
// acts within that moment or after it does so on any machine, however slow.
class PressGuardLength {
 public:
  explicit PressGuardLength(std::chrono::milliseconds interval) { SetPressGuardInterval(interval); }
  ~PressGuardLength() { SetPressGuardInterval(std::nullopt); }
};

// The middle of a cell's click box in the surface's pixels, or in an image's device pixels at
// `ratio`.
inline QPoint MiddleOfCell(Integer cell, qreal ratio = 1) {
  const TwipPoint middle = ClickBoxMiddle(cell);
  return QPoint(qRound(middle.x / TwipsX * ratio), qRound(middle.y / TwipsY * ratio));
}

// Notes each activation of a window.
class ActivationCounter : public QObject {
 public:
  explicit ActivationCounter(QWidget* window) { window->installEventFilter(this); }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) ++count;
    return false;
  }
};

// Does what a compositor that raises the window clicked (sway) does while `dialog` is up: the
// window of `target` becomes the active one, then gets a click at `at` in `target`. Returns
// whether the dialog is the active window again afterwards.
inline bool ComesBackAfterAClickOn(const QWidget* dialog, QWidget* target, QPoint at) {
  QWidget* window = target->window();
  ActivationCounter activations(window);
  window->activateWindow();
  if (!QTest::qWaitFor([&activations] { return activations.count > 0; }, 10000)) return false;
  QTest::mouseClick(target, Qt::LeftButton, {}, at);
  return QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }, 10000);
}

inline constexpr std::chrono::hours kForever{1};
inline constexpr std::chrono::milliseconds kOver{0};

}  // namespace vorn::testing
