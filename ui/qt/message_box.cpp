// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box.
#include "ui/qt/message_box.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>

#include "display/window_placement.h"

namespace vorn {

namespace {

std::optional<std::chrono::milliseconds> chosenPressGuard;

bool IsPress(const QEvent* event) {
  return event->type() == QEvent::MouseButtonPress ||
         event->type() == QEvent::MouseButtonDblClick;
}

}  // namespace

std::chrono::milliseconds PressGuardInterval() {
  if (chosenPressGuard) return *chosenPressGuard;
  return std::chrono::milliseconds(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void SetPressGuardInterval(std::optional<std::chrono::milliseconds> interval) {
  chosenPressGuard = interval;
}

// A plain dialog: a title and a close box, nothing to minimise or maximise. As a child of
// the main window it is transient for it, so the window system keeps it with the board.
GameMessageBox::GameMessageBox(const QString& text, QWidget* window)
    : QMessageBox(QMessageBox::NoIcon, "VORN", text, QMessageBox::Ok, window,
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                      Qt::MSWindowsFixedSizeDialogHint) {
  setObjectName("VornMessage");
  // The win message comes while the main window is disabled. A window of its own may be
  // enabled under a disabled parent, and must be, or OK could not be pressed.
  setEnabled(true);
  if (window != nullptr) setWindowIcon(window->windowIcon());
  for (QLabel* label : findChildren<QLabel*>()) {
    if (label->text() == text) text_ = label;
  }
  clock_.start();
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void GameMessageBox::showEvent(QShowEvent* event) {
  QMessageBox::showEvent(event);  // gives the box its final size
  placeBesideWindow();
  mouse_.Shown(clock_.elapsed(), PressGuardInterval().count());
}

// Before the box is on the screen its frame is unknown; the main window's is the best guess.
void GameMessageBox::placeBesideWindow() {
  const QWidget* owner = parentWidget();
  if (owner == nullptr || !owner->isVisible() || !isWindow()) return;  // or shown inside it
  const QSize frame = owner->frameGeometry().size() - owner->size();
  const QRect screen = owner->screen()->availableGeometry();
  const QRect window = owner->frameGeometry();
  const QSize box = size() + frame;
  const ScreenPoint at = PlaceBeside({window.x(), window.y(), window.width(), window.height()},
                                     box.width(), box.height(),
                                     {screen.x(), screen.y(), screen.width(), screen.height()},
                                     kGapToTheWindow);
  move(at.x, at.y);
}

bool GameMessageBox::onText(QObject* watched, QEvent* event) const {
  return watched == text_ &&
         text_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
}

// The box's mouse rule (MessageBoxMouse) sees every press and release in the box.
bool GameMessageBox::eventFilter(QObject* watched, QEvent* event) {
  using Verdict = MessageBoxMouse::Verdict;
  Verdict verdict = Verdict::kPassOn;
  if (IsPress(event)) {
    const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    verdict = mouse_.Press(clock_.elapsed(), left, onText(watched, event));
  } else if (event->type() == QEvent::MouseButtonRelease) {
    const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    verdict = mouse_.Release(left, onText(watched, event));
  }
  if (verdict == Verdict::kClose) button(QMessageBox::Ok)->click();
  if (verdict != Verdict::kPassOn) return true;
  return QMessageBox::eventFilter(watched, event);
}

}  // namespace vorn
