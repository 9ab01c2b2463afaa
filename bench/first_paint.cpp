// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// vorn_first_paint: how long the program takes from its start to the first painted board.
// It starts like the vorn program, watches the board surface for its first paint event,
// prints the times since main() began (when the paint event arrived, and when the event
// loop got control back with the board painted) and quits. Run the whole process under a
// timer (hyperfine) to add loading and start-up of the process itself; see README.md.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <cstdio>

#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "ui/qt/program_icon.h"

namespace {

class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(const QElapsedTimer& clock) : clock_(clock) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      const double arrived = clock_.nsecsElapsed() / 1e6;
      QTimer::singleShot(0, [this, arrived] {
        std::printf("first paint of the board: event after %.2f ms, painted by %.2f ms\n", arrived,
                    clock_.nsecsElapsed() / 1e6);
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const QElapsedTimer& clock_;
  bool seen_ = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setWindowIcon(vorn::ProgramIcon());
  Form1 window;
  FirstPaintWatch watch(clock);
  window.surface()->installEventFilter(&watch);
  window.show();
  return QApplication::exec();
}
