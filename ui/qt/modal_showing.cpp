// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Modal showing.
#include "ui/qt/modal_showing.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>

#include "ui/qt/window_system.h"

namespace vorn {

namespace {

// Whatever a user does with the mouse, the keyboard, a pen or a finger.
bool IsUserInput(const QEvent* event) {
  return event->isInputEvent() || event->type() == QEvent::Shortcut;
}

bool IsPress(const QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
      return true;
    default:
      return false;
  }
}

// Whether `widget` lies in `dialog`, its own popup windows included.
bool InDialog(const QWidget* widget, const QDialog& dialog) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (widget == &dialog) return true;
  }
  return false;
}

// One modal showing. A dialog shown from within another one's showing takes over until it is
// hidden.
class ModalShowing : public QObject {
 public:
  explicit ModalShowing(QDialog& dialog) : dialog_(dialog), outer_(innermost_) {
    innermost_ = this;
    qApp->installEventFilter(this);
  }
  ~ModalShowing() override {
    qApp->removeEventFilter(this);
    innermost_ = outer_;
  }
  ModalShowing(const ModalShowing&) = delete;
  ModalShowing& operator=(const ModalShowing&) = delete;

  void Run() {
    QEventLoop loop;
    loop_ = &loop;
    dialog_.setWindowModality(Qt::NonModal);  // a message box asks for Qt's modality itself
    dialog_.show();
    dialog_.raise();
    dialog_.activateWindow();
    if (!dialog_.isWindow()) dialog_.setFocus();
    if (dialog_.isVisible()) loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // Only a hide by the program ends the showing. When the window manager minimises the
    // dialog with its main window, the hide is spontaneous and the dialog is still shown for
    // Qt: a minimise is no answer.
    if (watched == &dialog_ && event->type() == QEvent::Hide && !event->spontaneous() &&
        !remapping_ && loop_ != nullptr) {
      loop_->quit();
    }
    if (innermost_ != this || !dialog_.isVisible()) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || InDialog(widget, dialog_)) return false;
    if (event->type() == QEvent::WindowActivate) {
      BringDialogForward();
      return false;
    }
    if (!IsUserInput(event)) return false;
    if (IsPress(event)) BringDialogForward();
    return true;
  }

 private:
  // A dialog of its own is raised and activated or, where the program cannot do that, mapped
  // anew, which brings it up in front with the focus. A dialog shown inside its window only
  // takes the focus back.
  void BringDialogForward() {
    if (!dialog_.isWindow()) {
      dialog_.setFocus();
      return;
    }
    if (QApplication::activeWindow() == &dialog_ || remapping_) return;
    if (CanActivateWindows()) {
      dialog_.raise();
      dialog_.activateWindow();
      return;
    }
    remapping_ = true;
    dialog_.hide();
    dialog_.show();
    remapping_ = false;
  }

  QDialog& dialog_;
  ModalShowing* outer_;
  QEventLoop* loop_ = nullptr;
  bool remapping_ = false;  // hidden only to be shown again in front
  static inline ModalShowing* innermost_ = nullptr;
};

}  // namespace

void ShowModal(QDialog& dialog) { ModalShowing(dialog).Run(); }

}  // namespace vorn
