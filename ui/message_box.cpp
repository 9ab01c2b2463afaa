// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message box.
#include "ui/message_box.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>
#include <algorithm>
#include <climits>

namespace vorn {

namespace {

constexpr int kGapToTheWindow = 8;

std::optional<std::chrono::milliseconds> chosenPressGuard;

QPoint OnScreen(const QPoint& wanted, const QSize& box, const QRect& screen) {
  return QPoint(std::max(screen.left(), std::min(wanted.x(), screen.right() + 1 - box.width())),
                std::max(screen.top(), std::min(wanted.y(), screen.bottom() + 1 - box.height())));
}

int CoveredArea(const QRect& box, const QRect& window) {
  const QRect covered = box.intersected(window);
  return covered.isEmpty() ? 0 : covered.width() * covered.height();
}

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

QPoint PlaceBeside(const QRect& window, const QSize& box, const QRect& screen, int gap) {
  const int besideY = window.center().y() - box.height() / 2;
  const int underX = window.center().x() - box.width() / 2;
  const QPoint wanted[] = {{window.right() + 1 + gap, besideY},
                           {window.left() - gap - box.width(), besideY},
                           {underX, window.bottom() + 1 + gap},
                           {underX, window.top() - gap - box.height()}};
  QPoint best;
  int leastCovered = INT_MAX;
  for (const QPoint& place : wanted) {
    const QPoint at = OnScreen(place, box, screen);
    const int covered = CoveredArea(QRect(at, box), window);
    if (covered < leastCovered) {
      best = at;
      leastCovered = covered;
    }
    if (covered == 0) break;
  }
  return best;
}

// No parent: the main window may be disabled while the box is up, and a disabled parent
// would disable the box with it. Application-modal keeps every other window still.
GameMessageBox::GameMessageBox(const QString& text, const QWidget* window)
    : QMessageBox(QMessageBox::NoIcon, "VORN", text, QMessageBox::Ok), window_(window) {
  setObjectName("VornMessage");
  setWindowModality(Qt::ApplicationModal);
  // A plain dialog: a title and a close box, nothing to minimise or maximise.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  if (window != nullptr) setWindowIcon(window->windowIcon());
  for (QLabel* label : findChildren<QLabel*>()) {
    if (label->text() == text) text_ = label;
  }
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
}

void GameMessageBox::showEvent(QShowEvent* event) {
  QMessageBox::showEvent(event);  // gives the box its final size
  placeBesideWindow();
  shown_.start();
}

// Before the box is on the screen its frame is unknown; the main window's is the best guess.
void GameMessageBox::placeBesideWindow() {
  if (window_ == nullptr || !window_->isVisible()) return;
  const QSize frame = window_->frameGeometry().size() - window_->size();
  const QRect screen = window_->screen()->availableGeometry();
  move(PlaceBeside(window_->frameGeometry(), size() + frame, screen, kGapToTheWindow));
}

bool GameMessageBox::ignoringPresses() const {
  return shown_.isValid() && shown_.elapsed() < PressGuardInterval().count();
}

bool GameMessageBox::eventFilter(QObject* watched, QEvent* event) {
  if (IsPress(event) && ignoringPresses()) return true;
  if (watched == text_ && textClicked(event)) return true;
  return QMessageBox::eventFilter(watched, event);
}

bool GameMessageBox::textClicked(QEvent* event) {
  if (IsPress(event)) {
    textPressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    return textPressed_;
  }
  if (event->type() != QEvent::MouseButtonRelease || !textPressed_) return false;
  textPressed_ = false;
  if (text_->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
    button(QMessageBox::Ok)->click();
  }
  return true;
}

}  // namespace vorn
