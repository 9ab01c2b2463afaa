// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing in the real main window, offscreen: mouse releases on the board, the drawn stones
// and the hatched winning chain, a whole game to its end, and the drawing at pixel ratio 2.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <algorithm>
#include <array>

#include "computer/computer_move.h"
#include "game/state.h"
#include "ui/qt/board_surface.h"
#include "ui/qt/form1.h"
#include "widget_support.h"

namespace vorn::testing {
namespace {

class PlayWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetModuleState(); }

  static void Release(Form1& form, Integer cell, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseRelease(form.surface(), button, modifiers, MiddleOfCell(cell));
  }
  static QColor Pixel(const QImage& image, QPoint at) {
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(qRound(at.x() * ratio), qRound(at.y() * ratio));
  }
  static void Choose(Form1& form, const char* name) { form.findChild<QAction*>(name)->trigger(); }
};

TEST_F(PlayWindowTest, AClickDrawsGreensStoneAndRedsReplyInsideBlackOutlines) {
  Form1 form;
  form.show();
  Release(form, 61);
  ASSERT_EQ(CellOwner[61], 0);
  const QImage image = form.surface()->image();
  EXPECT_EQ(Pixel(image, MiddleOfCell(61)), QColor(0, 128, 0));
  const QPoint leftSide(qRound(CellTwipX[61] / TwipsX), MiddleOfCell(61).y());
  EXPECT_EQ(Pixel(image, leftSide), QColor(0, 0, 0));
  Integer reply = 0;
  for (Integer cell = 1; cell <= CellCount; ++cell) reply = CellOwner[cell] == 1 ? cell : reply;
  ASSERT_NE(reply, 0);
  EXPECT_EQ(Pixel(image, MiddleOfCell(reply)), QColor(128, 0, 0));
  EXPECT_EQ(Pixel(image, MiddleOfCell(1)), QColor(192, 192, 192));
  EXPECT_TRUE(form.isEnabled());
  EXPECT_FALSE(form.findChild<QAction*>("Sizex")->isEnabled());
}

TEST_F(PlayWindowTest, TheWinningChainIsHatchedOverItsStonesWhileTheMessageIsUp) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  Choose(form, "Decreasex");
  for (int step = 0; step < 5; ++step) Choose(form, "Decreasex");
  ASSERT_EQ(BoardSize, 5);
  Choose(form, "Presetx");
  for (Integer cell : {11, 12, 13, 14}) Release(form, cell);
  Choose(form, "StartPreset");
  QImage during;
  bool windowDisabled = false;
  answerer.onShown = [&](QMessageBox*) {
    during = form.surface()->image();
    windowDisabled = !form.isEnabled();
  };
  Release(form, 15);
  ASSERT_EQ(answerer.texts.back(), "GREEN WON - click here to continue");
  EXPECT_TRUE(windowDisabled);
  // Inside a hatched stone: black hatch lines with the green stone between them. The lines
  // run diagonally, so each black pixel has a black diagonal neighbour and no row or column
  // is black all along, as in a hatch of upright lines.
  int black = 0, green = 0, blackWithoutDiagonal = 0;
  const QPoint middle = MiddleOfCell(13);
  auto isBlack = [&](int dx, int dy) {
    return Pixel(during, middle + QPoint(dx, dy)) == QColor(0, 0, 0);
  };
  std::array<int, 13> blackInColumn{};
  std::array<int, 11> blackInRow{};
  for (int dx = -6; dx <= 6; ++dx) {
    for (int dy = -5; dy <= 5; ++dy) {
      const QColor colour = Pixel(during, middle + QPoint(dx, dy));
      green += colour == QColor(0, 128, 0);
      if (colour != QColor(0, 0, 0)) continue;
      ++black;
      ++blackInColumn[dx + 6];
      ++blackInRow[dy + 5];
      blackWithoutDiagonal += !(isBlack(dx - 1, dy - 1) || isBlack(dx + 1, dy + 1) ||
                                isBlack(dx - 1, dy + 1) || isBlack(dx + 1, dy - 1));
    }
  }
  EXPECT_GT(black, 10);
  EXPECT_GT(green, 10);
  EXPECT_EQ(black + green, 13 * 11);
  EXPECT_EQ(blackWithoutDiagonal, 0);
  EXPECT_LT(*std::max_element(blackInColumn.begin(), blackInColumn.end()), 11);
  EXPECT_LT(*std::max_element(blackInRow.begin(), blackInRow.end()), 13);
  // Afterwards a fresh, empty board of the same size.
  EXPECT_EQ(Pixel(form.surface()->image(), middle), QColor(192, 192, 192));
  EXPECT_EQ(CellCount, 25);
  EXPECT_TRUE(form.isEnabled());
}

TEST_F(PlayWindowTest, AWholeGameWithTheMouseEndsInTheWinMessageAndAFreshBoard) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  int clicks = 0;
  while (answerer.texts.isEmpty() && clicks++ < 121) Release(form, LowestEmptyCell());
  ASSERT_EQ(answerer.texts.size(), 1);
  EXPECT_TRUE(answerer.texts[0] == "GREEN WON - click here to continue" ||
              answerer.texts[0] == "RED WON - click here to continue")
      << answerer.texts[0].toStdString();
  for (Integer cell = 1; cell <= CellCount; ++cell) ASSERT_EQ(CellOwner[cell], -1);
  EXPECT_EQ(form.windowTitle(), "VORN SIZE 11");
  EXPECT_TRUE(form.findChild<QAction*>("Sizex")->isEnabled());
  EXPECT_TRUE(form.findChild<QAction*>("Presetx")->isEnabled());
  EXPECT_FALSE(form.findChild<QAction*>("StartPreset")->isEnabled());
  EXPECT_EQ(form.surface()->indicatorColor(0), QColor(0, 128, 0));
  EXPECT_EQ(Pixel(form.surface()->image(), MiddleOfCell(61)), QColor(192, 192, 192));
}

