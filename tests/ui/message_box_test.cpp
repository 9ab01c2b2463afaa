// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's message boxes in the real window, offscreen: where they stand, the moment in which
// they ignore the mouse, and the click on their text.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>

#include "game/state.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "ui/qt/message_box.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }

  static void Choose(Form1& form, const char* name) { form.findChild<QAction*>(name)->trigger(); }

  static void Release(Form1& form, Integer cell) {
    QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, MiddleOfCell(cell));
  }

  // GREEN lays out the middle row but for its last cell, then plays that cell and wins.
  static void WinAcrossTheMiddleRow(Form1& form, Integer size) {
    while (BoardSize > size) Choose(form, "Decreasex");
    const Integer first = static_cast<Integer>((size / 2) * size + 1);
    Choose(form, "Presetx");
    for (Integer cell = first; cell < first + size - 1; ++cell) Release(form, cell);
    Choose(form, "StartPreset");
    Release(form, static_cast<Integer>(first + size - 1));
  }

  static QLabel* TextOf(QMessageBox* box) {
    for (QLabel* label : box->findChildren<QLabel*>()) {
      if (label->text() == box->text()) return label;
    }
    return nullptr;
  }
};

// The box stood centred over the window: on 11 x 11 it hid the middle rows, where the
// winning chain ran, and on 5 x 5 it was wider than the window and stood off the screen.
TEST_F(MessageBoxTest, TheWinMessageLeavesTheBoardInSightAndStandsOnTheScreen) {
  for (Integer size : {11, 7, 5}) {
    MessageBoxAnswerer answerer;
    Form1 form;
    form.move(0, 0);
    form.show();
    const QRect screen = form.screen()->availableGeometry();
    QRect box;
    answerer.onShown = [&](QMessageBox* shown) {
      if (shown->text().contains("WON")) box = shown->frameGeometry();
    };
    WinAcrossTheMiddleRow(form, size);
    ASSERT_EQ(answerer.texts.back(), "GREEN WON - click here to continue") << size;
    const QRect board(form.surface()->mapToGlobal(QPoint(0, 0)), form.surface()->size());
    EXPECT_FALSE(box.intersects(board)) << size;
    EXPECT_TRUE(screen.contains(box)) << size;
  }
}

// The second click of a quick double click on the winning cell pressed OK, which had come
// up under the pointer, and the fresh board appeared before the player saw the win.
TEST_F(MessageBoxTest, APressRightAfterTheWinMessageAppearsCannotCloseIt) {
  PressGuardLength guard(kForever);
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  bool openAfterPresses = false;
  bool closedByEnter = false;
  answerer.onShown = [&](QMessageBox* box) {
    if (!box->text().contains("WON")) return;
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    QTest::mouseClick(TextOf(box), Qt::LeftButton);
    QTest::mouseDClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    openAfterPresses = box->isVisible();
    QTest::keyClick(box, Qt::Key_Return);
    closedByEnter = !box->isVisible();
  };
  WinAcrossTheMiddleRow(form, 5);
  EXPECT_TRUE(openAfterPresses);
  EXPECT_TRUE(closedByEnter);
  EXPECT_EQ(answerer.pressedOk, 2);  // the two preset messages only
}

// Each press with its release, sent one by one: a double click's second press comes as a
// double-click event, which must be ignored as a press, and its release with it.
TEST_F(MessageBoxTest, BothClicksOfADoubleClickRightAfterTheWinMessageLeaveItOpen) {
  PressGuardLength guard(kForever);
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  bool openAfterClicks = false;
  answerer.onShown = [&](QMessageBox* box) {
    if (!box->text().contains("WON")) return;
    for (QWidget* target : {static_cast<QWidget*>(box->button(QMessageBox::Ok)),
                            static_cast<QWidget*>(TextOf(box))}) {
      const QPoint middle = target->rect().center();
      QTest::mousePress(target, Qt::LeftButton, {}, middle);
      QTest::mouseRelease(target, Qt::LeftButton, {}, middle);
      QMouseEvent second(QEvent::MouseButtonDblClick, middle, target->mapToGlobal(middle),
                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(target, &second);
      QTest::mouseRelease(target, Qt::LeftButton, {}, middle);
    }
    openAfterClicks = box->isVisible();
    QTest::keyClick(box, Qt::Key_Return);
  };
  WinAcrossTheMiddleRow(form, 5);
  EXPECT_TRUE(openAfterClicks);
  EXPECT_EQ(answerer.pressedOk, 2);  // the two preset messages only
}

// The text says "click here to continue", but a click on it did nothing.
TEST_F(MessageBoxTest, AClickOnTheTextClosesTheMessageOnceTheMomentIsOver) {
  PressGuardLength guard(kOver);
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  bool closedByText = false;
  answerer.onShown = [&](QMessageBox* box) {
    if (!box->text().contains("WON")) return;
    QLabel* text = TextOf(box);
    ASSERT_NE(text, nullptr);
    QTest::mousePress(text, Qt::LeftButton);
    EXPECT_TRUE(box->isVisible());  // a click is a press and its release
    QTest::mouseRelease(text, Qt::LeftButton);
    closedByText = !box->isVisible();
  };
  WinAcrossTheMiddleRow(form, 5);
  EXPECT_TRUE(closedByText);
  EXPECT_EQ(answerer.pressedOk, 2);
  EXPECT_EQ(CellOwner[13], -1);  // the fresh board
}

// The win message had no parent: on X11 it was transient for the program's client leader, and
// the window system could let the board cover it.
TEST_F(MessageBoxTest, EveryMessageIsAPlainDialogTitledVornWithOneOkButtonOwnedByTheBoard) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  answerer.onShown = [&form](QMessageBox* box) {
    EXPECT_EQ(box->windowTitle(), "VORN");
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_FALSE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(box->parentWidget(), &form);
    EXPECT_EQ(box->windowHandle()->transientParent(), form.windowHandle());
    EXPECT_TRUE(box->isEnabled());
  };
  Choose(form, "Presetx");
  WinAcrossTheMiddleRow(form, 5);  // the win message, shown while the board is disabled
  EXPECT_EQ(answerer.pressedOk, 4);
}

// On sway a click on the board raised the main window over the box: the box was hidden, the
// board took no click and the game looked frozen.
TEST_F(MessageBoxTest, AClickOnTheBoardWhileAMessageIsUpBringsItBackAndPlaysNothing) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  bool cameBack = false;
  bool menuOpened = false;
  answerer.onShown = [&](QMessageBox* box) {
    cameBack = ComesBackAfterAClickOn(box, form.surface(), MiddleOfCell(61));
    QApplication::setActiveWindow(&form);
    QTest::keyClick(&form, Qt::Key_V, Qt::AltModifier);
    menuOpened = form.findChild<QMenu*>("Vornx")->isVisible();
  };
  Choose(form, "Presetx");
  EXPECT_TRUE(cameBack);
  EXPECT_FALSE(menuOpened);
  EXPECT_EQ(CellOwner[61], -1);  // no preset stone from the click
  Release(form, 61);
  EXPECT_EQ(CellOwner[61], 0);  // once the box is gone the board plays again
}

}  // namespace
}  // namespace vorn::testing
