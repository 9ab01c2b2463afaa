// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Minimising and restoring the main window while a message box or the About window is up,
// offscreen. A window manager minimises a window's transient dialogs with it, so both are
// minimised and restored here, as it does.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>

#include "game/state.h"
#include "ui/qt/about_form.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

void SetMinimised(QWidget& window, bool minimised) {
  window.setWindowState(minimised ? (window.windowState() | Qt::WindowMinimized)
                                  : (window.windowState() & ~Qt::WindowMinimized));
  QCoreApplication::processEvents();
}

// Minimises the main window and `dialog`, then restores them, and the window manager gives the
// focus back to the main window. Each step runs from the event loop of the dialog's showing,
// and none once the dialog is gone; `then` runs last, while the dialog is still up.
void MinimiseAndRestore(Form1& form, QWidget* dialog, std::function<void()> then) {
  SetMinimised(form, true);
  SetMinimised(*dialog, true);
  QTimer::singleShot(0, dialog, [&form, dialog, then = std::move(then)] {
    SetMinimised(form, false);
    SetMinimised(*dialog, false);
    form.activateWindow();
    QTimer::singleShot(0, dialog, then);
  });
}

class MinimiseTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }
};

// Under openbox the box went away as if answered when the main window was minimised, and the
// game went on with the next step behind it: a win's final position was lost.
TEST_F(MinimiseTest, AMessageBoxOutlivesAMinimiseAndIsAnsweredOnlyByThePlayer) {
  Form1 form;
  form.show();
  bool upAfterRestore = false;
  bool boardStillBlocked = false;
  QTimer::singleShot(0, &form, [&] {
    QMessageBox* box = form.findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    MinimiseAndRestore(form, box, [&, box] {
      upAfterRestore = box->isVisible() && !box->isMinimized();
      QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, MiddleOfCell(61));
      boardStillBlocked = CellOwner[61] == -1;
      box->button(QMessageBox::Ok)->click();
    });
  });
  form.findChild<QAction*>("Presetx")->trigger();  // "Place..." in a box
  EXPECT_TRUE(upAfterRestore);
  EXPECT_TRUE(boardStillBlocked);
}

// After a minimise and restore About had lost its modal showing and the keyboard, and each
// cycle put it 20 pixels lower.
TEST_F(MinimiseTest, AboutStaysModalInPlaceAndTakesTheKeysAfterARestore) {
  Form1 form;
  form.show();
  bool returned = false;
  bool modalAfterRestore = false;
  bool active = false;
  QPoint placed;
  QPoint afterRestores;
  QTimer::singleShot(0, &form, [&] {
    AboutForm* about = form.aboutForm();
    placed = about->pos();
    MinimiseAndRestore(form, about, [&, about] {
      MinimiseAndRestore(form, about, [&, about] {
        modalAfterRestore = !returned;
        afterRestores = about->pos();
        active = QTest::qWaitFor([about] { return QApplication::activeWindow() == about; }, 5000);
        if (active) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      });
    });
  });
  form.Aboutx_Click();
  returned = true;
  QTest::qWait(50);  // the steps a premature return left pending
  EXPECT_TRUE(modalAfterRestore);
  EXPECT_TRUE(active);
  EXPECT_EQ(afterRestores, placed);
  EXPECT_FALSE(form.aboutForm()->isVisible());  // Enter closed it
}

}  // namespace
}  // namespace vorn::testing