// A layout that filled the board could never end: every click was ignored and RED's chain
// from top to bottom was never announced. Nor is a GREEN stone asked for that cannot be placed.
TEST_F(PlayWindowTest, AFullPresetBoardIsAnnouncedAsSoonAsThePresetGameStarts) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  for (int step = 0; step < 6; ++step) Choose(form, "Decreasex");
  Choose(form, "Presetx");
  for (Integer cell = 1; cell <= 25; ++cell) {  // column 3 RED, all else GREEN
    Release(form, cell, (cell - 1) % 5 == 2 ? Qt::RightButton : Qt::LeftButton);
  }
  QImage during;
  answerer.onShown = [&](QMessageBox*) { during = form.surface()->image(); };
  Choose(form, "StartPreset");
  EXPECT_EQ(answerer.texts, QStringList({"left-click to set GREEN, right-click for RED",
                                         "RED WON - click here to continue"}));
  // RED's column is hatched while the message is up; then the board is fresh.
  int black = 0;
  for (int dx = -4; dx <= 4; ++dx) {
    black += Pixel(during, MiddleOfCell(13) + QPoint(dx, 0)) == QColor(0, 0, 0);
  }
  EXPECT_GT(black, 0);
  EXPECT_EQ(Pixel(form.surface()->image(), MiddleOfCell(13)), QColor(192, 192, 192));
  Release(form, 1);  // and GREEN plays on the fresh board
  EXPECT_EQ(CellOwner[1], 0);
}

TEST_F(PlayWindowTest, APlainRightClickLetsTheComputerOpenButAShiftedOnePlaysGreen) {
  MessageBoxAnswerer answerer;
  Form1 form;
  form.show();
  Release(form, 5, Qt::RightButton, Qt::ShiftModifier);
  EXPECT_EQ(CellOwner[5], 0);
  Choose(form, "Restartx");
  Release(form, 5, Qt::RightButton);
  EXPECT_EQ(CellOwner[5], -1);
  EXPECT_EQ(CellOwner[60], 1);
  Choose(form, "Squarex");
  Release(form, 5, Qt::RightButton);
  EXPECT_EQ(answerer.texts, QStringList{"Computer cannot start first in non-square Board"});
  EXPECT_FALSE(form.findChild<QAction*>("Squarex")->isChecked());
}

// Alt is a modifier of the mask as much as Shift and Ctrl: with any of them held, a right
// click before the first stone plays GREEN instead of letting the computer open.
TEST_F(PlayWindowTest, ARightClickWithCtrlOrAltHeldPlaysGreenToo) {
  Form1 form;
  form.show();
  for (const Qt::KeyboardModifier key : {Qt::ControlModifier, Qt::AltModifier}) {
    Release(form, 5, Qt::RightButton, key);
    EXPECT_EQ(CellOwner[5], 0) << key;
    Choose(form, "Restartx");
  }
}

TEST_F(PlayWindowTest, ClicksOutsideTheClickBoxesDoNothing) {
  Form1 form;
  form.show();
  const QPoint gap = MiddleOfCell(1) + QPoint(0, 10);  // below cell 1's band, above row 2's
  QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, gap);
  QTest::mouseRelease(form.surface(), Qt::LeftButton, {}, QPoint(30, 100));
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_EQ(CellOwner[cell], -1);
}

// Re-enabling the window after RED's reply must not re-enable the "Size" submenu.
TEST_F(PlayWindowTest, SizeMenuStaysDisabledWhenTheWindowIsEnabledAgain) {
  Form1 form;
  form.show();
  Release(form, 61);
  ASSERT_TRUE(form.isEnabled());
  EXPECT_FALSE(form.findChild<QAction*>("Sizex")->isEnabled());
  EXPECT_FALSE(form.findChild<QMenu*>("Sizex")->isEnabled());
  EXPECT_FALSE(form.findChild<QAction*>("Presetx")->isEnabled());
  Choose(form, "Restartx");
  EXPECT_TRUE(form.findChild<QAction*>("Sizex")->isEnabled());
  EXPECT_TRUE(form.findChild<QMenu*>("Sizex")->isEnabled());
}

// Run a second time with QT_SCALE_FACTOR=2, where the surface's ratio is 2.
TEST_F(PlayWindowTest, TheDrawingIsKeptAtTheScreensPixelRatio) {
  Form1 form;
  form.show();
  Release(form, 61);
  const QImage& image = form.surface()->image();
  const qreal ratio = form.surface()->devicePixelRatioF();
  EXPECT_EQ(image.devicePixelRatio(), ratio);
  EXPECT_EQ(image.width(), qRound(form.surface()->width() * ratio));
  EXPECT_EQ(Pixel(image, MiddleOfCell(61)), QColor(0, 128, 0));
  // Every device pixel of the outline is drawn: a black run as wide as the pen times the
  // ratio crosses cell 61's left side.
  const int y = qRound(MiddleOfCell(61).y() * ratio);
  const int left = qRound(CellTwipX[61] / TwipsX * ratio);
  int run = 0;
  for (int x = left - 4 * qRound(ratio); x <= left + 4 * qRound(ratio); ++x) {
    run += image.pixelColor(x, y) == QColor(0, 0, 0);
  }
  EXPECT_EQ(run, qRound(2 * ratio));
}

}  // namespace
}  // namespace vorn::testing
