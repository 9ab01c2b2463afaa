// The moment after a window appears or is activated, in which a mouse press still belongs to
// the click that brought the window up: a double click on the board that ends the game, or the
// click that activates the help window. It lasts the platform's double-click interval.
#pragma once

#include <QElapsedTimer>
#include <chrono>
#include <optional>

namespace vorn {

// The platform's double-click interval, unless SetClickGuardInterval has set another.
std::chrono::milliseconds ClickGuardInterval();
// Tests set a length that no slow machine can miss; std::nullopt gives the platform's back.
void SetClickGuardInterval(std::optional<std::chrono::milliseconds> interval);

class ClickGuard {
 public:
  void start() { started_.start(); }
  void stop() { started_.invalidate(); }
  // True from start() until the interval has passed, or until stop().
  bool active() const {
    return started_.isValid() && started_.elapsed() < ClickGuardInterval().count();
  }

 private:
  QElapsedTimer started_;
};

}  // namespace vorn
