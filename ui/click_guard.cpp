// The moment after a window appears.
#include "ui/click_guard.h"

#include <QGuiApplication>
#include <QStyleHints>

namespace vorn {

namespace {

std::optional<std::chrono::milliseconds> chosenInterval;

}  // namespace

std::chrono::milliseconds ClickGuardInterval() {
  if (chosenInterval) return *chosenInterval;
  return std::chrono::milliseconds(QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void SetClickGuardInterval(std::optional<std::chrono::milliseconds> interval) {
  chosenInterval = interval;
}

}  // namespace vorn
