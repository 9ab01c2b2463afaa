// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The error boundary on the headless window: a fault is reported and play goes on from the
// board that stood before it, and a board that cannot be built ends the game.
#include <gtest/gtest.h>

#include "game_fixture.h"
#include "play/error_boundary.h"

namespace vorn::testing {
namespace {

using ErrorBoundaryTest = GameTest;

constexpr char kRecovering[] = "Vorn met an internal error and starts a fresh board:\n";
constexpr char kStopping[] = "Vorn cannot build a fresh board and stops:\n";

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

// A size command whose board could not be built (as at a low DPI) was followed by a fresh
// board of that same size, which failed again and ended the program.
TEST_F(ErrorBoundaryTest, ACommandThatCannotBuildItsBoardGoesBackToTheBoardBefore) {
  Board(13, false);
  const GuardOutcome outcome = RunGuarded([] {
    Squarex_Click();
    BoardSize = 30;  // more cells a side than a board can hold
    Restartx_Click();
  });
  EXPECT_EQ(outcome, GuardOutcome::kRecovered);
  ASSERT_EQ(window.Messages().size(), 1u);
  EXPECT_TRUE(StartsWith(window.Messages()[0], kRecovering)) << window.Messages()[0];
  EXPECT_EQ(BoardSize, 13);
  EXPECT_EQ(SquareBoard, No);
  EXPECT_EQ(CellCount, 13 * 12);
  EXPECT_EQ(window.Caption(), "VORN SIZE 13");
  EXPECT_FALSE(window.MenuChecked(MenuItem::Squarex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Increasex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Decreasex));
  EXPECT_EQ(SideToMove, 0);
  EXPECT_TRUE(window.Enabled());
  EXPECT_EQ(RunGuarded([] { Increasex_Click(); }), GuardOutcome::kRan);
  EXPECT_EQ(CellCount, 14 * 13);

  // At the smallest board the Size menu offers no smaller one again.
  while (BoardSize > kSmallestBoard) Decreasex_Click();
  EXPECT_EQ(RunGuarded([] {
              Increasex_Click();
              throw RunTimeError("after the board was built");
            }),
            GuardOutcome::kRecovered);
  EXPECT_EQ(BoardSize, kSmallestBoard);
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Decreasex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Increasex));
}

// Back at the largest board, "Increase" must be off again: it would build a board of more
// cells a side than the game allows.
TEST_F(ErrorBoundaryTest, GoingBackToTheLargestBoardLeavesIncreaseOff) {
  while (BoardSize < kLargestBoard) Increasex_Click();
  ASSERT_FALSE(window.MenuEnabled(MenuItem::Increasex));
  EXPECT_EQ(RunGuarded([] {
              Decreasex_Click();
              throw RunTimeError("after the smaller board was built");
            }),
            GuardOutcome::kRecovered);
  EXPECT_EQ(BoardSize, kLargestBoard);
  EXPECT_EQ(CellCount, kLargestBoard * kLargestBoard);
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Increasex));
  EXPECT_TRUE(window.MenuEnabled(MenuItem::Decreasex));
}

// The window's own message box may fail too, in a page whose script throws: nothing is
// trusted then, and the game stops instead of letting the fault escape the boundary.
TEST_F(ErrorBoundaryTest, AWindowThatCannotShowTheFaultStopsTheGame) {
  class FailingMessages : public HeadlessWindow {
   public:
    void MessageBox(const std::string&) override { throw RunTimeError("no box"); }
  } failing;
  AttachWindow(&failing);
  EXPECT_EQ(RunGuarded([] { throw RunTimeError("in a click"); }), GuardOutcome::kStopped);
  EXPECT_FALSE(failing.Enabled());
  AttachWindow(&window);
}

TEST_F(ErrorBoundaryTest, ABoardThatStoodBeforeButCannotBeBuiltAgainEndsTheGame) {
  BoardSize = 30;  // the state is broken before the event
  EXPECT_EQ(RunGuarded([] { Restartx_Click(); }), GuardOutcome::kStopped);
  ASSERT_EQ(window.Messages().size(), 2u);
  EXPECT_TRUE(StartsWith(window.Messages()[0], kRecovering));
  EXPECT_TRUE(StartsWith(window.Messages()[1], kStopping));
  EXPECT_FALSE(window.Enabled());

  // Before start-up no board stood at all: a fault there is not followed by a made-up one.
  ResetModuleState();
  HeadlessWindow fresh;
  AttachWindow(&fresh);
  EXPECT_EQ(RunGuarded([] { throw RunTimeError("at start-up"); }), GuardOutcome::kStopped);
  ASSERT_EQ(fresh.Messages().size(), 2u);
  EXPECT_EQ(fresh.Messages()[1], std::string(kStopping) + "no board was built before the error");
  EXPECT_EQ(CellCount, 0);
}

}  // namespace
}  // namespace vorn::testing
