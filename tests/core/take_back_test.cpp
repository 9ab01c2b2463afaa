// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Taking back: every click taken back leaves exactly what stood before it, on every board
// size and shape and in preset mode; and the mark of the last move.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_fixture.h"
#include "play/preset.h"
#include "play/take_back.h"
#include "play_record.h"

namespace vorn::testing {
namespace {

class TakeBackTest : public GameTest {
 protected:
  // Plays `clicks` seeded GREEN moves, or fewer if a win ends the game, keeping the record
  // before each one and after it.
  void PlaySeeded(unsigned seed, int clicks) {
    Seeded seeded(seed);
    for (int click = 0; click < clicks; ++click) {
      const Integer cell = RandomEmptyCell(seeded);
      before.push_back(PlayRecord(window));
      Click(cell);
      if (!CanTakeBack()) {  // a win: its board is fresh
        before.pop_back();
        return;
      }
      after.push_back(PlayRecord(window));
      cells.push_back(cell);
    }
  }

  std::vector<std::string> before;
  std::vector<std::string> after;
  std::vector<Integer> cells;
};

TEST_F(TakeBackTest, EachClickTakenBackLeavesWhatStoodBeforeItAndPlaysAgainAlike) {
  for (const Integer size : {5, 11, 21}) {
    for (const bool square : {true, false}) {
      SCOPED_TRACE(std::to_string(size) + (square ? " square" : " short"));
      BuildBoard(size, square ? Yes : No);  // with the menus of that board
      before.clear();
      after.clear();
      cells.clear();
      PlaySeeded(static_cast<unsigned>(size * 2 + square), size == 21 ? 12 : 6);
      ASSERT_GE(cells.size(), 2U);
      for (std::size_t k = cells.size(); k-- > 0;) {
        const std::vector<Integer> emptied = TakeBack();
        ASSERT_FALSE(emptied.empty());
        EXPECT_EQ(emptied.front(), cells[k]);  // GREEN's stone first
        EXPECT_EQ(PlayRecord(window), before[k]) << "click " << k;
      }
      EXPECT_FALSE(CanTakeBack());
      EXPECT_TRUE(TakeBack().empty());
      // The same clicks get the same replies.
      for (std::size_t k = 0; k < cells.size(); ++k) {
        Click(cells[k]);
        EXPECT_EQ(PlayRecord(window), after[k]) << "click " << k;
      }
    }
  }
}

TEST_F(TakeBackTest, ComputerOpeningIsTakenBackAlone) {
  const std::string fresh = PlayRecord(window);
  Click(1, kRightButton);
  EXPECT_EQ(TakeBack(), std::vector<Integer>{60});
  EXPECT_EQ(PlayRecord(window), fresh);
}

TEST_F(TakeBackTest, PresetStonesAreTakenBackOneByOneAndTheLayoutStartsTheGame) {
  Presetx_Click();
  const std::string empty = PlayRecord(window);
  Click(1);
  const std::string oneStone = PlayRecord(window);
  Click(20, kRightButton);
  EXPECT_EQ(LastMarkedCell(), 20);
  Click(20, kRightButton);  // occupied: nothing to take back from it
  EXPECT_EQ(TakeBack(), std::vector<Integer>{20});
  EXPECT_EQ(PlayRecord(window), oneStone);
  EXPECT_EQ(LastMarkedCell(), 1);  // GREEN's preset stone
  EXPECT_EQ(TakeBack(), std::vector<Integer>{1});
  EXPECT_EQ(PlayRecord(window), empty);
  EXPECT_EQ(LastMarkedCell(), 0);

  Click(1);
  StartPreset_Click();
  EXPECT_FALSE(CanTakeBack());
  const std::string layout = PlayRecord(window);
  Click(61);
  EXPECT_EQ(TakeBack().size(), 2U);
  EXPECT_EQ(PlayRecord(window), layout);
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Sizex));  // still a game from a layout
  EXPECT_FALSE(window.MenuEnabled(MenuItem::Presetx));
}

TEST_F(TakeBackTest, AWinAndANewBoardLeaveNothingToTakeBack) {
  Click(61);
  Restartx_Click();
  EXPECT_FALSE(CanTakeBack());
  Presetx_Click();
  for (Integer cell = 1; cell <= 10; ++cell) Click(cell);
  StartPreset_Click();
  Click(11);  // the row joins both of GREEN's edges
  EXPECT_EQ(window.Messages().back(), "GREEN WON - click here to continue");
  EXPECT_FALSE(CanTakeBack());
  EXPECT_EQ(LastMarkedCell(), 0);
}

TEST_F(TakeBackTest, TheMarkIsOnTheComputersLastStoneInTheMiddleOfItsCell) {
  EXPECT_EQ(LastMarkedCell(), 0);
  Click(61);
  const Integer firstReply = PlayerMoves[1].back();
  EXPECT_EQ(LastMarkedCell(), firstReply);
  Click(50);
  EXPECT_NE(LastMarkedCell(), firstReply);
  EXPECT_EQ(LastMarkedCell(), PlayerMoves[1].back());
  TakeBack();
  EXPECT_EQ(LastMarkedCell(), firstReply);
  // Cell 1 of the first board has its vertex 0 at pixel (148, 14): the middle of its band
  // is 13.5 pixels right and 7 down, at 15 twips a pixel.
  const TwipCircle dot = MarkDotOf(1);
  EXPECT_FLOAT_EQ(dot.x, 2422.5F);
  EXPECT_FLOAT_EQ(dot.y, 315.0F);
  EXPECT_FLOAT_EQ(dot.radius, 60.0F);
}

}  // namespace
}  // namespace vorn::testing
