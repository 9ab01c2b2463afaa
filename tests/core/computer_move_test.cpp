// SPDX-FileCopyrightText: 2026 The Vorn developers
// SPDX-License-Identifier: GPL-3.0-or-later

// RED's reply: the best-valued cell on square boards, the mirror partner on short ones, and
// the fallbacks for positions that preset layouts can build.
#include <gtest/gtest.h>

#include <utility>

#include "computer/computer_move.h"
#include "computer/stone_placement.h"
#include "game_fixture.h"
#include "play/game_commands.h"
#include "play/influence.h"
#include "play/preset.h"

namespace vorn::testing {
namespace {

class ComputerMoveTest : public GameTest {
 protected:
  // GREEN's stone as the mouse handler leaves it before the reply.
  void GreenPlays(Integer cell) {
    PlaceStone(cell, 0);
    SpreadInfluence(cell, 100);
    SelectedCell = cell;
    SideToMove = 1;
  }
  Integer RedsReply() {
    const std::size_t before = PlayerMoves[1].size();
    ComputerMove();
    if (PlayerMoves[1].size() == before) return 0;
    return PlayerMoves[1].back();
  }
};

TEST_F(ComputerMoveTest, TiesGoToTheLowerNumberedCell) {
  GreenPlays(121);  // a corner stone earns no bonuses
  for (Integer cell = 1; cell <= CellCount; ++cell) Influence[cell] = 0;
  Influence[40] = 500;
  Influence[30] = 500;
  EXPECT_EQ(RedsReply(), 30);
}

TEST_F(ComputerMoveTest, WhenEveryEmptyCellIsNegativeTheLowestEmptyCellIsPlayed) {
  PlaceStone(1, 1);
  GreenPlays(121);
  for (Integer cell = 1; cell <= CellCount; ++cell) Influence[cell] = -50;
  EXPECT_EQ(RedsReply(), 2);
}

// GREEN's centre stone on 5 x 5: the bonus of 200 right of the stone wins RED the cell and
// is taken back. What stays is GREEN's spread from +100 added to the second spread, from -100
// (the two worked tables of the influence tests), which passes RED's new stone by, and 0 on
// GREEN's cell.
TEST_F(ComputerMoveTest, ASquareTurnLeavesOnlyTheTwoSpreadsInTheMap) {
  Board(5, true);
  GreenPlays(13);
  EXPECT_EQ(RedsReply(), 14);
  const int expected[25] = {-1, -1, -3, -4, -5,  //
                            -1, -1, -1, -3, -5,  //
                            -4, -1, 0, 80, -4,   //
                            -5, -3, -1, -1, -2,  //
                            -5, -5, -3, -2, -2};
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    EXPECT_EQ(Influence[cell], expected[cell - 1]) << cell;
  }
}

TEST_F(ComputerMoveTest, ADecidingCellIsTakenOnASquareBoard) {
  Board(5, true);
  for (int cell : {11, 12, 13, 14}) GreenPlays(static_cast<Integer>(cell));
  const Integer before = Influence[15];
  EXPECT_EQ(RedsReply(), 15);
  // The 999 is gone again, and the second spread passes over RED's new stone.
  EXPECT_EQ(Influence[15], before);
}

// The map is never cleared: after games on short boards, where no second spread follows
// GREEN's stones, cells can stand far above the 999 a deciding cell is given.
TEST_F(ComputerMoveTest, DecidingCellIsPlayedEvenWhenStaleInfluenceOutscoresIt) {
  Board(5, true);
  for (int cell : {11, 12, 13, 14}) GreenPlays(static_cast<Integer>(cell));
  Influence[3] = 1148;
  Influence[9] = 5000;
  EXPECT_EQ(RedsReply(), 15);
}

TEST_F(ComputerMoveTest, ShortBoardAnswersWithTheMirrorPartner) {
  Board(5, false);
  GreenPlays(2);
  EXPECT_EQ(RedsReply(), 1);
  GreenPlays(6);
  EXPECT_EQ(RedsReply(), 3);
}

TEST_F(ComputerMoveTest, ShortBoardTakesADecidingCellBeforeThePartner) {
  Board(5, false);
  LayChain(0, 1, {6, 7, 8, 9});  // row 2 lacks only cell 10
  GreenPlays(16);
  const auto influence = Influence;
  EXPECT_EQ(RedsReply(), 10);
  EXPECT_EQ(Influence[10], 999);  // stays in the map on short boards
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    if (cell != 10) {
      EXPECT_EQ(Influence[cell], influence[cell]) << cell;
    }
  }
}

TEST_F(ComputerMoveTest, ShortBoardWithTheMirrorPartnerTakenPlaysTheLowestEmptyCell) {
  Board(5, false);
  PlaceStone(1, 1);
  GreenPlays(2);  // its partner, cell 1, is RED already
  EXPECT_EQ(RedsReply(), 3);
  EXPECT_EQ(CellOwner[1], 1);
  EXPECT_EQ(CellOwner[2], 0);
}

TEST_F(ComputerMoveTest, AFullBoardSkipsOnlyThePlacingOfRedsStone) {
  Board(5, true);
  // RED holds column 3 and a few more; GREEN everything else but cell 25.
  for (Integer cell = 1; cell <= CellCount; ++cell) {
    const bool red = (cell - 1) % 5 == 2 || cell == 24;
    if (cell != 25) PlaceStone(cell, red ? 1 : 0);
  }
  GreenPlays(25);
  const PerCell<Integer> before = Influence;
  EXPECT_EQ(RedsReply(), 0);
  for (Integer cell = 1; cell <= CellCount; ++cell) EXPECT_NE(CellOwner[cell], -1);
  // The rest of the turn still runs: the -100 spread from GREEN's stone, -81 on the first
  // ring and -65 on the cells queued from cell 19 next, past RED's stones, and the 0.
  const std::pair<Integer, int> credited[] = {{19, -81}, {20, -81}, {14, -65}};
  for (const auto& [cell, change] : credited) {
    EXPECT_EQ(Influence[cell], before[cell] + change) << cell;
  }
  for (const Integer red : {13, 18, 24}) EXPECT_EQ(Influence[red], before[red]) << red;
  EXPECT_EQ(Influence[25], 0);
}

}  // namespace
}  // namespace vorn::testing
