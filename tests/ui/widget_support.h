// Helpers for widget tests: answering message boxes as a user would, and reading pixels.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace vorn::testing {

// While alive, presses OK on every message box as soon as it is shown, and keeps its text.
class MessageBoxAnswerer : public QObject {
 public:
  MessageBoxAnswerer() { qApp->installEventFilter(this); }
  ~MessageBoxAnswerer() override { qApp->removeEventFilter(this); }

  QStringList texts;
  // Called while each box is up, before it is answered.
  std::function<void(QMessageBox*)> onShown;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        texts << box->text();
        if (onShown) onShown(box);
        QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
      }
    }
    return false;
  }
};

}  // namespace vorn::testing
