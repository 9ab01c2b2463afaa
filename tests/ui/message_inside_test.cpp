// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program cannot place or raise its windows (Wayland), offscreen in the part of such
// a window system: the message stands inside the main window, below the board.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include "game/state.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "ui/qt/window_system.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

// While alive, the program can neither place nor raise its windows.
class WithoutWindowControl {
 public:
  WithoutWindowControl() { SetOwnWindowControl(false); }
  ~WithoutWindowControl() { SetOwnWindowControl(std::nullopt); }
};

// Counts the shows and hides of a widget.
class MappingCounter : public QObject {
 public:
  explicit MappingCounter(QWidget* widget) { widget->installEventFilter(this); }
  int changes = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) ++changes;
    return false;
  }
};

void Choose(Form1& form, const char* name) { form.findChild<QAction*>(name)->trigger(); }

void Release(Form1& form, Integer cell) {
  QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, MiddleOfCell(cell));
}

// On sway the win message stood centred over the board, on the winning chain, and each click
// that brought it back mapped it anew: it flickered, or was animated in again.
TEST(MessageInsideTest, TheWinMessageStandsBelowTheBoardAndAClickNeverMapsItAgain) {
  ResetModuleState();
  WithoutWindowControl wayland;
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  const QSize windowSize = form.size();
  const QRect board = form.surface()->geometry();
  bool inside = false;
  bool clear = false;
  int mappings = -1;
  bool focused = false;
  bool boardAndMenusOff = false;
  answerer.onShown = [&](QMessageBox* box) {
    if (!box->text().contains("WON")) return;
    boardAndMenusOff = !form.surface()->isEnabled() && !form.menuBar()->isEnabled() &&
                       box->button(QMessageBox::Ok)->isEnabled();
    inside = !box->isWindow() && box->window() == &form && form.rect().contains(box->geometry());
    clear = !box->geometry().intersects(board);
    MappingCounter counter(box);
    form.activateWindow();
    for (int click = 0; click < 3; ++click) {
      QTest::mouseClick(form.surface(), Qt::LeftButton, {}, MiddleOfCell(1));
    }
    mappings = counter.changes;
    focused = box->button(QMessageBox::Ok)->hasFocus() || !form.isActiveWindow();
  };
  Choose(form, "Presetx");
  for (Integer cell = 56; cell < 66; ++cell) Release(form, cell);  // the middle row but one
  Choose(form, "StartPreset");
  Release(form, 66);
  ASSERT_EQ(answerer.texts.back(), "GREEN WON - click here to continue");
  EXPECT_TRUE(inside);
  EXPECT_TRUE(clear);
  EXPECT_EQ(mappings, 0);
  EXPECT_TRUE(focused);
  EXPECT_TRUE(boardAndMenusOff);  // as the window is while the message stands
  EXPECT_EQ(CellOwner[1], -1);  // the clicks played nothing
  EXPECT_EQ(form.size(), windowSize);  // the strip goes with the message
}

}  // namespace
}  // namespace vorn::testing
