// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Random mouse releases and menu choices (take-backs among them) on the real main window,
// message boxes answered as a user would. Nothing may crash, the position must stay sound,
// and in the end the picture must agree with the position. The seed is 1 unless
// VORN_FUZZ_SEED sets another, and is printed, so a run can be repeated.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <iostream>
#include <random>

#include "game/state.h"
#include "support/environment.h"
#include "support/invariants.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

class GuiFuzz {
 public:
  GuiFuzz(Form1& form, unsigned long seed) : form_(form), random_(seed) {}

  std::string Step() {
    if (Pick(0, 99) < 6) return ChooseMenu();
    return Release();
  }

 private:
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  // Only what a user can reach: an enabled item, in an enabled submenu.
  std::string ChooseMenu() {
    struct Item {
      const char* name;
      bool inSizeMenu;
    };
    // "Decrease" twice: more of the games are played on small boards, where they end sooner.
    static const Item items[] = {{"Restartx", false},  {"Presetx", false},  {"StartPreset", false},
                                 {"Squarex", true},    {"Increasex", true}, {"Decreasex", true},
                                 {"Decreasex", true},  {"TakeBackx", false}};
    const auto [name, inSizeMenu] = items[Pick(0, 7)];
    QAction* action = form_.findChild<QAction*>(name);
    const bool reachable = action->isEnabled() && form_.isEnabled() &&
                           (!inSizeMenu || form_.findChild<QMenu*>("Sizex")->isEnabled());
    if (reachable) action->trigger();
    return std::string("menu ") + name + (reachable ? "" : " (disabled)");
  }

  std::string Release() {
    QWidget* surface = form_.surface();
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton,
                                              Qt::MiddleButton};
    const Qt::MouseButton button = buttons[Pick(0, 3)];
    Qt::KeyboardModifiers modifiers;
    if (Pick(0, 9) == 0) modifiers |= Qt::ShiftModifier;
    if (Pick(0, 19) == 0) modifiers |= Qt::ControlModifier;
    QPoint at(Pick(0, surface->width() - 1), Pick(0, surface->height() - 1));
    if (Pick(0, 1) == 0) {  // half of the releases aim at a cell
      const Integer cell = static_cast<Integer>(Pick(1, CellCount));
      at = MiddleOfCell(cell);
    }
    QTest::mouseRelease(surface, button, modifiers, at);
    return "release " + std::to_string(int(button)) + " at " + std::to_string(at.x()) + "," +
           std::to_string(at.y());
  }

  Form1& form_;
  std::mt19937 random_;
};

QColor ExpectedColour(Integer cell) {
  switch (CellOwner[cell]) {
    case 0: return QColor(0, 128, 0);
    case 1: return QColor(128, 0, 0);
    default: return QColor(192, 192, 192);
  }
}

TEST(GuiFuzzTest, RandomReleasesAndMenuChoicesLeaveAPictureThatAgreesWithThePosition) {
  const unsigned long seed = EnvNumber("VORN_FUZZ_SEED", 1);
  std::cout << "gui fuzz seed " << seed << " (repeat with VORN_FUZZ_SEED=" << seed << ")\n";
  ResetModuleState();
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  GuiFuzz fuzz(form, seed);
  for (int event = 0; event < 3000; ++event) {
    const std::string what = fuzz.Step();
    const auto faults = PositionFaults();
    ASSERT_TRUE(faults.empty()) << "seed " << seed << ", event " << event << " (" << what << "): " << faults.front();
    ASSERT_TRUE(form.isEnabled()) << "seed " << seed << ", event " << event << " (" << what << ")";
  }
  std::cout << "gui fuzz: 3000 events, " << answerer.texts.size() << " messages\n";
  const QImage& image = form.surface()->image();
  const qreal ratio = image.devicePixelRatio();
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    EXPECT_EQ(image.pixelColor(MiddleOfCell(cell, ratio)), ExpectedColour(cell))
        << "seed " << seed << ", cell " << cell;
  }
}

}  // namespace
}  // namespace vorn::testing
